#include "hid/hidapi/hidapi_device.h"

#include <algorithm>

namespace orvex::hid {

HidapiDevice::HidapiDevice(HidIdentity identity, hid_device* handle, std::shared_ptr<HidapiSession> session)
    : HidDevice(std::move(identity)), m_session(std::move(session)), m_handle(handle)
{
}

HidapiDevice::~HidapiDevice()
{
    if (m_handle != nullptr)
        hid_close(m_handle);
}

bool HidapiDevice::doSetFeature(const std::uint8_t* report, std::size_t length)
{
    if (m_handle == nullptr || length == 0)
        return false;
    // A report that went out only in part did not reach the board as sent.
    return hid_send_feature_report(m_handle, report, length) == static_cast<int>(length);
}

bool HidapiDevice::doGetFeature(std::uint8_t* report, std::size_t length)
{
    if (m_handle == nullptr || length == 0)
        return false;
    const int received = hid_get_feature_report(m_handle, report, length);
    if (received <= 0)
        return false;
    // A device may answer with fewer bytes than its longest feature report; the rest of the
    // buffer reads as 0, as the Windows HID driver delivers it.
    std::fill(report + std::min<std::size_t>(static_cast<std::size_t>(received), length), report + length, 0);
    return true;
}

} // namespace orvex::hid

#include "hid/emulated/emulated_board.h"

#include <algorithm>

namespace orvex::hid {

bool InertFirmware::onGetFeature(std::span<std::uint8_t> report)
{
    std::fill(report.begin() + 1, report.end(), 0);
    return true;
}

EmulatedBoard::EmulatedBoard(HidIdentity identity, std::unique_ptr<BoardFirmware> firmware)
    : HidDevice(std::move(identity)), m_firmware(std::move(firmware))
{
    m_firmware->onPowerUp();
}

void EmulatedBoard::plugIn()
{
    if (m_pluggedIn)
        return;
    m_pluggedIn = true;
    m_firmware->onPowerUp();
    if (m_plugListener)
        m_plugListener();
}

void EmulatedBoard::unplug()
{
    if (!m_pluggedIn)
        return;
    m_pluggedIn = false;
    m_unplugCountdown = 0;
    if (m_plugListener)
        m_plugListener();
}

bool EmulatedBoard::accepts(std::size_t length) const
{
    // Like the HID class driver: a request must carry exactly the board's feature report length.
    const std::size_t featureLength = GetCaps().FeatureReportByteLength;
    return m_pluggedIn && featureLength != 0 && length == featureLength;
}

void EmulatedBoard::countRequest()
{
    if (m_unplugCountdown != 0 && --m_unplugCountdown == 0)
        unplug();
}

bool EmulatedBoard::doSetFeature(const std::uint8_t* report, std::size_t length)
{
    if (!accepts(length))
        return false;
    const bool ok = m_firmware->onSetFeature({report, length});
    countRequest();
    return ok;
}

bool EmulatedBoard::doGetFeature(std::uint8_t* report, std::size_t length)
{
    if (!accepts(length))
        return false;
    const bool ok = m_firmware->onGetFeature({report, length});
    countRequest();
    return ok;
}

} // namespace orvex::hid

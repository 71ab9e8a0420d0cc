// STUB: replaced by its owner
#include "hid/hid_ctl.h"

namespace orvex::hid {
HidCtl::HidCtl(std::vector<std::unique_ptr<HidBackend>> backends, std::shared_ptr<TraceLog> trace)
    : m_backends(std::move(backends)), m_trace(std::move(trace))
{
}
HidCtl::~HidCtl() = default;
void HidCtl::Enumerate() {}
std::shared_ptr<HidDevice> HidCtl::CheckOutByIndex(int) { return nullptr; }
void HidCtl::CheckIn(std::shared_ptr<HidDevice>& device) { device.reset(); }
void HidCtl::postDeviceChange() {}
} // namespace orvex::hid

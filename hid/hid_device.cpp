// STUB: replaced by its owner
#include "hid/hid_device.h"

namespace orvex::hid {
bool HidDevice::SetFeature(const std::uint8_t* report, std::size_t length) { return doSetFeature(report, length); }
bool HidDevice::GetFeature(std::uint8_t* report, std::size_t length) { return doGetFeature(report, length); }
} // namespace orvex::hid

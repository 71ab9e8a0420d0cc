#include "hid/hid_device.h"

#include "hid/trace_log.h"

namespace orvex::hid {

bool HidDevice::SetFeature(const std::uint8_t* report, std::size_t length)
{
    const bool ok = doSetFeature(report, length);
    if (m_trace)
        m_trace->record(TraceDirection::Set, m_identity.pnp.DevicePath, {report, length}, ok);
    return ok;
}

bool HidDevice::GetFeature(std::uint8_t* report, std::size_t length)
{
    const bool ok = doGetFeature(report, length);
    if (m_trace)
        m_trace->record(TraceDirection::Get, m_identity.pnp.DevicePath, {report, length}, ok);
    return ok;
}

} // namespace orvex::hid

#pragma once
// One HID device as the tool sees it: identity (attributes, capabilities, strings, PnP
// information) and the two feature-report requests. Backends (hidapi for real boards, the
// emulated boards) implement the private hooks; the public requests are fixed here so that
// every exchange can be traced the same way whatever the backend.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orvex::hid {

class TraceLog;

struct HidAttributes {
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0; ///< high byte major, low byte minor
};

struct HidCaps {
    /// Feature report length in bytes, report ID byte included; 0 when the device has none.
    std::uint16_t FeatureReportByteLength = 0;
};

struct HidPnPInfo {
    std::string DevicePath;  ///< unique per device; used to find the device again after a re-plug
    std::string DeviceDescr; ///< description as the system names the device; may be empty
};

/// Fixed identity of a device, read once when it is enumerated.
struct HidIdentity {
    HidAttributes attributes;
    HidCaps caps;
    HidPnPInfo pnp;
    std::string productName;   ///< UTF-8; may be empty
    std::string descriptor5;   ///< string descriptor 5; empty when absent or unreadable
    /// Why the device cannot be opened (no permission, say); empty when it can.
    std::string openError;
};

class HidDevice {
public:
    explicit HidDevice(HidIdentity identity) : m_identity(std::move(identity)) {}
    virtual ~HidDevice() = default;
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    const HidAttributes& Attributes() const { return m_identity.attributes; }
    const HidPnPInfo& PnPInfo() const { return m_identity.pnp; }
    HidCaps GetCaps() const { return m_identity.caps; }
    const std::string& GetProductName() const { return m_identity.productName; }
    /// String descriptor `index` as text; only index 5 is kept, any other reads empty.
    std::string GetDeviceStringAnsi(std::uint8_t index) const
    {
        return index == 5 ? m_identity.descriptor5 : std::string();
    }
    /// Why the device cannot be used; empty when it can be opened.
    const std::string& openError() const { return m_identity.openError; }

    /// Sends `length` bytes (report ID in byte 0) with the set-feature request.
    /// False when the request failed (device gone, refused, not opened).
    bool SetFeature(const std::uint8_t* report, std::size_t length);
    /// Receives `length` bytes with the get-feature request for the report ID in report[0].
    bool GetFeature(std::uint8_t* report, std::size_t length);

    /// Every exchange from now on is appended to `trace` (nullptr: none).
    void setTrace(std::shared_ptr<TraceLog> trace) { m_trace = std::move(trace); }

private:
    virtual bool doSetFeature(const std::uint8_t* report, std::size_t length) = 0;
    virtual bool doGetFeature(std::uint8_t* report, std::size_t length) = 0;

    HidIdentity m_identity;
    std::shared_ptr<TraceLog> m_trace;
};

} // namespace orvex::hid

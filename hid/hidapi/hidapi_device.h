#pragma once
// A real HID device reached through hidapi. The handle is opened during enumeration; when that
// failed, the identity says why and every request fails.
#include "hid/hid_device.h"

#include <hidapi.h>

#include <memory>

namespace orvex::hid {

/// Keeps hidapi initialised while any backend or device still uses it.
class HidapiSession {
public:
    HidapiSession() : m_ok(hid_init() == 0) {}
    ~HidapiSession() { hid_exit(); }
    HidapiSession(const HidapiSession&) = delete;
    HidapiSession& operator=(const HidapiSession&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

class HidapiDevice final : public HidDevice {
public:
    /// Takes ownership of `handle` (may be null: the device could not be opened).
    HidapiDevice(HidIdentity identity, hid_device* handle, std::shared_ptr<HidapiSession> session);
    ~HidapiDevice() override;

private:
    bool doSetFeature(const std::uint8_t* report, std::size_t length) override;
    bool doGetFeature(std::uint8_t* report, std::size_t length) override;

    std::shared_ptr<HidapiSession> m_session; ///< declared first: released after the handle
    hid_device* m_handle;
};

} // namespace orvex::hid

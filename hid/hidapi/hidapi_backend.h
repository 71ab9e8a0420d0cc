#pragma once
// The backend for real boards: every HID device the system lists through hidapi, one object
// per device path, opened where permitted; arrival and removal from the platform's notices.
#include "hid/hid_backend.h"
#include "hid/hidapi/device_listing.h"

#include <set>
#include <string>

namespace orvex::hid {

class HidapiSession;
class PlatformSupport;

class HidapiBackend final : public HidBackend {
public:
    /// Initialises hidapi and the platform support. Without hidapi (initialisation failed)
    /// the backend lists no devices.
    HidapiBackend();
    ~HidapiBackend() override;

    /// New device objects for every device present now; opening each is attempted again.
    std::vector<std::shared_ptr<HidDevice>> enumerate() override;
    void watch(std::function<void()> onChange) override;

private:
    std::shared_ptr<HidDevice> open(const ListedDevice& entry);
    /// A board that arrived a moment ago may not be open to the user yet: the system applies
    /// the access rule just after announcing it. Try again a few times, and raise a device
    /// change once it opens.
    void retryOpenLater(const std::string& path, int attempt);

    std::shared_ptr<HidapiSession> m_session;
    std::unique_ptr<PlatformSupport> m_platform;
    std::function<void()> m_onChange;
    std::set<std::string> m_lastPaths;
    bool m_listedOnce = false;
    std::shared_ptr<bool> m_alive; ///< lets pending retries see that the backend is gone
};

} // namespace orvex::hid

// Systems without a Linux-style sysfs and udev: everything through hidapi, arrival and removal
// by polling the device list.
#include "hid/hidapi/device_listing.h"
#include "hid/hidapi/platform_support.h"
#include "hid/hidapi/poll_watcher.h"

#include <array>

namespace orvex::hid {

namespace {

class PollPlatform final : public PlatformSupport {
public:
    std::vector<std::uint8_t> reportDescriptor(const std::string&, hid_device* opened) override
    {
#if HID_API_VERSION >= HID_API_MAKE_VERSION(0, 14, 0)
        if (opened != nullptr) {
            std::array<unsigned char, HID_API_MAX_REPORT_DESCRIPTOR_SIZE> buffer{};
            const int length = hid_get_report_descriptor(opened, buffer.data(), buffer.size());
            if (length > 0)
                return {buffer.begin(), buffer.begin() + length};
        }
#else
        (void)opened;
#endif
        return {};
    }

    std::string stringDescriptor5(const std::string&, hid_device* opened) override
    {
        std::array<wchar_t, 256> text{};
        if (opened == nullptr || hid_get_indexed_string(opened, 5, text.data(), text.size() - 1) != 0)
            return {};
        return utf8FromWide(text.data());
    }

    std::string openErrorText(const std::string& path) override
    {
        const std::string reason = utf8FromWide(hid_error(nullptr));
        return "Cannot open " + path + (reason.empty() ? "." : ": " + reason);
    }

    bool lacksPermission(const std::string&) override { return false; }

    void watch(std::function<void()> onChange) override
    {
        m_poll = std::make_unique<PollWatcher>(std::move(onChange));
    }

private:
    std::unique_ptr<PollWatcher> m_poll;
};

} // namespace

std::unique_ptr<PlatformSupport> makePlatformSupport()
{
    return std::make_unique<PollPlatform>();
}

} // namespace orvex::hid

// Linux: report descriptors from sysfs, string descriptor 5 through libusb, arrival and
// removal from udev (polling when no udev monitor can be opened).
#include "hid/hidapi/device_listing.h"
#include "hid/hidapi/platform_support.h"
#include "hid/hidapi/poll_watcher.h"
#include "hid/linux/sysfs_paths.h"
#include "hid/linux/udev_watcher.h"
#include "hid/linux/usb_strings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvex::hid {

namespace {

constexpr char kSysRoot[] = "/sys";

/// Why the node at `path` cannot be opened for reading and writing: an errno value, 0 when it
/// can (hidapi keeps no reliable errno of its own failure).
int openFailure(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

bool isPermissionError(int error)
{
    return error == EACCES || error == EPERM;
}

class LinuxPlatform final : public PlatformSupport {
public:
    std::vector<std::uint8_t> reportDescriptor(const std::string& path, hid_device*) override
    {
        return linux_sysfs::reportDescriptor(kSysRoot, path);
    }

    std::string stringDescriptor5(const std::string& path, hid_device*) override
    {
        const auto location = linux_sysfs::usbLocation(kSysRoot, path);
        return location ? m_usb.read(*location, 5) : std::string();
    }

    std::string openErrorText(const std::string& path) override
    {
        const int error = openFailure(path);
        if (isPermissionError(error))
            return noPermissionText(path);
        if (error == 0)
            return "Cannot open " + path + ".";
        return "Cannot open " + path + ": " + std::strerror(error) + ".";
    }

    bool lacksPermission(const std::string& path) override { return isPermissionError(openFailure(path)); }

    void watch(std::function<void()> onChange) override
    {
        m_udev = std::make_unique<UdevWatcher>(onChange);
        if (!m_udev->ok()) {
            m_udev.reset();
            m_poll = std::make_unique<PollWatcher>(std::move(onChange));
        }
    }

private:
    UsbStrings m_usb;
    std::unique_ptr<UdevWatcher> m_udev;
    std::unique_ptr<PollWatcher> m_poll;
};

} // namespace

std::unique_ptr<PlatformSupport> makePlatformSupport()
{
    return std::make_unique<LinuxPlatform>();
}

} // namespace orvex::hid

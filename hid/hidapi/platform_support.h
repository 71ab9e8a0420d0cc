#pragma once
// What the hidapi backend needs from the operating system beyond hidapi itself: the report
// descriptor (hidapi 0.13 cannot give the feature report length), string descriptor 5, a plain
// reason when a device cannot be opened, and arrival and removal notices. One implementation
// per platform, chosen by CMake: hid/linux (sysfs, libusb, udev) or hid/poll (hidapi only,
// enumeration polled).
#include <hidapi.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvex::hid {

class PlatformSupport {
public:
    virtual ~PlatformSupport() = default;

    /// The HID report descriptor of the device at `path`; `opened` is its hidapi handle or
    /// null. Empty when it cannot be read.
    virtual std::vector<std::uint8_t> reportDescriptor(const std::string& path, hid_device* opened) = 0;
    /// String descriptor 5 as text; empty when absent or unreadable.
    virtual std::string stringDescriptor5(const std::string& path, hid_device* opened) = 0;
    /// A plain sentence saying why hid_open_path failed for `path` and how to fix it.
    virtual std::string openErrorText(const std::string& path) = 0;
    /// True when the failure to open `path` is a missing permission, which the system may
    /// still grant shortly after the device arrived.
    virtual bool lacksPermission(const std::string& path) = 0;
    /// Starts arrival and removal notices; `onChange` runs from the event loop. Called once.
    virtual void watch(std::function<void()> onChange) = 0;
};

/// The implementation of the platform the program was built for.
std::unique_ptr<PlatformSupport> makePlatformSupport();

} // namespace orvex::hid

#pragma once
// String descriptors of USB devices through libusb. hidraw can only give the product,
// manufacturer and serial strings, not a string by its index; libusb can read any of them from
// the device's control endpoint without claiming an interface, where the user may open the
// USB device (the shipped udev rule grants that for the boards).
#include "hid/linux/sysfs_paths.h"

#include <string>

struct libusb_context;

namespace orvex::hid {

class UsbStrings {
public:
    UsbStrings();
    ~UsbStrings();
    UsbStrings(const UsbStrings&) = delete;
    UsbStrings& operator=(const UsbStrings&) = delete;

    /// String descriptor `index` of the USB device at `location`, in ASCII (other characters
    /// read as '?'); empty when libusb is unavailable, the device cannot be opened or has no
    /// such string.
    std::string read(const linux_sysfs::UsbLocation& location, std::uint8_t index);

private:
    libusb_context* m_context = nullptr;
};

} // namespace orvex::hid

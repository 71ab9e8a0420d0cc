#pragma once
// Where sysfs keeps what hidraw cannot give: the report descriptor of a hidraw node and the
// USB device it belongs to. Reading sysfs needs no permission on the device node. The sysfs
// root is a parameter so that tests can point it at a folder of their own.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvex::hid::linux_sysfs {

/// The USB device behind a hidraw node: bus number and device address, as libusb numbers them.
struct UsbLocation {
    std::uint8_t bus = 0;
    std::uint8_t address = 0;
};

/// "hidraw3" for "/dev/hidraw3"; empty when `devicePath` is no hidraw node.
std::string hidrawName(const std::string& devicePath);

/// The report descriptor of the node at `devicePath` from
/// <sysRoot>/class/hidraw/<name>/device/report_descriptor; empty when it cannot be read.
std::vector<std::uint8_t> reportDescriptor(const std::filesystem::path& sysRoot, const std::string& devicePath);

/// The USB device the node belongs to, from the sysfs folders of its USB interface and USB
/// device. None for a node that is not on USB (Bluetooth, I2C, uhid).
std::optional<UsbLocation> usbLocation(const std::filesystem::path& sysRoot, const std::string& devicePath);

} // namespace orvex::hid::linux_sysfs

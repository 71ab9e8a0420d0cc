#pragma once
// Plain helpers of the hidapi backend, kept apart from hidapi so that they can be tested
// without devices: one entry per device path, text conversion, the device description.
#include <cstdint>
#include <string>
#include <vector>

namespace orvex::hid {

/// One entry of the system's HID device list, as hidapi reports it.
struct ListedDevice {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
    std::string productName; ///< UTF-8
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

/// Keeps the first entry of each path, in order. Linux lists a device once per top-level
/// collection of its report descriptor, all with the same path; the tool lists it once.
std::vector<ListedDevice> onePerPath(std::vector<ListedDevice> entries);

/// UTF-8 text of a wide string as hidapi returns it (UTF-32 or UTF-16, by the size of
/// wchar_t); null gives an empty text, invalid code points become U+FFFD.
std::string utf8FromWide(const wchar_t* text);

/// How the system names a device by the usage of its first top-level collection, e.g.
/// "HID-compliant game controller".
std::string describeUsage(std::uint16_t usagePage, std::uint16_t usage);

/// The file that gives the logged-in user access to the boards.
inline constexpr char kUdevRuleFile[] = "packaging/70-orvex-device-config.rules";

/// The sentence shown for a board the user may not open.
std::string noPermissionText(const std::string& path);

} // namespace orvex::hid

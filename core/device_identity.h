#pragma once
// Which devices the tool lists, how a list line reads, and which family (device kind) a selected
// device belongs to. All of the maker's boards share one vendor ID; the product ID tells the
// family, and a board without a feature report cannot be configured at all.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

inline constexpr std::uint16_t kOrvexVendorId = 0x7A5C;

/// Device kinds as identification assigns them; the other kinds of the kind list are never
/// assigned.
inline constexpr int kDeviceKindUnknown = 0;
inline constexpr int kDeviceKindFalconet = 2;
inline constexpr int kDeviceKindKestrel32 = 6;

/// The device-kind list, in item order: a kind is its index here.
inline constexpr std::array<std::string_view, 9> kDeviceKindNames = {
    "Unknown device", "Orvex Stride Rudder", "Orvex Falconet controller",
    "Tessel Throttle v1", "Pointlet", "Rovix",
    "Orvex Kestrel32", "Zwirl", "Keyslate"};

/// True when the device goes into the device list: the maker's vendor ID and a product ID on
/// the accepted list (0x0100, 0x0109, 0x0111..0x011F, 0x1800, 0x2003, 0x3002 and the boot
/// loaders 0x0912, 0x0913, 0x0915).
bool isListedDevice(std::uint16_t vendorId, std::uint16_t productId);

/// True for the maker's boot loader product IDs.
bool isBootloader(std::uint16_t vendorId, std::uint16_t productId);

/// "MM.mm": the major (high) and minor (low) byte of a version number as two upper-case
/// hexadecimal digits each.
std::string versionText(std::uint16_t version);

/// Text of a device list line: the product name, with " v MM.mm" when the version is not 0;
/// "Device VID=%04X PID=%04X" when the product name is empty.
std::string deviceLineText(std::string_view productName, std::uint16_t vendorId,
                           std::uint16_t productId, std::uint16_t version);

/// The device kind of a selected device; the first matching rule wins. A board without a
/// feature report (`featureLength` 0) is of kind 0.
int identifyDeviceKind(std::uint16_t vendorId, std::uint16_t productId, std::uint32_t featureLength);

/// True when string descriptor 5 marks the PRO edition of a board (contains "PRO").
bool descriptorMarksPro(std::string_view descriptor5);

/// The name shown for the selected device: the kind's product name (with "(PRO)" for a PRO
/// Kestrel32 board), "Orvex-Bootloader" for an unrecognised boot loader, else "Unknown device".
std::string deviceLabel(int kind, bool isPro, std::uint16_t vendorId, std::uint16_t productId);

} // namespace orvex

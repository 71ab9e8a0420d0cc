#include "core/device_identity.h"

#include <cstdio>

namespace orvex {

namespace {

struct ProductRange {
    std::uint16_t first;
    std::uint16_t last;
};

// 0x0110 and 0x0120 are left out of the list on purpose: those product IDs belong to boards
// that must not be offered, although identification would take them as Kestrel32 boards.
constexpr ProductRange kListedProducts[] = {
    {0x0100, 0x0100}, {0x0109, 0x0109}, {0x0111, 0x011F}, {0x1800, 0x1800}, {0x2003, 0x2003},
    {0x3002, 0x3002}, {0x0912, 0x0912}, {0x0913, 0x0913}, {0x0915, 0x0915}};

constexpr std::uint16_t kBootloaderProducts[] = {0x0912, 0x0913, 0x0915};

constexpr std::uint16_t kFalconetProduct = 0x0109;
constexpr ProductRange kKestrel32Products = {0x0110, 0x0120};

std::string hexByte(unsigned value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
    return text;
}

} // namespace

bool isListedDevice(std::uint16_t vendorId, std::uint16_t productId)
{
    if (vendorId != kOrvexVendorId)
        return false;
    for (const ProductRange& range : kListedProducts) {
        if (productId >= range.first && productId <= range.last)
            return true;
    }
    return false;
}

bool isBootloader(std::uint16_t vendorId, std::uint16_t productId)
{
    if (vendorId != kOrvexVendorId)
        return false;
    for (std::uint16_t product : kBootloaderProducts) {
        if (productId == product)
            return true;
    }
    return false;
}

std::string versionText(std::uint16_t version)
{
    return hexByte(version >> 8) + "." + hexByte(version);
}

std::string deviceLineText(std::string_view productName, std::uint16_t vendorId,
                           std::uint16_t productId, std::uint16_t version)
{
    if (productName.empty()) {
        char text[32];
        std::snprintf(text, sizeof text, "Device VID=%04X PID=%04X", unsigned{vendorId},
                      unsigned{productId});
        return text;
    }
    std::string line(productName);
    if (version != 0)
        line += " v " + versionText(version);
    return line;
}

int identifyDeviceKind(std::uint16_t vendorId, std::uint16_t productId, std::uint32_t featureLength)
{
    if (vendorId != kOrvexVendorId || featureLength == 0)
        return kDeviceKindUnknown;
    if (productId == kFalconetProduct)
        return kDeviceKindFalconet;
    if (productId >= kKestrel32Products.first && productId <= kKestrel32Products.last)
        return kDeviceKindKestrel32;
    return kDeviceKindUnknown;
}

bool descriptorMarksPro(std::string_view descriptor5)
{
    return descriptor5.find("PRO") != std::string_view::npos;
}

std::string deviceLabel(int kind, bool isPro, std::uint16_t vendorId, std::uint16_t productId)
{
    switch (kind) {
    case kDeviceKindFalconet:
        return "Orvex Falconet controller";
    case kDeviceKindKestrel32:
        return isPro ? "Orvex Kestrel32 device(PRO)" : "Orvex Kestrel32 device";
    default:
        return isBootloader(vendorId, productId) ? "Orvex-Bootloader" : "Unknown device";
    }
}

} // namespace orvex

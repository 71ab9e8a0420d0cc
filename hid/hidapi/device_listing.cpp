#include "hid/hidapi/device_listing.h"

#include <algorithm>
#include <set>

namespace orvex::hid {

std::vector<ListedDevice> onePerPath(std::vector<ListedDevice> entries)
{
    std::set<std::string> seen;
    std::vector<ListedDevice> kept;
    for (auto& entry : entries) {
        if (seen.insert(entry.path).second)
            kept.push_back(std::move(entry));
    }
    return kept;
}

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string utf8FromWide(const wchar_t* text)
{
    std::string out;
    if (text == nullptr)
        return out;
    for (const wchar_t* p = text; *p != 0; ++p) {
        auto c = static_cast<char32_t>(*p);
        if constexpr (sizeof(wchar_t) == 2) {
            // UTF-16: join a surrogate pair; a lone surrogate becomes U+FFFD.
            if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
                ++p;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string describeUsage(std::uint16_t usagePage, std::uint16_t usage)
{
    struct Name {
        std::uint16_t page, usage;
        const char* text;
    };
    // Generic Desktop usages of the devices a user may plug in next to a board.
    static constexpr Name kNames[] = {
        {0x01, 0x02, "HID-compliant mouse"},
        {0x01, 0x04, "HID-compliant joystick"},
        {0x01, 0x05, "HID-compliant game controller"},
        {0x01, 0x06, "HID-compliant keyboard"},
        {0x01, 0x08, "HID-compliant multi-axis controller"},
        {0x0C, 0x01, "HID-compliant consumer control device"},
    };
    const auto* found = std::find_if(std::begin(kNames), std::end(kNames), [&](const Name& n) {
        return n.page == usagePage && n.usage == usage;
    });
    if (found != std::end(kNames))
        return found->text;
    return usagePage >= 0xFF00 ? "HID-compliant vendor-defined device" : "HID-compliant device";
}

std::string noPermissionText(const std::string& path)
{
    return "No permission to open " + path + ": install " + kUdevRuleFile +
           " as described in packaging/README.md, then plug the board in again.";
}

} // namespace orvex::hid

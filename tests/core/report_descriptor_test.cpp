#include "core/report_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvex {
namespace {

// The boot keyboard descriptor printed in the USB Device Class Definition for HID 1.11
// (Appendix B.1 and the keyboard example of Appendix E.6), byte for byte. No report IDs:
// 8 input bytes (modifiers, reserved byte, six key codes) and one output byte (five LEDs and
// padding).
const std::vector<std::uint8_t> kBootKeyboard{
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01,
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06,
    0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};

// A game pad written by hand from the item encodings of HID 1.11 section 6.2.2 and the game
// pad usages of the HID Usage Tables, laid out the way the Orvex boards declare themselves:
// collection 1 is a game pad (usage 1:5) with input report 1 (X, Y as 16 bits, 12 buttons,
// 4 padding bits: 6 bytes) and a vendor feature report 2 of 7 bytes; collection 2 is vendor
// defined (usage FF00:1) with feature and output report 0x59 of 63 bytes each.
const std::vector<std::uint8_t> kGamePadWithFeatures{
    0x05, 0x01, 0x09, 0x05, 0xA1, 0x01,                    // Generic Desktop, Game Pad, Collection
    0x85, 0x01, 0x09, 0x30, 0x09, 0x31,                    // Report ID 1, X, Y
    0x16, 0x00, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x02, // 2 x 16 bits
    0x05, 0x09, 0x19, 0x01, 0x29, 0x0C, 0x15, 0x00, 0x25, 0x01,             // Buttons 1..12
    0x75, 0x01, 0x95, 0x0C, 0x81, 0x02, 0x95, 0x04, 0x81, 0x03,             // 12 bits, 4 padding
    0x85, 0x02, 0x06, 0x00, 0xFF, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, // Report ID 2, vendor
    0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xC0,                               // Feature 7 bytes
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x59,                   // vendor collection, ID 0x59
    0x09, 0x02, 0x75, 0x08, 0x95, 0x3F, 0xB1, 0x02,                         // Feature 63 bytes
    0x09, 0x03, 0x91, 0x02, 0xC0};                                          // Output 63 bytes

// Written by hand to exercise Push and Pop (HID 1.11 section 6.2.2.7) and a long item (section
// 6.2.2.3): a joystick without report IDs whose feature report is 3 bits declared under pushed
// globals, then, after Pop restores Report Size 8 and Count 4 and a long item is skipped,
// 32 more bits: 35 bits, 5 bytes. Its input report is 4 bytes.
const std::vector<std::uint8_t> kPushPopLongItem{
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x04,
    0xA4, 0x75, 0x01, 0x95, 0x03, 0xB1, 0x02, 0xB4,
    0xFE, 0x02, 0x10, 0xAA, 0xBB,
    0xB1, 0x02, 0x81, 0x02, 0xC0};

TEST(ReportDescriptor, BootKeyboardHasNoFeatureReport)
{
    const auto summary = parseReportDescriptor(kBootKeyboard);
    ASSERT_FALSE(summary.malformed);
    ASSERT_EQ(summary.collections.size(), 1u);
    const auto& c = summary.collections[0];
    EXPECT_EQ(c.usagePage, 0x01);
    EXPECT_EQ(c.usage, 0x06);
    EXPECT_EQ(c.inputReportByteLength, 9) << "8 bytes and the report ID byte, also without IDs";
    EXPECT_EQ(c.outputReportByteLength, 2);
    EXPECT_EQ(summary.featureReportByteLength(), 0);
    EXPECT_FALSE(summary.usesReportIds);
}

TEST(ReportDescriptor, LargestFeatureReportOfAllCollectionsWithReportIds)
{
    const auto summary = parseReportDescriptor(kGamePadWithFeatures);
    ASSERT_FALSE(summary.malformed);
    EXPECT_TRUE(summary.usesReportIds);
    ASSERT_EQ(summary.collections.size(), 2u);
    const auto& pad = summary.collections[0];
    EXPECT_EQ(pad.usagePage, 0x01);
    EXPECT_EQ(pad.usage, 0x05);
    EXPECT_EQ(pad.inputReportByteLength, 7);
    EXPECT_EQ(pad.featureReportByteLength, 8);
    const auto& vendor = summary.collections[1];
    EXPECT_EQ(vendor.usagePage, 0xFF00);
    EXPECT_EQ(vendor.usage, 0x01);
    EXPECT_EQ(vendor.featureReportByteLength, 64);
    EXPECT_EQ(vendor.outputReportByteLength, 64);
    EXPECT_EQ(vendor.inputReportByteLength, 0);
    EXPECT_EQ(summary.featureReportByteLength(), 64);
}

TEST(ReportDescriptor, PopRestoresGlobalsAndLongItemsAreSkipped)
{
    const auto summary = parseReportDescriptor(kPushPopLongItem);
    ASSERT_FALSE(summary.malformed);
    ASSERT_EQ(summary.collections.size(), 1u);
    EXPECT_EQ(summary.collections[0].featureReportByteLength, 6);
    EXPECT_EQ(summary.collections[0].inputReportByteLength, 5);
}

TEST(ReportDescriptor, DamagedDescriptorsAreFlagged)
{
    const std::vector<std::uint8_t> keyboardCut(kBootKeyboard.begin(), kBootKeyboard.end() - 1);
    const std::vector<std::uint8_t> longItemCut(kPushPopLongItem.begin(), kPushPopLongItem.begin() + 21);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"item cut short", {0x05, 0x01, 0x26, 0xFF}},
        {"long item cut short", longItemCut},
        {"collection never closed", keyboardCut},
        {"end without collection", {0xC0}},
        {"pop without push", {0xB4}},
        {"report ID 0", {0xA1, 0x01, 0x85, 0x00, 0xC0}},
        {"report past 65535 bytes", {0xA1, 0x01, 0x75, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0x00, 0xB1, 0x02, 0xC0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(parseReportDescriptor(c.bytes).malformed);
    }
    EXPECT_EQ(parseReportDescriptor(keyboardCut).collections[0].inputReportByteLength, 9)
        << "what came before the damage is kept";
    EXPECT_FALSE(parseReportDescriptor({}).malformed);
}

} // namespace
} // namespace orvex

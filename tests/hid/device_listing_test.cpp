#include "hid/hidapi/device_listing.h"

#include <gtest/gtest.h>

namespace orvex::hid {
namespace {

TEST(DeviceListing, EachPathIsListedOnceInOrder)
{
    // hidraw lists a board with a game pad and a vendor collection twice, same path.
    const std::vector<ListedDevice> entries{
        {"/dev/hidraw2", 0x7A5C, 0x0109, 0x0105, "Orvex Falconet", 0x01, 0x05},
        {"/dev/hidraw1", 0x046D, 0xC52B, 0x1201, "Receiver", 0x01, 0x02},
        {"/dev/hidraw2", 0x7A5C, 0x0109, 0x0105, "Orvex Falconet", 0xFF00, 0x01},
    };
    const auto listed = onePerPath(entries);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].path, "/dev/hidraw2");
    EXPECT_EQ(listed[0].usagePage, 0x01) << "the first collection names the device";
    EXPECT_EQ(listed[1].path, "/dev/hidraw1");
}

TEST(DeviceListing, WideTextBecomesUtf8)
{
    EXPECT_EQ(utf8FromWide(nullptr), "");
    EXPECT_EQ(utf8FromWide(L"Orvex"), "Orvex");
    EXPECT_EQ(utf8FromWide(L"\u0416\u00e9\u20ac"), "\xD0\x96\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(utf8FromWide(L"\U0001F3AE"), "\xF0\x9F\x8E\xAE");
}

TEST(DeviceListing, DescriptionFollowsTheUsageOfTheFirstCollection)
{
    EXPECT_EQ(describeUsage(0x01, 0x05), "HID-compliant game controller");
    EXPECT_EQ(describeUsage(0x01, 0x04), "HID-compliant joystick");
    EXPECT_EQ(describeUsage(0xFF00, 0x01), "HID-compliant vendor-defined device");
    EXPECT_EQ(describeUsage(0x0D, 0x04), "HID-compliant device");
}

TEST(DeviceListing, NoPermissionSaysHowToFixIt)
{
    const std::string text = noPermissionText("/dev/hidraw3");
    EXPECT_NE(text.find("No permission to open /dev/hidraw3"), std::string::npos);
    EXPECT_NE(text.find(kUdevRuleFile), std::string::npos);
}

} // namespace
} // namespace orvex::hid

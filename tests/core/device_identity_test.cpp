#include "core/device_identity.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(DeviceIdentity, ListingAcceptsTheMakersProductListOnly)
{
    struct Case {
        std::uint16_t vendor, product;
        bool listed;
    };
    const Case cases[] = {
        {0x7A5C, 0x0100, true},  {0x7A5C, 0x0109, true},  {0x7A5C, 0x0111, true},
        {0x7A5C, 0x0115, true},  {0x7A5C, 0x011F, true},  {0x7A5C, 0x1800, true},
        {0x7A5C, 0x2003, true},  {0x7A5C, 0x3002, true},  {0x7A5C, 0x0912, true},
        {0x7A5C, 0x0913, true},  {0x7A5C, 0x0915, true},  {0x7A5C, 0x0110, false},
        {0x7A5C, 0x0120, false}, {0x7A5C, 0x0914, false}, {0x7A5C, 0x0108, false},
        {0x7A5C, 0x0000, false}, {0x7A5D, 0x0109, false}, {0x0000, 0x0115, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isListedDevice(c.vendor, c.product), c.listed) << std::hex << c.vendor << ":" << c.product;
}

TEST(DeviceIdentity, LineTextNamesTheDeviceAndItsVersion)
{
    EXPECT_EQ(deviceLineText("X", 0x7A5C, 0x0109, 0x0105), "X v 01.05");
    EXPECT_EQ(deviceLineText("X", 0x7A5C, 0x0109, 0x0000), "X");
    EXPECT_EQ(deviceLineText("Board", 0x7A5C, 0x0109, 0xAB0C), "Board v AB.0C");
    EXPECT_EQ(deviceLineText("", 0x7A5C, 0x0912, 0x0100), "Device VID=7A5C PID=0912");
    EXPECT_EQ(deviceLineText("", 0x00AB, 0x000C, 0), "Device VID=00AB PID=000C");
    EXPECT_EQ(versionText(0x0123), "01.23");
}

TEST(DeviceIdentity, FirstMatchingRuleDecidesTheKind)
{
    struct Case {
        std::uint16_t vendor, product;
        std::uint32_t featureLength;
        int kind;
    };
    const Case cases[] = {
        {0x7A5C, 0x0109, 64, kDeviceKindFalconet},
        {0x7A5C, 0x0109, 0, kDeviceKindUnknown},
        {0x7A5C, 0x0110, 128, kDeviceKindKestrel32}, // identified, although never listed
        {0x7A5C, 0x0115, 1, kDeviceKindKestrel32},
        {0x7A5C, 0x0120, 128, kDeviceKindKestrel32},
        {0x7A5C, 0x0115, 0, kDeviceKindUnknown},
        {0x7A5C, 0x0121, 128, kDeviceKindUnknown},
        {0x7A5C, 0x0100, 64, kDeviceKindUnknown},
        {0x7A5C, 0x0912, 64, kDeviceKindUnknown},
        {0x1234, 0x0109, 64, kDeviceKindUnknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(identifyDeviceKind(c.vendor, c.product, c.featureLength), c.kind)
            << std::hex << c.vendor << ":" << c.product << " length " << std::dec << c.featureLength;
}

TEST(DeviceIdentity, LabelsFollowKindProEditionAndBootLoader)
{
    EXPECT_EQ(deviceLabel(kDeviceKindFalconet, true, 0x7A5C, 0x0109), "Orvex Falconet controller");
    EXPECT_EQ(deviceLabel(kDeviceKindKestrel32, false, 0x7A5C, 0x0115), "Orvex Kestrel32 device");
    EXPECT_EQ(deviceLabel(kDeviceKindKestrel32, true, 0x7A5C, 0x0115), "Orvex Kestrel32 device(PRO)");
    for (std::uint16_t loader : {0x0912, 0x0913, 0x0915})
        EXPECT_EQ(deviceLabel(kDeviceKindUnknown, false, 0x7A5C, loader), "Orvex-Bootloader");
    EXPECT_EQ(deviceLabel(kDeviceKindUnknown, false, 0x7A5C, 0x0100), "Unknown device");
    EXPECT_EQ(deviceLabel(kDeviceKindUnknown, false, 0x1234, 0x0912), "Unknown device");
    EXPECT_TRUE(descriptorMarksPro("Kestrel32 PRO"));
    EXPECT_TRUE(descriptorMarksPro("PROTO"));
    EXPECT_FALSE(descriptorMarksPro("Kestrel32 pro"));
    EXPECT_FALSE(descriptorMarksPro(""));
}

} // namespace
} // namespace orvex

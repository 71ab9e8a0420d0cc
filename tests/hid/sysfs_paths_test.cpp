// The sysfs lookups of the Linux backend, against a folder laid out like /sys.
#ifdef ORVEX_HID_PLATFORM_LINUX
#include "hid/linux/sysfs_paths.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace orvex::hid::linux_sysfs {
namespace {

namespace fs = std::filesystem;

/// A sysfs tree with the hidraw nodes of a USB board (hidraw3, bus 1 address 7) and of a
/// Bluetooth game pad on a USB radio (hidraw4), linked in as the kernel links them.
class FakeSysfs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const fs::path usbDevice = root / "devices/pci0000:00/0000:00:14.0/usb1/1-2";
        const fs::path hid = addHidraw("hidraw3", usbDevice / "1-2:1.0" / "0003:7A5C:0109.0001");
        write(usbDevice / "busnum", "1\n");
        write(usbDevice / "devnum", "7\n");
        write(usbDevice / "1-2:1.0" / "bInterfaceNumber", "00\n");
        write(hid / "report_descriptor", std::string("\x05\x01\x09\x05", 4));

        const fs::path radio = root / "devices/pci0000:00/0000:00:14.0/usb1/1-5";
        write(radio / "busnum", "1\n");
        write(radio / "devnum", "3\n");
        write(radio / "1-5:1.0" / "bInterfaceNumber", "00\n");
        addHidraw("hidraw4", radio / "1-5:1.0/bluetooth/hci0/hci0:256/0005:054C:09CC.0002");
    }

    fs::path addHidraw(const std::string& name, const fs::path& hidDevice)
    {
        const fs::path node = hidDevice / "hidraw" / name;
        fs::create_directories(node);
        fs::create_directories(root / "class/hidraw");
        fs::create_directory_symlink(node, root / "class/hidraw" / name);
        fs::create_directory_symlink(fs::path("../../..") / hidDevice.filename(), node / "device");
        return hidDevice;
    }

    static void write(const fs::path& file, const std::string& text)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

    QTemporaryDir dir;
    fs::path root = fs::path(dir.path().toStdString()) / "sys";
};

TEST(SysfsPaths, OnlyHidrawNodesHaveAName)
{
    EXPECT_EQ(hidrawName("/dev/hidraw3"), "hidraw3");
    EXPECT_EQ(hidrawName("/dev/hidraw12"), "hidraw12");
    EXPECT_EQ(hidrawName("/dev/hidraw"), "");
    EXPECT_EQ(hidrawName("/dev/hidraw3x"), "");
    EXPECT_EQ(hidrawName("/dev/usb/hiddev0"), "");
    EXPECT_EQ(hidrawName("emulated:falconet-1"), "");
}

TEST_F(FakeSysfs, ReportDescriptorComesFromTheNodesDeviceFolder)
{
    EXPECT_EQ(reportDescriptor(root, "/dev/hidraw3"), (std::vector<std::uint8_t>{0x05, 0x01, 0x09, 0x05}));
    EXPECT_TRUE(reportDescriptor(root, "/dev/hidraw9").empty());
    EXPECT_TRUE(reportDescriptor(root, "/dev/hidraw4").empty());
}

TEST_F(FakeSysfs, UsbDeviceIsFoundThroughItsInterface)
{
    const auto board = usbLocation(root, "/dev/hidraw3");
    ASSERT_TRUE(board.has_value());
    EXPECT_EQ(board->bus, 1);
    EXPECT_EQ(board->address, 7);
    EXPECT_FALSE(usbLocation(root, "/dev/hidraw4").has_value())
        << "a Bluetooth device is not its USB radio";
    EXPECT_FALSE(usbLocation(root, "/dev/hidraw9").has_value());
}

} // namespace
} // namespace orvex::hid::linux_sysfs
#endif

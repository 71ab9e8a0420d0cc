#include "hid/linux/sysfs_paths.h"

#include <fstream>
#include <iterator>

namespace orvex::hid::linux_sysfs {

namespace fs = std::filesystem;

namespace {

constexpr char kHidrawPrefix[] = "hidraw";
/// The kernel caps report descriptors at 4096 bytes (HID_MAX_DESCRIPTOR_SIZE).
constexpr std::size_t kMaxDescriptorSize = 4096;

std::optional<unsigned> readNumber(const fs::path& file)
{
    std::ifstream in(file);
    unsigned value = 0;
    if (!(in >> value))
        return std::nullopt;
    return value;
}

fs::path hidDeviceFolder(const fs::path& sysRoot, const std::string& name)
{
    return sysRoot / "class" / "hidraw" / name / "device";
}

} // namespace

std::string hidrawName(const std::string& devicePath)
{
    const std::string name = fs::path(devicePath).filename().string();
    if (name.size() <= sizeof(kHidrawPrefix) - 1 || name.rfind(kHidrawPrefix, 0) != 0)
        return {};
    for (std::size_t i = sizeof(kHidrawPrefix) - 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return {};
    }
    return name;
}

std::vector<std::uint8_t> reportDescriptor(const fs::path& sysRoot, const std::string& devicePath)
{
    const std::string name = hidrawName(devicePath);
    if (name.empty())
        return {};
    std::ifstream in(hidDeviceFolder(sysRoot, name) / "report_descriptor", std::ios::binary);
    if (!in)
        return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kMaxDescriptorSize);
    std::istreambuf_iterator<char> it(in), end;
    for (; it != end && bytes.size() < kMaxDescriptorSize; ++it)
        bytes.push_back(static_cast<std::uint8_t>(*it));
    return bytes;
}

std::optional<UsbLocation> usbLocation(const fs::path& sysRoot, const std::string& devicePath)
{
    const std::string name = hidrawName(devicePath);
    if (name.empty())
        return std::nullopt;
    // A USB HID device's folder lies in the folder of its USB interface (which has
    // bInterfaceNumber), which lies in the folder of the USB device (busnum, devnum). Checking
    // the interface keeps a Bluetooth board from being taken for its USB radio adapter.
    std::error_code error;
    const fs::path hidDevice = fs::canonical(hidDeviceFolder(sysRoot, name), error);
    if (error)
        return std::nullopt;
    const fs::path interface = hidDevice.parent_path();
    if (!fs::exists(interface / "bInterfaceNumber", error))
        return std::nullopt;
    const fs::path usbDevice = interface.parent_path();
    const auto bus = readNumber(usbDevice / "busnum");
    const auto address = readNumber(usbDevice / "devnum");
    if (bus && address)
        return UsbLocation{static_cast<std::uint8_t>(*bus), static_cast<std::uint8_t>(*address)};
    return std::nullopt;
}

} // namespace orvex::hid::linux_sysfs

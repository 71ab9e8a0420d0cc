#include "hid/linux/usb_strings.h"

#include <libusb.h>

#include <array>

namespace orvex::hid {

UsbStrings::UsbStrings()
{
    if (libusb_init(&m_context) != 0)
        m_context = nullptr;
}

UsbStrings::~UsbStrings()
{
    if (m_context != nullptr)
        libusb_exit(m_context);
}

std::string UsbStrings::read(const linux_sysfs::UsbLocation& location, std::uint8_t index)
{
    if (m_context == nullptr)
        return {};
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &list);
    std::string text;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device* device = list[i];
        if (libusb_get_bus_number(device) != location.bus || libusb_get_device_address(device) != location.address)
            continue;
        libusb_device_handle* handle = nullptr;
        if (libusb_open(device, &handle) == 0) {
            std::array<unsigned char, 256> buffer{};
            const int length = libusb_get_string_descriptor_ascii(handle, index, buffer.data(),
                                                                  static_cast<int>(buffer.size()));
            if (length > 0)
                text.assign(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(length));
            libusb_close(handle);
        }
        break;
    }
    if (list != nullptr)
        libusb_free_device_list(list, 1);
    return text;
}

} // namespace orvex::hid

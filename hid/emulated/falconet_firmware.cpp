#include "hid/emulated/falconet_firmware.h"

#include "core/block_frames.h"
#include "core/image_layout.h"

#include <algorithm>

namespace orvex::hid {

namespace {
constexpr std::uint8_t kWriteButtons = 18;
constexpr std::uint8_t kReadButtons = 19;
} // namespace

FalconetFirmware::FalconetFirmware(const Clock& clock)
    : BlockFirmware(kRecognisedReportId, kFalconetImageSize, clock)
{
    static_assert(kButtonMemorySize == std::tuple_size_v<decltype(m_buttons)>);
}

std::optional<std::vector<std::uint8_t>> FalconetFirmware::readData(std::uint8_t command, std::uint16_t address,
                                                                    std::uint16_t length)
{
    if (command != kReadButtons)
        return readParameters(command, address, length);
    if (address >= m_buttons.size())
        return std::nullopt;
    const std::size_t count = std::min<std::size_t>(length, m_buttons.size() - address);
    return std::vector<std::uint8_t>(m_buttons.begin() + address,
                                     m_buttons.begin() + static_cast<std::ptrdiff_t>(address + count));
}

bool FalconetFirmware::writeData(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data)
{
    if (command != kWriteButtons)
        return writeParameters(command, address, data);
    if (address + data.size() > m_buttons.size())
        return false;
    std::copy(data.begin(), data.end(), m_buttons.begin() + address);
    return true;
}

ShortCommandRecord FalconetFirmware::interpretShortCommand(std::span<const std::uint8_t> report)
{
    return {report[3], report[3], false, true};
}

} // namespace orvex::hid

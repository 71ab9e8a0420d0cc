#pragma once
// Firmware of the emulated Falconet controller: a 144-byte parameter block in non-volatile
// memory and RAM, and a separate 512-byte button memory (physical block at 0, logical at 256).
// No cipher: commands 5/6 read and 7/8 write the parameter block, 18 writes and 19 reads the
// button memory; short commands are plain.
#include "hid/emulated/block_firmware.h"

#include <array>

namespace orvex::hid {

class FalconetFirmware final : public BlockFirmware {
public:
    /// A board with all memories cleared; `clock` must outlive it.
    explicit FalconetFirmware(const Clock& clock);

    std::array<std::uint8_t, 512>& buttonMemory() { return m_buttons; }

private:
    std::optional<std::vector<std::uint8_t>> readData(std::uint8_t command, std::uint16_t address,
                                                      std::uint16_t length) override;
    bool writeData(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data) override;
    ShortCommandRecord interpretShortCommand(std::span<const std::uint8_t> report) override;

    std::array<std::uint8_t, 512> m_buttons{};
};

} // namespace orvex::hid

#pragma once
// Firmware of the emulated Kestrel32 board: a 1024-byte parameter block in flash and RAM that
// also holds the button blocks, the processor identifier reply (command 10) that carries the
// seed of the board's transfer key, and the RC4 transfer cipher: commands with 0x20 added
// (0x25/0x26 read, 0x27/0x28 write) carry enciphered data, and short commands come enciphered
// with the transfer key inside, which the board checks.
#include "core/transfer_key.h"
#include "hid/emulated/block_firmware.h"

#include <array>

namespace orvex::hid {

class Kestrel32Firmware final : public BlockFirmware {
public:
    using Seed = std::array<std::uint8_t, kTransferKeySize>;

    /// A board with cleared memories whose identifier reply carries `seed` at bytes 88..103.
    /// `clock` must outlive it.
    Kestrel32Firmware(const Clock& clock, const Seed& seed);

    /// The key the tool derives from the identifier reply, as the board knows it.
    const std::array<std::uint8_t, kTransferKeySize>& transferKey() const { return m_key; }
    /// The 120-byte processor identifier reply.
    const std::array<std::uint8_t, kCpuIdReplySize>& cpuIdReply() const { return m_cpuId; }

    void onPowerUp() override;

private:
    /// An enciphered read the board answers over several exchanges: the whole range asked for
    /// first is one RC4 stream, so follow-up requests for its rest continue that stream.
    struct ReadStream {
        std::uint8_t command = 0;
        std::uint16_t begin = 0;
        std::uint16_t end = 0;
        std::vector<std::uint8_t> bytes; ///< enciphered [begin, end)
    };

    std::optional<std::vector<std::uint8_t>> readData(std::uint8_t command, std::uint16_t address,
                                                      std::uint16_t length) override;
    bool writeData(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data) override;
    ShortCommandRecord interpretShortCommand(std::span<const std::uint8_t> report) override;

    std::optional<std::vector<std::uint8_t>> readEnciphered(std::uint8_t command, std::uint16_t address,
                                                            std::uint16_t length);
    void applyCipher(std::span<std::uint8_t> data) const;

    std::array<std::uint8_t, kTransferKeySize> m_key{};
    std::array<std::uint8_t, kCpuIdReplySize> m_cpuId{};
    std::optional<ReadStream> m_stream;
};

} // namespace orvex::hid

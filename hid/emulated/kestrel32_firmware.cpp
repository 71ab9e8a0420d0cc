#include "hid/emulated/kestrel32_firmware.h"

#include "core/block_frames.h"
#include "core/image_layout.h"
#include "core/rc4.h"

#include <algorithm>

namespace orvex::hid {

namespace {
constexpr std::uint8_t kReadCpuId = 10;
/// The short commands the board knows: reset, calibration start/end/cancel, boot loader 1 and 2.
constexpr std::array<std::uint8_t, 6> kShortCommands{0, 2, 3, 4, 59, 85};
/// Bytes 0..11 of the identifier reply: the processor's 96-bit unique ID.
constexpr std::size_t kUniqueIdSize = 12;

bool isShortCommand(std::uint8_t code)
{
    return std::find(kShortCommands.begin(), kShortCommands.end(), code) != kShortCommands.end();
}
} // namespace

Kestrel32Firmware::Kestrel32Firmware(const Clock& clock, const Seed& seed)
    : BlockFirmware(kRecognisedReportId, kKestrel32ImageSize, clock), m_key(deriveTransferKey(seed))
{
    for (std::size_t i = 0; i < kUniqueIdSize; ++i)
        m_cpuId[i] = static_cast<std::uint8_t>(seed[i] ^ 0xC3);
    std::copy(seed.begin(), seed.end(), m_cpuId.begin() + kCpuIdSeedOffset);
}

void Kestrel32Firmware::onPowerUp()
{
    BlockFirmware::onPowerUp();
    m_stream.reset();
}

void Kestrel32Firmware::applyCipher(std::span<std::uint8_t> data) const
{
    RC4Crypt(data, std::span<const std::uint8_t>(m_key.data(), kParameterKeyLength));
}

std::optional<std::vector<std::uint8_t>> Kestrel32Firmware::readData(std::uint8_t command, std::uint16_t address,
                                                                     std::uint16_t length)
{
    if (command == kReadCpuId) {
        if (address >= m_cpuId.size())
            return std::nullopt;
        const std::size_t count = std::min<std::size_t>(length, m_cpuId.size() - address);
        return std::vector<std::uint8_t>(m_cpuId.begin() + address,
                                         m_cpuId.begin() + static_cast<std::ptrdiff_t>(address + count));
    }
    if ((command & kCipherFlag) != 0)
        return readEnciphered(command, address, length);
    m_stream.reset();
    return readParameters(command, address, length);
}

std::optional<std::vector<std::uint8_t>> Kestrel32Firmware::readEnciphered(std::uint8_t command, std::uint16_t address,
                                                                           std::uint16_t length)
{
    const bool continues = m_stream && m_stream->command == command && address > m_stream->begin &&
                           address < m_stream->end && address + length == m_stream->end;
    if (!continues) {
        m_stream.reset();
        auto plain = readParameters(static_cast<std::uint8_t>(command & ~kCipherFlag), address, length);
        if (!plain)
            return std::nullopt;
        applyCipher(*plain);
        m_stream = ReadStream{command, address, static_cast<std::uint16_t>(address + plain->size()), std::move(*plain)};
    }
    const auto from = m_stream->bytes.begin() + (address - m_stream->begin);
    return std::vector<std::uint8_t>(from, m_stream->bytes.end());
}

bool Kestrel32Firmware::writeData(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data)
{
    m_stream.reset();
    if ((command & kCipherFlag) == 0)
        return writeParameters(command, address, data);
    // The CRC covered the enciphered bytes; the block is one stream from its first byte.
    std::vector<std::uint8_t> plain(data.begin(), data.end());
    applyCipher(plain);
    return writeParameters(static_cast<std::uint8_t>(command & ~kCipherFlag), address, plain);
}

ShortCommandRecord Kestrel32Firmware::interpretShortCommand(std::span<const std::uint8_t> report)
{
    const std::uint8_t wire = report[3];
    if ((wire & kCipherFlag) == 0)
        return {wire, wire, false, true};
    // The cipher flag hides which command was meant when the code has bit 5 set already
    // (59 = 0x3B): the board takes the code it knows.
    const auto stripped = static_cast<std::uint8_t>(wire & ~kCipherFlag);
    const std::uint8_t code = isShortCommand(stripped) || !isShortCommand(wire) ? stripped : wire;
    ShortCommandRecord entry{code, wire, true, false};
    if (report.size() < kShortCommandCipherEnd)
        return entry;
    std::vector<std::uint8_t> clear(report.begin(), report.end());
    decipherShortCommand(clear);
    entry.accepted = std::equal(m_key.begin(), m_key.end(), clear.begin() + kShortCommandKeyOffset);
    return entry;
}

} // namespace orvex::hid

#pragma once
// Wire layout of the boards' feature reports: the 8-byte block header, block writes cut into
// consecutive reports, block read requests and replies, and the short command report.
// The tool and the emulated boards both build and parse reports with these functions.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvex {

inline constexpr std::size_t kTransferReportSize = 1050; ///< largest feature report handled
inline constexpr std::size_t kTransferDataSize = 2100;   ///< block buffer
inline constexpr std::size_t kBlockHeaderSize = 8;
inline constexpr std::size_t kShortCommandSpan = 128;    ///< bytes a short command clears
/// Shortest feature report that carries a block: report ID, header and at least one data byte.
inline constexpr std::size_t kMinBlockReportLength = 1 + 8 + 1;
inline constexpr std::uint8_t kHostMarker = 0xA5;
inline constexpr std::uint8_t kDeviceMarker = 0x5A;
inline constexpr std::uint8_t kBlockWriteFlag = 0x80;
inline constexpr std::uint8_t kBlockReadFlag = 0xC0;
inline constexpr std::uint8_t kCipherFlag = 0x20;
inline constexpr std::uint8_t kRecognisedReportId = 0x59; ///< "89", the report ID of every known board

/// Block header; on the wire little-endian: marker, command, length, address, CRC-16 of the data.
struct BlockHeader {
    std::uint8_t marker = 0;
    std::uint8_t command = 0;
    std::uint16_t length = 0;
    std::uint16_t address = 0;
    std::uint16_t crc = 0;

    void store(std::uint8_t* out) const;
    static BlockHeader load(const std::uint8_t* in);
    std::array<std::uint8_t, kBlockHeaderSize> bytes() const;
};

/// Offset of the block header inside a report: it follows the report ID byte when there is one.
constexpr std::size_t headerBase(std::uint8_t reportId) { return reportId != 0 ? 1 : 0; }

/// Data bytes one report of `reportLength` bytes carries: the first report of a block gives
/// kBlockHeaderSize bytes to the header. Zero when the report is too short to carry any.
std::size_t reportDataRoom(std::size_t reportLength, std::size_t base, bool firstReport);

/// Header of a block write from the tool: marker 0xA5, command with the write flag, the block's
/// length and device address, CRC-16 over all of `data` (the length is data.size()).
BlockHeader makeWriteHeader(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data);

/// Header of a board's reply to a read request: marker 0x5A, the command echoed, the length R of
/// `data`, its address and its CRC-16.
BlockHeader makeReplyHeader(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data);

/// Index of a block's first data byte in its first report (`firstReport`) or in any further one.
constexpr std::size_t blockDataOffset(std::size_t base, bool firstReport)
{
    return base + (firstReport ? kBlockHeaderSize : 0);
}

/// Header offset in read requests and replies. A request always keeps byte 0 for the report ID
/// (also when it is 0), and a reply mirrors it, so both sides find the header at byte 1.
inline constexpr std::size_t kReadHeaderBase = 1;

/// Fills one report of a block write or of a read reply. The report is cleared; with `base` 1 the
/// report ID goes to byte 0; `header` (the first report of a block only, else nullptr) goes to
/// byte `base`; then as many leading bytes of `data` as the report has room for.
/// Returns how many bytes of `data` it placed (0 when the report has no room at all).
std::size_t buildBlockReport(std::span<std::uint8_t> report, std::uint8_t reportId, std::size_t base,
                             const BlockHeader* header, std::span<const std::uint8_t> data);

/// Builds a block read request into `report` (cleared first): report ID in byte 0 (also when it
/// is 0, as the boards expect), then the header 0xA5, command|0xC0, length, address, 0 at byte 1.
void buildReadRequest(std::span<std::uint8_t> report, std::uint8_t reportId, std::uint8_t command,
                      std::uint16_t length, std::uint16_t address);

/// Builds a short command report into the first kShortCommandSpan bytes of `report` (cleared).
/// With `transferKey` given the command is enciphered: byte 3 gets the cipher flag, the key is
/// placed at bytes 88..103 and bytes 5..124 are enciphered with RC4 keyed by bytes 1..4.
/// `report` must hold at least kShortCommandSpan bytes.
void buildShortCommand(std::span<std::uint8_t> report, std::uint8_t reportId, std::uint8_t code,
                       const std::array<std::uint8_t, 16>* transferKey);

/// Undoes the cipher of an enciphered short command in place (the board's side).
void decipherShortCommand(std::span<std::uint8_t> report);

inline constexpr std::size_t kShortCommandKeyOffset = 88;
inline constexpr std::size_t kShortCommandCipherBegin = 5;
inline constexpr std::size_t kShortCommandCipherEnd = 125; ///< one past the last enciphered byte

} // namespace orvex

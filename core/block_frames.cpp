#include "core/block_frames.h"

#include "core/crc16.h"
#include "core/rc4.h"

#include <algorithm>

namespace orvex {

void BlockHeader::store(std::uint8_t* out) const
{
    out[0] = marker;
    out[1] = command;
    out[2] = static_cast<std::uint8_t>(length & 0xFF);
    out[3] = static_cast<std::uint8_t>(length >> 8);
    out[4] = static_cast<std::uint8_t>(address & 0xFF);
    out[5] = static_cast<std::uint8_t>(address >> 8);
    out[6] = static_cast<std::uint8_t>(crc & 0xFF);
    out[7] = static_cast<std::uint8_t>(crc >> 8);
}

BlockHeader BlockHeader::load(const std::uint8_t* in)
{
    BlockHeader h;
    h.marker = in[0];
    h.command = in[1];
    h.length = static_cast<std::uint16_t>(in[2] | (in[3] << 8));
    h.address = static_cast<std::uint16_t>(in[4] | (in[5] << 8));
    h.crc = static_cast<std::uint16_t>(in[6] | (in[7] << 8));
    return h;
}

std::array<std::uint8_t, kBlockHeaderSize> BlockHeader::bytes() const
{
    std::array<std::uint8_t, kBlockHeaderSize> out{};
    store(out.data());
    return out;
}

std::size_t reportDataRoom(std::size_t reportLength, std::size_t base, bool firstReport)
{
    const std::size_t taken = base + (firstReport ? kBlockHeaderSize : 0);
    return reportLength > taken ? reportLength - taken : 0;
}

BlockHeader makeWriteHeader(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data)
{
    return BlockHeader{kHostMarker, static_cast<std::uint8_t>(command | kBlockWriteFlag),
                       static_cast<std::uint16_t>(data.size()), address, crc16(data)};
}

BlockHeader makeReplyHeader(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data)
{
    return BlockHeader{kDeviceMarker, command, static_cast<std::uint16_t>(data.size()), address, crc16(data)};
}

std::size_t buildBlockReport(std::span<std::uint8_t> report, std::uint8_t reportId, std::size_t base,
                             const BlockHeader* header, std::span<const std::uint8_t> data)
{
    std::fill(report.begin(), report.end(), 0);
    if (base > 0 && !report.empty())
        report[0] = reportId;
    const bool first = header != nullptr;
    if (first && report.size() >= base + kBlockHeaderSize)
        header->store(report.data() + base);
    const std::size_t count = std::min(reportDataRoom(report.size(), base, first), data.size());
    std::copy_n(data.begin(), count, report.begin() + static_cast<std::ptrdiff_t>(blockDataOffset(base, first)));
    return count;
}

void buildReadRequest(std::span<std::uint8_t> report, std::uint8_t reportId, std::uint8_t command,
                      std::uint16_t length, std::uint16_t address)
{
    std::fill(report.begin(), report.end(), 0);
    report[0] = reportId;
    BlockHeader h{kHostMarker, static_cast<std::uint8_t>(command | kBlockReadFlag), length, address, 0};
    h.store(report.data() + 1);
}

namespace {
void cipherShortCommandBody(std::span<std::uint8_t> report)
{
    const std::array<std::uint8_t, 4> key{report[1], report[2], report[3], report[4]};
    RC4Crypt(report.subspan(kShortCommandCipherBegin, kShortCommandCipherEnd - kShortCommandCipherBegin),
             key);
}
} // namespace

void buildShortCommand(std::span<std::uint8_t> report, std::uint8_t reportId, std::uint8_t code,
                       const std::array<std::uint8_t, 16>* transferKey)
{
    std::fill_n(report.begin(), kShortCommandSpan, 0);
    if (reportId == 0)
        return;
    report[0] = reportId;
    report[1] = kHostMarker;
    report[2] = kDeviceMarker;
    report[3] = code;
    if (transferKey == nullptr)
        return;
    report[3] = static_cast<std::uint8_t>(code | kCipherFlag);
    std::copy(transferKey->begin(), transferKey->end(), report.begin() + kShortCommandKeyOffset);
    cipherShortCommandBody(report);
}

void decipherShortCommand(std::span<std::uint8_t> report)
{
    cipherShortCommandBody(report);
}

} // namespace orvex

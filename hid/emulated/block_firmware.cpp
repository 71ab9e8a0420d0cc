#include "hid/emulated/block_firmware.h"

#include "core/block_frames.h"
#include "core/crc16.h"

#include <algorithm>

namespace orvex::hid {

namespace {
// Parameter block commands; the same codes on both boards.
constexpr std::uint8_t kReadNonVolatile = 5;
constexpr std::uint8_t kReadRam = 6;
constexpr std::uint8_t kWriteNonVolatile = 7;
constexpr std::uint8_t kWriteRam = 8;
constexpr std::uint8_t kReset = 0;
constexpr std::uint8_t kReadFlagsMask = kBlockReadFlag;
} // namespace

BlockFirmware::BlockFirmware(std::uint8_t reportId, std::size_t parameterSize, const Clock& clock)
    : m_reportId(reportId), m_clock(clock), m_nonVolatile(parameterSize, 0), m_ram(parameterSize, 0)
{
}

void BlockFirmware::onPowerUp()
{
    // Power-up: the settings in use come from non-volatile memory; a transfer cut off by the
    // power loss is forgotten.
    m_ram = m_nonVolatile;
    m_write.reset();
    m_replies.clear();
    m_lastWriteReportMs.reset();
}

void BlockFirmware::setFaults(const FaultPlan& plan)
{
    m_faults = plan;
    m_faultExchanges = 0;
    m_faultSets = 0;
    m_faultGets = 0;
}

bool BlockFirmware::onSetFeature(std::span<const std::uint8_t> report)
{
    if (++m_faultSets == m_faults.failSetOnRequest)
        return false;
    if (report.size() < 1 + kBlockHeaderSize || report[0] != m_reportId)
        return false;
    ++m_record.setRequests;
    checkPacing();
    const bool writeReport = takeReport(report);
    if (writeReport)
        m_lastWriteReportMs = m_clock.nowMs();
    else
        m_lastWriteReportMs.reset();
    return true;
}

bool BlockFirmware::onGetFeature(std::span<std::uint8_t> report)
{
    if (++m_faultGets == m_faults.failGetOnRequest)
        return false;
    if (report.empty() || report[0] != m_reportId)
        return false;
    ++m_record.getRequests;
    if (m_replies.empty()) {
        // Nothing to say: the board answers its report ID and zeros, without the reply marker.
        std::fill(report.begin() + 1, report.end(), 0);
        return true;
    }
    const std::vector<std::uint8_t>& next = m_replies.front();
    std::fill(report.begin(), report.end(), 0);
    std::copy_n(next.begin(), std::min(next.size(), report.size()), report.begin());
    m_replies.pop_front();
    return true;
}

void BlockFirmware::checkPacing()
{
    if (!m_faults.strictPacing || !m_lastWriteReportMs)
        return;
    const std::uint64_t now = m_clock.nowMs();
    const std::uint64_t gap = now - *m_lastWriteReportMs;
    if (gap < kWritePacingMs)
        m_record.pacingViolations.push_back({now, gap});
}

bool BlockFirmware::takeReport(std::span<const std::uint8_t> report)
{
    // While a block write is under way every report continues it: the board has no way to tell
    // a continuation from anything else.
    if (m_write) {
        appendWriteData(report.subspan(blockDataOffset(1, false)));
        return true;
    }
    if (report[1] != kHostMarker)
        return false;
    if (report[2] == kDeviceMarker) {
        ShortCommandRecord command = interpretShortCommand(report);
        if (command.accepted && command.code == kReset)
            onPowerUp();
        m_record.shortCommands.push_back(command);
        return false;
    }
    const BlockHeader header = BlockHeader::load(report.data() + 1);
    if ((header.command & kReadFlagsMask) == kBlockReadFlag) {
        ++m_record.readExchanges;
        answerRead(header.command, header.length, header.address, report.size());
        return false;
    }
    if ((header.command & kBlockWriteFlag) == 0 || header.length == 0 || header.length > kTransferDataSize)
        return false;
    m_write = PendingWrite{header.command, header.address, header.crc, header.length, {}};
    m_write->data.reserve(header.length);
    appendWriteData(report.subspan(blockDataOffset(1, true)));
    return true;
}

void BlockFirmware::appendWriteData(std::span<const std::uint8_t> bytes)
{
    const std::size_t wanted = m_write->length - m_write->data.size();
    const std::size_t count = std::min(wanted, bytes.size());
    m_write->data.insert(m_write->data.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
    if (m_write->data.size() == m_write->length)
        finishWrite();
}

void BlockFirmware::finishWrite()
{
    PendingWrite write = std::move(*m_write);
    m_write.reset();
    BlockWriteRecord entry{write.command, write.address, write.length, false, false};
    entry.crcOk = crc16(write.data) == write.crc;
    if (entry.crcOk)
        entry.accepted = writeData(static_cast<std::uint8_t>(write.command & ~kBlockWriteFlag), write.address, write.data);
    m_record.blockWrites.push_back(entry);
}

void BlockFirmware::answerRead(std::uint8_t command, std::uint16_t length, std::uint16_t address,
                               std::size_t reportLength)
{
    m_replies.clear();
    const unsigned exchange = ++m_faultExchanges;
    auto data = readData(static_cast<std::uint8_t>(command & ~kReadFlagsMask), address, length);
    if (!data)
        return;
    std::size_t size = std::min<std::size_t>(data->size(), m_maxReply);
    if (exchange == m_faults.shortReplyOnExchange)
        size = std::min<std::size_t>(size, m_faults.shortReplyBytes);
    if (exchange == m_faults.emptyReplyOnExchange)
        size = 0;
    data->resize(size);

    BlockHeader header = makeReplyHeader(command, address, *data);
    if (exchange == m_faults.noMarkerOnExchange)
        header.marker = kHostMarker;
    if (exchange == m_faults.badCrcOnExchange)
        header.crc = static_cast<std::uint16_t>(~header.crc);

    std::span<const std::uint8_t> rest(*data);
    const BlockHeader* first = &header;
    do {
        std::vector<std::uint8_t> report(reportLength, 0);
        const std::size_t placed = buildBlockReport(report, m_reportId, kReadHeaderBase, first, rest);
        rest = rest.subspan(placed);
        first = nullptr;
        m_replies.push_back(std::move(report));
    } while (!rest.empty());
}

std::optional<std::vector<std::uint8_t>> BlockFirmware::readParameters(std::uint8_t code, std::uint16_t address,
                                                                       std::uint16_t length) const
{
    if (code != kReadNonVolatile && code != kReadRam)
        return std::nullopt;
    const std::vector<std::uint8_t>& block = code == kReadRam ? m_ram : m_nonVolatile;
    if (address >= block.size())
        return std::nullopt;
    const std::size_t count = std::min<std::size_t>(length, block.size() - address);
    return std::vector<std::uint8_t>(block.begin() + address, block.begin() + static_cast<std::ptrdiff_t>(address + count));
}

bool BlockFirmware::writeParameters(std::uint8_t code, std::uint16_t address, std::span<const std::uint8_t> data)
{
    if ((code != kWriteNonVolatile && code != kWriteRam) || address + data.size() > m_ram.size())
        return false;
    // Settings written to non-volatile memory are taken into use at once as well.
    std::copy(data.begin(), data.end(), m_ram.begin() + address);
    if (code == kWriteNonVolatile)
        std::copy(data.begin(), data.end(), m_nonVolatile.begin() + address);
    return true;
}

} // namespace orvex::hid

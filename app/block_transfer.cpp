// Block transfers: a block of up to a few kilobytes cut into consecutive feature reports behind
// an 8-byte header carrying command, length, device address and CRC-16 of the data.
#include "app/TMainForm.h"
#include "app/prompts.h"
#include "app/transfer_checks.h"
#include "core/command_codes.h"
#include "core/crc16.h"
#include "hid/hid_device.h"

#include <algorithm>

namespace orvex::app {

namespace {
const QString kReadErrorText = QString::fromUtf8("Ошибка чтения данных, попробуйте снова");
const QString kReadErrorTitle = QStringLiteral("!!! CRC Error !!!");
} // namespace

void TMainForm::LongTransferWrite(std::uint8_t command, std::uint16_t address, std::uint16_t length)
{
    const std::uint8_t reportId = reportIdOf(*this);
    WritePosition = 0;
    if (!SelectedDevice || !featureLengthUsable(*this, true) || !rangeFits(*this, 0, length, TransferData.size()))
        return;

    // The header goes right after the report ID; without one (ID 0) it starts the report.
    const std::size_t base = headerBase(reportId);
    const std::span<std::uint8_t> report(TransferReport.data(), FeatureLength);
    const std::span<const std::uint8_t> block(TransferData.data(), length);
    while (WritePosition < length) {
        const bool first = WritePosition == 0;
        if (first)
            TransferHeader = makeWriteHeader(command, address, block);
        WritePosition += static_cast<std::uint32_t>(
            buildBlockReport(report, reportId, base, first ? &TransferHeader : nullptr, block.subspan(WritePosition)));
        // The boards never confirm a write; a lost report shows only when the data is read back.
        SelectedDevice->SetFeature(report.data(), report.size());
        services().clock.Sleep(kWriteReportPauseMs);
    }
}

bool TMainForm::LongTransferRead(std::uint16_t offset, std::uint16_t length)
{
    const std::uint8_t reportId = reportIdOf(*this);
    ReadPosition = 0;
    if (!SelectedDevice || !featureLengthUsable(*this, true) || !rangeFits(*this, offset, length, TransferData.size()))
        return false;

    const std::span<std::uint8_t> report(TransferReport.data(), FeatureLength);
    std::uint16_t wanted = length;
    while (ReadPosition < wanted) {
        // Cleared before every request, so a short or failed answer cannot pass off the bytes of
        // an earlier report as data.
        std::fill(report.begin(), report.end(), 0);
        report[0] = reportId;
        const bool received = SelectedDevice->GetFeature(report.data(), report.size());
        const bool first = ReadPosition == 0;
        if (first) {
            if (!received || report[kReadHeaderBase] != kDeviceMarker) {
                addHistoryLine(QStringLiteral("Read fault!!!"));
                TransferHeader.length = 0;
                return false;
            }
            TransferHeader = BlockHeader::load(report.data() + kReadHeaderBase);
            // A reply may carry less than asked (the rest is asked for again), never more: bytes
            // beyond the request have no place, and an empty reply would be asked for forever.
            if (TransferHeader.length > wanted || TransferHeader.length == 0)
                return false;
            wanted = TransferHeader.length;
        } else if (!received) {
            return false;
        }
        const std::size_t count = std::min<std::size_t>(reportDataRoom(report.size(), kReadHeaderBase, first),
                                                        wanted - ReadPosition);
        const auto from = report.begin() + static_cast<std::ptrdiff_t>(blockDataOffset(kReadHeaderBase, first));
        std::copy_n(from, count, TransferData.begin() + offset + ReadPosition);
        ReadPosition += static_cast<std::uint32_t>(count);
        services().clock.Sleep(kReadPauseMs);
    }
    return crc16(std::span(TransferData).subspan(offset, wanted)) == TransferHeader.crc;
}

bool TMainForm::ReadDATA(std::uint8_t command, std::uint16_t length, std::uint8_t* destination,
                         std::size_t destinationSize, std::uint16_t offset)
{
    TransferData.fill(0);
    const std::uint8_t reportId = reportIdOf(*this);
    if (!SelectedDevice || !featureLengthUsable(*this, true) || !rangeFits(*this, offset, length, TransferData.size())
        || !rangeFits(*this, offset, length, destinationSize))
        return false;
    if (length == 0)
        return true; // nothing asked, nothing to exchange

    // The board decides how much one reply carries; the rest is asked for from where it ended.
    // Every exchange must pass: the destination is written only when all bytes arrived.
    std::uint16_t done = 0;
    std::uint16_t address = offset;
    do {
        const auto wanted = static_cast<std::uint16_t>(length - done);
        const std::span<std::uint8_t> report(TransferReport.data(), FeatureLength);
        buildReadRequest(report, reportId, command, wanted, address);
        TransferHeader = BlockHeader::load(report.data() + kReadHeaderBase);
        SelectedDevice->SetFeature(report.data(), report.size());
        services().clock.Sleep(kReadPauseMs);
        if (!LongTransferRead(address, wanted)) {
            services().prompts.messageBox(kReadErrorText, kReadErrorTitle, Prompts::Icon::Error);
            return false;
        }
        done = static_cast<std::uint16_t>(done + TransferHeader.length);
        address = static_cast<std::uint16_t>(address + TransferHeader.length);
    } while (done < length);
    std::copy_n(TransferData.begin() + offset, length, destination + offset);
    return true;
}

} // namespace orvex::app

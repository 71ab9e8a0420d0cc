#pragma once
// The protocol engine both Orvex boards share: block writes assembled from consecutive reports
// and checked by CRC-16, read requests answered with framed replies cut to the board's largest
// reply, short commands, the pacing check and fault injection. The boards (Falconet, Kestrel32)
// supply their memories and what each command code does.
#include "core/clock.h"
#include "hid/emulated/board_firmware.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace orvex::hid {

/// Faults to inject, for tests. Exchange and request numbers count from 1, from the moment the
/// plan is set (setFaults); 0 means never.
struct FaultPlan {
    unsigned noMarkerOnExchange = 0;  ///< that read reply starts with 0xA5 instead of 0x5A
    unsigned badCrcOnExchange = 0;    ///< that read reply carries a wrong CRC-16
    unsigned shortReplyOnExchange = 0;///< that read reply carries at most shortReplyBytes
    std::uint16_t shortReplyBytes = 0;
    unsigned emptyReplyOnExchange = 0;///< that read reply carries no data (R = 0, CRC of nothing)
    unsigned failSetOnRequest = 0;    ///< that set-feature request fails; the board never sees it
    unsigned failGetOnRequest = 0;    ///< that get-feature request fails; the reply stays queued
    /// Flags every report sent less than kWritePacingMs after a report of a block write.
    bool strictPacing = false;
};

/// The board needs this long after each report of a block write before the next report.
inline constexpr std::uint64_t kWritePacingMs = 18;

struct ShortCommandRecord {
    std::uint8_t code = 0;     ///< the command the board understood (0 reset, 2/3/4 calibration, 59/85 boot loader)
    std::uint8_t wireCode = 0; ///< byte 3 of the report as sent
    bool enciphered = false;
    bool accepted = false;     ///< false: the board refused it (wrong transfer key)
};

struct BlockWriteRecord {
    std::uint8_t command = 0;  ///< command byte of the header, write flag included
    std::uint16_t address = 0;
    std::uint16_t length = 0;
    bool crcOk = false;
    bool accepted = false;     ///< CRC right and the board took the data
};

struct PacingViolation {
    std::uint64_t atMs = 0;  ///< clock time of the report that came too early
    std::uint64_t gapMs = 0; ///< time since the block-write report before it
};

/// What the board saw, for tests to inspect.
struct FirmwareRecord {
    std::vector<ShortCommandRecord> shortCommands;
    std::vector<BlockWriteRecord> blockWrites;
    std::vector<PacingViolation> pacingViolations;
    unsigned setRequests = 0;  ///< set-feature requests that reached the firmware
    unsigned getRequests = 0;
    unsigned readExchanges = 0;///< read requests received
};

class BlockFirmware : public BoardFirmware {
public:
    bool onSetFeature(std::span<const std::uint8_t> report) override;
    bool onGetFeature(std::span<std::uint8_t> report) override;
    void onPowerUp() override;

    /// Largest data length of one read reply; a longer read takes several exchanges.
    void setMaxReplySize(std::uint16_t bytes) { m_maxReply = bytes; }
    /// Replaces the fault plan and restarts its exchange and request counts.
    void setFaults(const FaultPlan& plan);
    const FirmwareRecord& record() const { return m_record; }
    void clearRecord() { m_record = {}; }

    /// Parameter block in non-volatile memory and in RAM (the same size).
    std::vector<std::uint8_t>& nonVolatile() { return m_nonVolatile; }
    std::vector<std::uint8_t>& ram() { return m_ram; }

protected:
    /// `reportId` is the board's feature report ID; `clock` must outlive the firmware.
    BlockFirmware(std::uint8_t reportId, std::size_t parameterSize, const Clock& clock);

    /// The bytes a read request asks for, starting at `address` and at most `length` long, as
    /// the board sends them; nullopt when the board does not answer the request at all.
    /// `command` is the request's command byte without the read flags.
    virtual std::optional<std::vector<std::uint8_t>> readData(std::uint8_t command, std::uint16_t address,
                                                              std::uint16_t length) = 0;
    /// Takes a block write whose CRC matched; false when the board refuses it.
    virtual bool writeData(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data) = 0;
    /// Interprets a short command report (bytes 1 and 2 are 0xA5 0x5A).
    virtual ShortCommandRecord interpretShortCommand(std::span<const std::uint8_t> report) = 0;

    /// Reads and writes of the parameter block (commands 5, 6, 7 and 8, no cipher).
    std::optional<std::vector<std::uint8_t>> readParameters(std::uint8_t code, std::uint16_t address,
                                                            std::uint16_t length) const;
    bool writeParameters(std::uint8_t code, std::uint16_t address, std::span<const std::uint8_t> data);

private:
    struct PendingWrite {
        std::uint8_t command = 0;
        std::uint16_t address = 0;
        std::uint16_t crc = 0;
        std::uint16_t length = 0;
        std::vector<std::uint8_t> data;
    };

    /// Handles one report; true when it was part of a block write.
    bool takeReport(std::span<const std::uint8_t> report);
    void appendWriteData(std::span<const std::uint8_t> bytes);
    void finishWrite();
    /// Queues the reply reports (each `reportLength` bytes) to a read request.
    void answerRead(std::uint8_t command, std::uint16_t length, std::uint16_t address, std::size_t reportLength);
    void checkPacing();

    const std::uint8_t m_reportId;
    const Clock& m_clock;
    std::vector<std::uint8_t> m_nonVolatile;
    std::vector<std::uint8_t> m_ram;
    std::uint16_t m_maxReply = 0xFFFF;
    FaultPlan m_faults;
    unsigned m_faultExchanges = 0;
    unsigned m_faultSets = 0;
    unsigned m_faultGets = 0;
    FirmwareRecord m_record;
    std::optional<PendingWrite> m_write;
    std::deque<std::vector<std::uint8_t>> m_replies;
    std::optional<std::uint64_t> m_lastWriteReportMs;
};

} // namespace orvex::hid

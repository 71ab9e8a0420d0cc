#pragma once
// The tool's side of the wire, cut down for driving an emulated board in tests: block writes
// cut into reports and block reads over as many exchanges as the board needs, built with the
// same frame functions the tool uses.
#include "core/block_frames.h"
#include "core/crc16.h"
#include "hid/hid_device.h"
#include "support/manual_clock.h"

#include <vector>

namespace orvex::hid::test {

/// One report exchanged by a read: what the host saw of it.
struct ReadExchange {
    bool requestSent = false;
    bool received = false;  ///< every get request of the reply succeeded
    bool marker = false;    ///< the first reply report started with 0x5A
    bool crcOk = false;
    std::uint16_t length = 0; ///< R, the data length the reply announced
};

struct ReadResult {
    std::vector<std::uint8_t> data; ///< the bytes of the exchanges that passed, in order
    std::vector<ReadExchange> exchanges;
    bool complete = false;          ///< every byte asked for arrived with a good CRC
};

class BoardHost {
public:
    BoardHost(HidDevice& device, orvex::test::ManualClock& clock, std::uint32_t pacingMs = 18)
        : m_device(device), m_clock(clock), m_pacingMs(pacingMs)
    {
    }

    std::size_t reportLength() const { return m_device.GetCaps().FeatureReportByteLength; }

    /// Sends `data` as one block write; returns how many reports went out (all succeeded or not).
    std::size_t write(std::uint8_t command, std::uint16_t address, std::span<const std::uint8_t> data,
                      const BlockHeader* headerOverride = nullptr)
    {
        const BlockHeader header = headerOverride
                                       ? *headerOverride
                                       : makeWriteHeader(command, address, data);
        std::vector<std::uint8_t> report(reportLength());
        std::size_t reports = 0;
        const BlockHeader* first = &header;
        while (!data.empty()) {
            const std::size_t placed = buildBlockReport(report, kRecognisedReportId, 1, first, data);
            data = data.subspan(placed);
            first = nullptr;
            m_device.SetFeature(report.data(), report.size());
            m_clock.Sleep(m_pacingMs);
            ++reports;
        }
        return reports;
    }

    /// Reads `length` bytes from `address`, asking for the rest after each short reply, until an
    /// exchange fails, a reply carries no data or everything has arrived.
    ReadResult read(std::uint8_t command, std::uint16_t address, std::uint16_t length)
    {
        ReadResult result;
        std::uint16_t done = 0;
        while (done < length) {
            ReadExchange ex;
            std::vector<std::uint8_t> data;
            exchange(command, static_cast<std::uint16_t>(address + done),
                     static_cast<std::uint16_t>(length - done), ex, data);
            result.exchanges.push_back(ex);
            if (!ex.crcOk || ex.length == 0)
                return result;
            result.data.insert(result.data.end(), data.begin(), data.end());
            done = static_cast<std::uint16_t>(done + data.size());
        }
        result.complete = true;
        return result;
    }

    /// Sends a short command report of the board's feature length.
    bool shortCommand(std::uint8_t code, const std::array<std::uint8_t, 16>* key)
    {
        std::vector<std::uint8_t> report(std::max(reportLength(), kShortCommandSpan));
        buildShortCommand(report, kRecognisedReportId, code, key);
        return m_device.SetFeature(report.data(), reportLength());
    }

private:
    void exchange(std::uint8_t command, std::uint16_t address, std::uint16_t wanted, ReadExchange& ex,
                  std::vector<std::uint8_t>& data)
    {
        std::vector<std::uint8_t> report(reportLength());
        buildReadRequest(report, kRecognisedReportId, command, wanted, address);
        ex.requestSent = m_device.SetFeature(report.data(), report.size());
        m_clock.Sleep(1);
        std::fill(report.begin(), report.end(), 0);
        report[0] = kRecognisedReportId;
        ex.received = m_device.GetFeature(report.data(), report.size());
        ex.marker = ex.received && report[1] == kDeviceMarker;
        if (!ex.marker)
            return;
        const BlockHeader header = BlockHeader::load(report.data() + 1);
        ex.length = header.length;
        const std::uint16_t want = std::min(header.length, wanted);
        bool first = true;
        while (data.size() < want) {
            if (!first) {
                std::fill(report.begin(), report.end(), 0);
                report[0] = kRecognisedReportId;
                ex.received = m_device.GetFeature(report.data(), report.size()) && ex.received;
            }
            const std::size_t from = blockDataOffset(1, first);
            const std::size_t count = std::min(report.size() - from, want - data.size());
            data.insert(data.end(), report.begin() + static_cast<std::ptrdiff_t>(from),
                        report.begin() + static_cast<std::ptrdiff_t>(from + count));
            first = false;
        }
        ex.crcOk = crc16(data) == header.crc;
    }

    HidDevice& m_device;
    orvex::test::ManualClock& m_clock;
    std::uint32_t m_pacingMs;
};

} // namespace orvex::hid::test

#pragma once
// A board whose every feature report is recorded on its way in and out, with the clock time,
// so tests can check the protocol byte by byte and its pacing. The tap sits between the emulated
// board and its real firmware; a test may tamper with a reply before the tool sees it.
#include "core/clock.h"
#include "hid/emulated/demo_settings.h"
#include "hid/emulated/emulated_board.h"

#include <functional>
#include <memory>
#include <vector>

namespace orvex::test {

class WireTap final : public hid::BoardFirmware {
public:
    struct Report {
        std::uint64_t ms = 0;
        bool set = false; ///< sent by the tool (set-feature); false: a reply (get-feature)
        std::vector<std::uint8_t> bytes;
    };
    /// Called on every reply with its 1-based number (counted since the last clear) and whether
    /// the request succeeded; returns whether it succeeds after tampering.
    using Tamper = std::function<bool(std::span<std::uint8_t> reply, unsigned number, bool ok)>;

    WireTap(std::unique_ptr<hid::BoardFirmware> inner, const Clock& clock)
        : m_inner(std::move(inner)), m_clock(clock)
    {
    }

    bool onSetFeature(std::span<const std::uint8_t> report) override
    {
        reports.push_back({m_clock.nowMs(), true, {report.begin(), report.end()}});
        return m_inner->onSetFeature(report);
    }
    bool onGetFeature(std::span<std::uint8_t> report) override
    {
        bool ok = m_inner->onGetFeature(report);
        ++m_gets;
        if (tamper)
            ok = tamper(report, m_gets, ok);
        reports.push_back({m_clock.nowMs(), false, {report.begin(), report.end()}});
        return ok;
    }
    void onPowerUp() override { m_inner->onPowerUp(); }

    /// The reports the tool sent, in order.
    std::vector<Report> sent() const
    {
        std::vector<Report> out;
        for (const Report& r : reports)
            if (r.set)
                out.push_back(r);
        return out;
    }
    void clear()
    {
        reports.clear();
        m_gets = 0;
    }

    std::vector<Report> reports;
    Tamper tamper;

private:
    std::unique_ptr<hid::BoardFirmware> m_inner;
    const Clock& m_clock;
    unsigned m_gets = 0;
};

/// A board behind a tap; `firmware` is owned by the board. Boards power up when constructed.
template <class Firmware>
struct TappedBoard {
    std::shared_ptr<hid::EmulatedBoard> board;
    WireTap* tap = nullptr;
    Firmware* firmware = nullptr;
};

inline hid::HidIdentity tappedIdentity(std::uint16_t productId, std::uint16_t featureLength, std::string path)
{
    hid::HidIdentity id;
    id.attributes = {0x7A5C, productId, 0x0100};
    id.caps.FeatureReportByteLength = featureLength;
    id.pnp = {std::move(path), "tapped board"};
    id.productName = "Tapped " + std::to_string(productId);
    return id;
}

template <class Firmware>
TappedBoard<Firmware> tapBoard(std::unique_ptr<Firmware> firmware, const Clock& clock, hid::HidIdentity identity)
{
    TappedBoard<Firmware> out;
    out.firmware = firmware.get();
    auto tap = std::make_unique<WireTap>(std::move(firmware), clock);
    out.tap = tap.get();
    out.board = std::make_shared<hid::EmulatedBoard>(std::move(identity), std::move(tap));
    return out;
}

/// A Falconet controller (7A5C:0109) with the demo settings, `featureLength`-byte reports.
inline TappedBoard<hid::FalconetFirmware> tappedFalconet(const Clock& clock, std::uint16_t featureLength = 64,
                                                         std::string path = "tapped:falconet")
{
    auto firmware = std::make_unique<hid::FalconetFirmware>(clock);
    hid::fillFalconetDemoSettings(*firmware);
    return tapBoard(std::move(firmware), clock, tappedIdentity(0x0109, featureLength, std::move(path)));
}

/// A Kestrel32 board (7A5C:0115) with the demo settings, 128-byte reports and replies of at most
/// `maxReply` bytes.
inline TappedBoard<hid::Kestrel32Firmware> tappedKestrel32(const Clock& clock, std::uint16_t maxReply = 512,
                                                           std::string path = "tapped:kestrel32")
{
    const hid::Kestrel32Firmware::Seed seed{0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87,
                                            0x98, 0xA9, 0xBA, 0xCB, 0xDC, 0xED, 0xFE, 0x0F};
    auto firmware = std::make_unique<hid::Kestrel32Firmware>(clock, seed);
    hid::fillKestrel32DemoSettings(*firmware);
    firmware->setMaxReplySize(maxReply);
    return tapBoard(std::move(firmware), clock, tappedIdentity(0x0115, 128, std::move(path)));
}

/// A boot loader (7A5C:0912): a device the tool lists but does not speak to.
inline TappedBoard<hid::InertFirmware> tappedBootLoader(const Clock& clock, std::string path = "tapped:bootloader")
{
    return tapBoard(std::make_unique<hid::InertFirmware>(), clock, tappedIdentity(0x0912, 64, std::move(path)));
}

} // namespace orvex::test

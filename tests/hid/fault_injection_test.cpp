#include "hid/emulated/demo_boards.h"
#include "hid/emulated/falconet_firmware.h"

#include "board_host.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>

namespace orvex::hid {
namespace {

/// One word per read exchange: the reply length R, or what went wrong first.
std::vector<std::string> summary(const test::ReadResult& result)
{
    std::vector<std::string> words;
    for (const auto& ex : result.exchanges) {
        words.push_back(!ex.requestSent ? "nosend"
                        : !ex.received  ? "noget"
                        : !ex.marker    ? "nomark"
                        : !ex.crcOk     ? "crc"
                                        : std::to_string(ex.length));
    }
    return words;
}

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override { fw.setMaxReplySize(50); }

    orvex::test::ManualClock clock;
    std::shared_ptr<EmulatedBoard> board = makeFalconetBoard(clock);
    FalconetFirmware& fw = *board->firmwareAs<FalconetFirmware>();
    test::BoardHost host{*board, clock};
};

TEST_F(FaultTest, EachReplyFaultSpoilsTheExchangeItNames)
{
    struct Case {
        const char* name;
        FaultPlan plan;
        std::vector<std::string> exchanges;
    };
    const Case cases[] = {
        {"no faults", {}, {"50", "50", "44"}},
        {"no marker", {.noMarkerOnExchange = 1}, {"nomark"}},
        {"bad CRC", {.badCrcOnExchange = 2}, {"50", "crc"}},
        {"short reply", {.shortReplyOnExchange = 1, .shortReplyBytes = 10}, {"10", "50", "50", "34"}},
        {"no data", {.emptyReplyOnExchange = 2}, {"50", "0"}},
        {"set fails", {.failSetOnRequest = 1}, {"nosend"}},
        {"get fails", {.failGetOnRequest = 1}, {"noget"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw.setFaults(c.plan);
        const auto result = host.read(5, 0, 144);
        EXPECT_EQ(summary(result), c.exchanges);
        if (result.complete) {
            EXPECT_EQ(result.data, fw.nonVolatile());
        }
    }
}

TEST_F(FaultTest, ReplyOfAFailedGetStaysQueued)
{
    fw.setFaults({.failGetOnRequest = 1});
    std::vector<std::uint8_t> report(64);
    buildReadRequest(report, kRecognisedReportId, 5, 16, 0);
    ASSERT_TRUE(board->SetFeature(report.data(), report.size()));
    EXPECT_FALSE(board->GetFeature(report.data(), report.size()));
    ASSERT_TRUE(board->GetFeature(report.data(), report.size()));
    EXPECT_EQ(report[1], kDeviceMarker);
}

TEST_F(FaultTest, BoardPulledOutInTheMiddleOfAWrite)
{
    EmulatedBackend backend;
    int notices = 0;
    backend.watch([&] { ++notices; });
    backend.addBoard(board);
    QCoreApplication::processEvents();
    notices = 0;

    const auto before = fw.nonVolatile();
    const std::vector<std::uint8_t> image(144, 0x5C);
    board->unplugAfterRequests(2);
    host.write(7, 0, image);
    EXPECT_FALSE(board->isPluggedIn());
    EXPECT_TRUE(fw.record().blockWrites.empty()) << "the third report never arrived";
    EXPECT_EQ(fw.nonVolatile(), before);
    EXPECT_TRUE(backend.enumerate().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 1);

    board->plugIn();
    host.write(7, 0, image);
    EXPECT_EQ(fw.nonVolatile(), image) << "power-up forgot the half-received block";
}

TEST_F(FaultTest, StrictPacingFlagsReportsSentTooSoonAfterAWrittenReport)
{
    fw.setFaults({.strictPacing = true});
    const std::vector<std::uint8_t> image(144, 1);
    host.write(7, 0, image);
    host.read(5, 0, 10);
    EXPECT_TRUE(fw.record().pacingViolations.empty());

    test::BoardHost hasty(*board, clock, 10);
    hasty.write(7, 0, image);
    ASSERT_EQ(fw.record().pacingViolations.size(), 2u);
    EXPECT_EQ(fw.record().pacingViolations[0].gapMs, 10u);
    host.shortCommand(0, nullptr);
    EXPECT_EQ(fw.record().pacingViolations.size(), 3u) << "any report after a written one counts";
}

} // namespace
} // namespace orvex::hid

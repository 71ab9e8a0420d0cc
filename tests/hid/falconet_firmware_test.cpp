#include "hid/emulated/demo_boards.h"
#include "hid/emulated/falconet_firmware.h"

#include "board_host.h"

#include <gtest/gtest.h>

#include <numeric>

namespace orvex::hid {
namespace {

/// A Falconet controller with demo settings and a host driving it (64-byte reports).
class FalconetTest : public ::testing::Test {
protected:
    orvex::test::ManualClock clock;
    std::shared_ptr<EmulatedBoard> board = makeFalconetBoard(clock);
    FalconetFirmware& fw = *board->firmwareAs<FalconetFirmware>();
    test::BoardHost host{*board, clock};

    static std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t seed)
    {
        std::vector<std::uint8_t> bytes(size);
        std::iota(bytes.begin(), bytes.end(), seed);
        return bytes;
    }
};

TEST_F(FalconetTest, DemoSettingsAreInUseAfterPowerUp)
{
    EXPECT_EQ(fw.nonVolatile()[0], 0x05) << "version word 1.05, low byte first";
    EXPECT_EQ(fw.nonVolatile()[1], 0x01);
    EXPECT_EQ(fw.ram(), fw.nonVolatile());
    EXPECT_EQ(fw.buttonMemory()[0], 0x80) << "input 1 is logical button 1";
}

TEST_F(FalconetTest, BlockWriteIsAssembledFromConsecutiveReports)
{
    const auto image = pattern(144, 1);
    EXPECT_EQ(host.write(7, 0, image), 3u) << "55 + 63 + 26 data bytes";
    EXPECT_EQ(fw.nonVolatile(), image);
    EXPECT_EQ(fw.ram(), image) << "settings written to non-volatile memory are used at once";
    ASSERT_EQ(fw.record().blockWrites.size(), 1u);
    const BlockWriteRecord& w = fw.record().blockWrites[0];
    EXPECT_EQ(w.command, 0x87);
    EXPECT_EQ(w.length, 144);
    EXPECT_TRUE(w.crcOk && w.accepted);

    const auto ramOnly = pattern(20, 0x40);
    host.write(8, 100, ramOnly);
    EXPECT_TRUE(std::equal(ramOnly.begin(), ramOnly.end(), fw.ram().begin() + 100));
    EXPECT_EQ(fw.nonVolatile(), image);
}

TEST_F(FalconetTest, WriteWithWrongCrcIsRejected)
{
    const auto before = fw.nonVolatile();
    const auto image = pattern(144, 1);
    BlockHeader header = makeWriteHeader(7, 0, image);
    header.crc ^= 0x0100;
    host.write(7, 0, image, &header);
    EXPECT_EQ(fw.nonVolatile(), before);
    ASSERT_EQ(fw.record().blockWrites.size(), 1u);
    EXPECT_FALSE(fw.record().blockWrites[0].crcOk);
    EXPECT_FALSE(fw.record().blockWrites[0].accepted);

    host.write(7, 100, image);
    EXPECT_FALSE(fw.record().blockWrites[1].accepted) << "a block past the end of memory is refused";
    EXPECT_EQ(fw.nonVolatile(), before);
}

TEST_F(FalconetTest, ReadIsCutToTheLargestReplyAndContinued)
{
    fw.setMaxReplySize(50);
    const auto result = host.read(5, 0, 144);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.data, fw.nonVolatile());
    ASSERT_EQ(result.exchanges.size(), 3u);
    EXPECT_EQ(result.exchanges[0].length, 50);
    EXPECT_EQ(result.exchanges[2].length, 44);
    EXPECT_EQ(fw.record().readExchanges, 3u);

    fw.ram()[3] = 0xEE;
    EXPECT_EQ(host.read(6, 3, 1).data, std::vector<std::uint8_t>{0xEE}) << "command 6 reads RAM";
}

TEST_F(FalconetTest, ButtonMemoryIsWrittenInHalvesAndReadBack)
{
    const auto logical = pattern(256, 7);
    host.write(18, 256, std::span(logical).first(128));
    host.write(18, 384, std::span(logical).subspan(128));
    EXPECT_TRUE(std::equal(logical.begin(), logical.end(), fw.buttonMemory().begin() + 256));
    EXPECT_EQ(host.read(19, 256, 256).data, logical);
    EXPECT_FALSE(host.read(0x25, 0, 16).exchanges[0].marker) << "the Falconet knows no enciphered commands";
}

TEST_F(FalconetTest, ShortCommandsAreRecordedAndResetReloadsRam)
{
    fw.ram()[20] = 0x99;
    for (std::uint8_t code : {2, 3, 59, 85, 0})
        EXPECT_TRUE(host.shortCommand(code, nullptr));
    const auto& commands = fw.record().shortCommands;
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[2].code, 59);
    EXPECT_FALSE(commands[2].enciphered);
    EXPECT_TRUE(commands[4].accepted);
    EXPECT_EQ(fw.ram(), fw.nonVolatile()) << "reset takes the settings from non-volatile memory";
}

TEST_F(FalconetTest, RequestsFailWhileUnpluggedOrWithAnotherLength)
{
    std::vector<std::uint8_t> report(64, 0);
    report[0] = kRecognisedReportId;
    EXPECT_FALSE(board->SetFeature(report.data(), 63));
    report[0] = 0x01;
    EXPECT_FALSE(board->GetFeature(report.data(), 64)) << "unknown report ID";
    report[0] = kRecognisedReportId;
    board->unplug();
    EXPECT_FALSE(board->GetFeature(report.data(), 64));
    board->plugIn();
    EXPECT_TRUE(board->GetFeature(report.data(), 64));
    EXPECT_NE(report[1], kDeviceMarker) << "nothing asked, nothing answered";
}

} // namespace
} // namespace orvex::hid

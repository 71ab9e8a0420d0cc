// The protocol on the wire: every report the tool sends, byte by byte, and the pauses between
// them, against emulated boards behind a tap.
#include "core/crc16.h"
#include "core/rc4.h"
#include "protocol_fixture.h"

#include <numeric>

namespace orvex::test {
namespace {

using Pauses = std::vector<std::uint32_t>;

/// The data bytes of a block carried by consecutive reports (header in the first one at byte 1).
std::vector<std::uint8_t> blockData(const std::vector<WireTap::Report>& reports)
{
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const auto& r = reports[i].bytes;
        data.insert(data.end(), r.begin() + (i == 0 ? 9 : 1), r.end());
    }
    return data;
}

class ProtocolWire : public ProtocolFixture {};

TEST_F(ProtocolWire, FalconetGetReadsTheImageWithOneRequest)
{
    auto falconet = select(tappedFalconet(clock));
    get();

    const auto sent = falconet.tap->sent();
    ASSERT_EQ(sent.size(), 1u);
    std::vector<std::uint8_t> request(64, 0);
    const auto header = bytesOf({0x59, 0xA5, 0xC5, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00});
    std::copy(header.begin(), header.end(), request.begin());
    EXPECT_EQ(sent[0].bytes, request);
    // 500 ms before a Get, 1 ms after the request and after each of the three reply reports.
    EXPECT_EQ(clock.pauses(), (Pauses{500, 1, 1, 1, 1}));
    EXPECT_TRUE(std::equal(form->FalconetImage.begin(), form->FalconetImage.end(),
                           falconet.firmware->nonVolatile().begin()));
    EXPECT_TRUE(prompts.messages.empty());
}

// A 144-byte image with 64-byte reports goes out as three reports carrying 55, 63 and 26 bytes.
TEST_F(ProtocolWire, FalconetSetSendsTheImageInThreeReports18msApart)
{
    auto falconet = select(tappedFalconet(clock));
    get();
    falconet.tap->clear();
    clock.clearPauses();
    set();

    const auto sent = falconet.tap->sent();
    ASSERT_EQ(sent.size(), 3u);
    const auto& image = form->FalconetImage;
    const std::uint16_t crc = crc16(image);
    EXPECT_EQ(head(sent[0].bytes, 9),
              bytesOf({0x59, 0xA5, 0x87, 0x90, 0x00, 0x00, 0x00, crc & 0xFF, crc >> 8}));
    for (const auto& report : sent) {
        EXPECT_EQ(report.bytes.size(), 64u);
        EXPECT_EQ(report.bytes[0], 0x59);
    }
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 55, sent[0].bytes.begin() + 9));
    EXPECT_TRUE(std::equal(image.begin() + 55, image.begin() + 118, sent[1].bytes.begin() + 1));
    EXPECT_TRUE(std::equal(image.begin() + 118, image.end(), sent[2].bytes.begin() + 1));
    EXPECT_TRUE(std::all_of(sent[2].bytes.begin() + 27, sent[2].bytes.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(sent[1].ms - sent[0].ms, 18u);
    EXPECT_EQ(sent[2].ms - sent[1].ms, 18u);
    EXPECT_EQ(clock.pauses(), (Pauses{18, 18, 18}));
    ASSERT_FALSE(falconet.firmware->record().blockWrites.empty());
    EXPECT_TRUE(falconet.firmware->record().blockWrites.back().accepted);
}

// The Kestrel32 board answers at most 512 bytes at a time: its 1024-byte block takes two
// enciphered exchanges, the second asking for the rest from where the first ended.
TEST_F(ProtocolWire, Kestrel32GetTakesTwoEncipheredExchanges)
{
    auto kestrel = select(tappedKestrel32(clock, 512));
    showPage(1); // a Kestrel32 board always moves its whole image
    get();

    const auto sent = kestrel.tap->sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(head(sent[0].bytes, 9), bytesOf({0x59, 0xA5, 0xE5, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(head(sent[1].bytes, 9), bytesOf({0x59, 0xA5, 0xE5, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00}));
    // Each reply is 512 bytes in 128-byte reports: 119 after the header, then 127 per report.
    Pauses expected{500};
    for (int exchange = 0; exchange < 2; ++exchange)
        expected.insert(expected.end(), 1 + 5, 1);
    EXPECT_EQ(clock.pauses(), expected);

    const auto& flash = kestrel.firmware->nonVolatile();
    EXPECT_TRUE(std::equal(form->Kestrel32Image.begin(), form->Kestrel32Image.end(), flash.begin()));
    EXPECT_TRUE(std::equal(form->PhysButtons.begin(), form->PhysButtons.end(), flash.begin() + 268));
    EXPECT_TRUE(std::equal(form->LogButtons.begin(), form->LogButtons.end(), flash.begin() + 524));
    const auto& firstReply = kestrel.tap->reports.at(1);
    ASSERT_FALSE(firstReply.set);
    EXPECT_FALSE(std::equal(flash.begin(), flash.begin() + 119, firstReply.bytes.begin() + 9))
        << "the parameter block travels enciphered";
}

TEST_F(ProtocolWire, ReadOfAShortenedReplyAsksForTheRest)
{
    auto falconet = select(tappedFalconet(clock));
    falconet.firmware->setFaults({.shortReplyOnExchange = 1, .shortReplyBytes = 100});
    get();

    const auto sent = falconet.tap->sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(head(sent[1].bytes, 9), bytesOf({0x59, 0xA5, 0xC5, 44, 0x00, 100, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(std::equal(form->FalconetImage.begin(), form->FalconetImage.end(),
                           falconet.firmware->nonVolatile().begin()));
}

// The data of an enciphered write is the image with the working button blocks, enciphered as
// one RC4 stream under the first 15 bytes of the board's transfer key; its CRC covers the
// enciphered bytes. Command 7 (FLASH) or 8 (RAM) with the cipher flag, write flag on the wire.
TEST_F(ProtocolWire, Kestrel32SetIsEnciphered)
{
    for (const bool ram : {false, true}) {
        SCOPED_TRACE(ram ? "RAM" : "FLASH");
        auto kestrel = select(tappedKestrel32(clock, 512, ram ? "tapped:k-ram" : "tapped:k-flash"));
        get();
        useRam(ram);
        kestrel.tap->clear();
        set();

        const auto sent = kestrel.tap->sent();
        ASSERT_EQ(sent.size(), 9u); // 119 + 7 * 127 + 16 bytes
        EXPECT_EQ(head(sent[0].bytes, 6), bytesOf({0x59, 0xA5, ram ? 0xA8 : 0xA7, 0x00, 0x04, 0x00}));
        auto wire = blockData(sent);
        wire.resize(1024);
        const std::uint16_t crc = crc16(wire);
        EXPECT_EQ(sent[0].bytes[7] | (sent[0].bytes[8] << 8), crc);
        RC4Crypt(wire, std::span(kestrel.firmware->transferKey()).first(15));
        std::vector<std::uint8_t> expected(form->Kestrel32Image.begin(), form->Kestrel32Image.end());
        std::copy(form->PhysButtons.begin(), form->PhysButtons.end(), expected.begin() + 268);
        std::copy(form->LogButtons.begin(), form->LogButtons.end(), expected.begin() + 524);
        EXPECT_EQ(wire, expected);
    }
}

TEST_F(ProtocolWire, FalconetButtonPagesUseButtonMemory)
{
    struct Case { int page; std::uint16_t address; };
    for (const Case c : {Case{1, 0x000}, Case{2, 0x100}}) {
        SCOPED_TRACE(c.page);
        auto falconet = select(tappedFalconet(clock, 64, "tapped:buttons-" + std::to_string(c.page)));
        showPage(c.page);
        falconet.tap->clear();
        clock.clearPauses();
        get();
        auto sent = falconet.tap->sent();
        ASSERT_EQ(sent.size(), 1u) << "only the page's block, never the parameter block";
        EXPECT_EQ(head(sent[0].bytes, 9), bytesOf({0x59, 0xA5, 0xD3, 0x00, 0x01, c.address & 0xFF, c.address >> 8, 0, 0}));
        const auto& block = c.page == 1 ? form->PhysButtons : form->LogButtons;
        const auto& memory = falconet.firmware->buttonMemory();
        EXPECT_TRUE(std::equal(block.begin(), block.end(), memory.begin() + c.address));

        falconet.tap->clear();
        clock.clearPauses();
        std::fill(falconet.firmware->buttonMemory().begin(), falconet.firmware->buttonMemory().end(), 0);
        set();
        sent = falconet.tap->sent();
        ASSERT_EQ(sent.size(), 6u); // two halves of 128 bytes, three 64-byte reports each
        EXPECT_EQ(head(sent[0].bytes, 7), bytesOf({0x59, 0xA5, 0x92, 0x80, 0x00, c.address & 0xFF, c.address >> 8}));
        const int second = c.address + 128;
        EXPECT_EQ(head(sent[3].bytes, 7), bytesOf({0x59, 0xA5, 0x92, 0x80, 0x00, second & 0xFF, second >> 8}));
        EXPECT_EQ(clock.pauses(), (Pauses{18, 18, 18, 25, 18, 18, 18, 25}));
        EXPECT_TRUE(std::equal(block.begin(), block.end(), memory.begin() + c.address));
    }
}

TEST_F(ProtocolWire, AutomaticReadTakesTheWholeImageFromNonVolatileMemory)
{
    auto falconet = select(tappedFalconet(clock));
    useRam(true);
    fireTimer2();
    const auto sent = falconet.tap->sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(head(sent[0].bytes, 9), bytesOf({0x59, 0xA5, 0xC5, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(ProtocolWire, ShortCommandsOfTheFalconetArePlain)
{
    auto falconet = select(tappedFalconet(clock));
    struct Case { void (app::TMainForm::*handler)(); std::uint8_t code; };
    const Case cases[] = {{&app::TMainForm::btnResetClick, 0x00},
                          {&app::TMainForm::btnSTARTClbClick, 0x02},
                          {&app::TMainForm::btnENDClbClick, 0x03},
                          {&app::TMainForm::btnCANCELClbClick, 0x04}};
    for (const Case& c : cases) {
        falconet.tap->clear();
        run(c.handler);
        const auto sent = falconet.tap->sent();
        ASSERT_EQ(sent.size(), 1u);
        std::vector<std::uint8_t> expected(64, 0);
        expected[0] = 0x59;
        expected[1] = 0xA5;
        expected[2] = 0x5A;
        expected[3] = c.code;
        EXPECT_EQ(sent[0].bytes, expected) << int(c.code);
    }
    EXPECT_TRUE(clock.pauses().empty());
}

TEST_F(ProtocolWire, Kestrel32StartCarriesTheTransferKeyEnciphered)
{
    auto kestrel = select(tappedKestrel32(clock));
    run(&app::TMainForm::btnSTARTClbClick);

    const auto sent = kestrel.tap->sent();
    ASSERT_EQ(sent.size(), 1u);
    auto report = sent[0].bytes;
    ASSERT_EQ(report.size(), 128u);
    EXPECT_EQ(head(report, 5), bytesOf({0x59, 0xA5, 0x5A, 0x22, 0x00}));
    const std::array<std::uint8_t, 4> key{0xA5, 0x5A, 0x22, 0x00};
    RC4Crypt(std::span(report).subspan(5, 120), key);
    const auto& transferKey = kestrel.firmware->transferKey();
    EXPECT_TRUE(std::equal(transferKey.begin(), transferKey.end(), report.begin() + 88));
    std::fill(report.begin() + 88, report.begin() + 104, 0);
    EXPECT_TRUE(std::all_of(report.begin() + 4, report.end(), [](std::uint8_t b) { return b == 0; }));
    ASSERT_EQ(kestrel.firmware->record().shortCommands.size(), 1u);
    EXPECT_TRUE(kestrel.firmware->record().shortCommands[0].accepted);
}

TEST_F(ProtocolWire, BootloaderSendsTwoCommands10msApart)
{
    auto falconet = select(tappedFalconet(clock));
    run(&app::TMainForm::btnBootloaderClick);
    const auto sent = falconet.tap->sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(head(sent[0].bytes, 5), bytesOf({0x59, 0xA5, 0x5A, 0x3B, 0x00}));
    EXPECT_EQ(head(sent[1].bytes, 5), bytesOf({0x59, 0xA5, 0x5A, 0x55, 0x00}));
    EXPECT_EQ(sent[1].ms - sent[0].ms, 10u);
    EXPECT_EQ(clock.pauses(), (Pauses{10}));
}

} // namespace
} // namespace orvex::test

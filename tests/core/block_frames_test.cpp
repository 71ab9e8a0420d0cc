#include "core/block_frames.h"
#include "core/crc16.h"
#include "core/transfer_key.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

using orvex::BlockHeader;

std::vector<std::uint8_t> counting(std::size_t n, std::uint8_t first = 0)
{
    std::vector<std::uint8_t> v(n);
    std::iota(v.begin(), v.end(), first);
    return v;
}

TEST(BlockHeader, LittleEndianOnTheWire)
{
    const BlockHeader h{0xA5, 0x87, 0x0400, 0x0123, 0xBEEF};
    const std::array<std::uint8_t, 8> expected{0xA5, 0x87, 0x00, 0x04, 0x23, 0x01, 0xEF, 0xBE};
    EXPECT_EQ(h.bytes(), expected);
    const BlockHeader back = BlockHeader::load(expected.data());
    EXPECT_EQ(back.bytes(), expected);
}

// A 144-byte block with 64-byte reports and report ID 0x59: the first report carries the header
// and 55 data bytes, the second 63, the third the last 26 followed by zeros.
TEST(BlockWrite, SplitsAcrossReports)
{
    const auto block = counting(144, 1);
    const BlockHeader header = orvex::makeWriteHeader(0x07, 0x0000, block);
    EXPECT_EQ(header.command, 0x87);
    EXPECT_EQ(header.length, 144);
    EXPECT_EQ(header.crc, orvex::crc16(block));

    std::vector<std::uint8_t> report(64, 0xEE);
    std::size_t position = 0;
    std::vector<std::size_t> counts;
    std::vector<std::vector<std::uint8_t>> reports;
    while (position < block.size()) {
        const std::size_t base = orvex::headerBase(0x59);
        const std::size_t n = orvex::buildBlockReport(report, 0x59, base, position == 0 ? &header : nullptr,
                                                      std::span(block).subspan(position));
        counts.push_back(n);
        reports.push_back(report);
        position += n;
    }
    EXPECT_EQ(counts, (std::vector<std::size_t>{55, 63, 26}));
    for (const auto& r : reports)
        EXPECT_EQ(r[0], 0x59);
    const auto headerBytes = header.bytes();
    EXPECT_TRUE(std::equal(headerBytes.begin(), headerBytes.end(), reports[0].begin() + 1));
    EXPECT_EQ(reports[0][9], 1);
    EXPECT_EQ(reports[0][63], 55);
    EXPECT_EQ(reports[1][1], 56);
    EXPECT_EQ(reports[2][26], 144);
    EXPECT_TRUE(std::all_of(reports[2].begin() + 27, reports[2].end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(BlockWrite, ReportTooShortForDataPlacesNothing)
{
    std::vector<std::uint8_t> report(9);
    const auto block = counting(4);
    const BlockHeader header = orvex::makeWriteHeader(0x07, 0, block);
    EXPECT_EQ(orvex::buildBlockReport(report, 0x59, 1, &header, block), 0u);
    EXPECT_EQ(report[1], 0xA5);
}

TEST(ReadRequest, HeaderAfterReportIdWithZeroCrc)
{
    std::vector<std::uint8_t> report(64, 0xEE);
    orvex::buildReadRequest(report, 0x59, 0x25, 1024, 0x0010);
    const std::vector<std::uint8_t> head{0x59, 0xA5, 0xE5, 0x00, 0x04, 0x10, 0x00, 0x00, 0x00};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), report.begin()));
    EXPECT_TRUE(std::all_of(report.begin() + 9, report.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(ReadReply, HeaderAtByteOneThenData)
{
    const auto data = counting(20, 0x40);
    const BlockHeader header = orvex::makeReplyHeader(0xE5, 0x0030, data);
    std::vector<std::uint8_t> report(16);
    const std::size_t n = orvex::buildBlockReport(report, 0x59, orvex::kReadHeaderBase, &header, data);
    EXPECT_EQ(n, 7u);
    const BlockHeader parsed = BlockHeader::load(report.data() + 1);
    EXPECT_EQ(parsed.marker, 0x5A);
    EXPECT_EQ(parsed.length, 20);
    EXPECT_EQ(parsed.address, 0x30);
    EXPECT_EQ(parsed.crc, orvex::crc16(data));
    EXPECT_EQ(report[orvex::blockDataOffset(1, true)], 0x40);
}

TEST(ShortCommand, PlainReset)
{
    std::vector<std::uint8_t> report(128, 0xEE);
    orvex::buildShortCommand(report, 0x59, 0x00, nullptr);
    std::vector<std::uint8_t> expected(128, 0);
    expected[0] = 0x59;
    expected[1] = 0xA5;
    expected[2] = 0x5A;
    EXPECT_EQ(report, expected);
}

// Reference bytes from an independent Python RC4: report 59 A5 5A 22 00, key bytes 00..0F at
// 88..103, bytes 5..124 enciphered under the 4-byte key A5 5A 22 00.
TEST(ShortCommand, EncipheredStartKnownAnswer)
{
    std::array<std::uint8_t, 16> key{};
    std::iota(key.begin(), key.end(), 0);
    std::vector<std::uint8_t> report(128, 0xEE);
    orvex::buildShortCommand(report, 0x59, 0x02, &key);
    const std::vector<std::uint8_t> head{0x59, 0xA5, 0x5A, 0x22, 0x00, 0x87, 0xEF, 0x58,
                                         0xE3, 0x01, 0x66, 0xD0, 0x3F, 0xC3, 0x1A, 0x05};
    const std::vector<std::uint8_t> keyArea{0x7B, 0x6E, 0x7E, 0x07, 0xEC, 0x14, 0x1B, 0xEA,
                                            0x2A, 0xEA, 0x48, 0x3C, 0xDA, 0x73, 0xEA, 0xA9};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), report.begin()));
    EXPECT_TRUE(std::equal(keyArea.begin(), keyArea.end(), report.begin() + 88));
    EXPECT_EQ(report[125], 0);

    orvex::decipherShortCommand(report);
    EXPECT_TRUE(std::equal(key.begin(), key.end(), report.begin() + 88));
    EXPECT_TRUE(std::all_of(report.begin() + 5, report.begin() + 88, [](std::uint8_t b) { return b == 0; }));
}

// Reference bytes from an independent Python model of the derivation: the four stored words
// 4F5A7D31 9C3E58A2 1B6C2E77 D40F86E5, word 1 XOR 5A5AA5A5, word 3 rotated left by 11, first 13
// bytes little-endian; then RC4 of the seed 10..1F under that key.
TEST(TransferKey, DerivationKnownAnswer)
{
    const std::array<std::uint8_t, 13> derivation{0x31, 0x7D, 0x5A, 0x4F, 0x07, 0xFD, 0x64,
                                                   0xC6, 0x77, 0x2E, 0x6C, 0x1B, 0xA0};
    EXPECT_EQ(orvex::derivationKey(), derivation);

    std::array<std::uint8_t, 16> seed{};
    std::iota(seed.begin(), seed.end(), 0x10);
    const std::array<std::uint8_t, 16> expected{0x16, 0x19, 0x4C, 0xA0, 0xA0, 0x7D, 0x1F, 0x7E,
                                                0x97, 0x62, 0xFA, 0xE3, 0xE9, 0xF5, 0xD7, 0x56};
    EXPECT_EQ(orvex::deriveTransferKey(seed), expected);
}

} // namespace

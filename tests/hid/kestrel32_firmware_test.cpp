#include "hid/emulated/demo_boards.h"
#include "hid/emulated/kestrel32_firmware.h"

#include "core/rc4.h"
#include "core/transfer_key.h"

#include "board_host.h"

#include <gtest/gtest.h>

namespace orvex::hid {
namespace {

/// A Kestrel32 board with demo settings (replies of at most 512 bytes, 128-byte reports).
class Kestrel32Test : public ::testing::Test {
protected:
    orvex::test::ManualClock clock;
    std::shared_ptr<EmulatedBoard> board = makeKestrel32Board(clock);
    Kestrel32Firmware& fw = *board->firmwareAs<Kestrel32Firmware>();
    test::BoardHost host{*board, clock};

    /// The key the tool derives from the identifier reply.
    std::array<std::uint8_t, kTransferKeySize> keyFromBoard()
    {
        const auto reply = host.read(10, 0, kCpuIdReplySize);
        EXPECT_TRUE(reply.complete);
        std::array<std::uint8_t, kTransferKeySize> seed{};
        std::copy_n(reply.data.begin() + kCpuIdSeedOffset, seed.size(), seed.begin());
        return deriveTransferKey(seed);
    }

    static void cipher(std::span<std::uint8_t> data, const std::array<std::uint8_t, kTransferKeySize>& key)
    {
        RC4Crypt(data, std::span<const std::uint8_t>(key.data(), kParameterKeyLength));
    }
};

TEST_F(Kestrel32Test, IdentifierReplyCarriesTheSeedOfTheTransferKey)
{
    EXPECT_EQ(keyFromBoard(), fw.transferKey());
    EXPECT_TRUE(std::equal(kDemoKestrel32Seed.begin(), kDemoKestrel32Seed.end(),
                           fw.cpuIdReply().begin() + kCpuIdSeedOffset));
}

TEST_F(Kestrel32Test, EncipheredReadIsOneStreamOverEveryExchange)
{
    const auto key = keyFromBoard();
    fw.setMaxReplySize(300);
    auto result = host.read(0x25, 0, 1024);
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(result.exchanges.size(), 4u);
    cipher(result.data, key);
    EXPECT_EQ(result.data, fw.nonVolatile());

    result = host.read(0x25, 100, 20);
    cipher(result.data, key);
    EXPECT_TRUE(std::equal(result.data.begin(), result.data.end(), fw.nonVolatile().begin() + 100))
        << "a new read starts a new stream at its own first byte";
}

TEST_F(Kestrel32Test, EncipheredWriteRoundTrip)
{
    const auto key = keyFromBoard();
    std::vector<std::uint8_t> plain(1024);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<std::uint8_t>(i * 7 + 3);
    auto wire = plain;
    cipher(wire, key);
    EXPECT_EQ(host.write(0x27, 0, wire), 9u) << "119 bytes, then 127 a report";
    ASSERT_TRUE(fw.record().blockWrites.back().accepted);
    EXPECT_EQ(fw.nonVolatile(), plain);

    auto back = host.read(0x26, 0, 1024);
    ASSERT_TRUE(back.complete);
    cipher(back.data, key);
    EXPECT_EQ(back.data, plain);
}

TEST_F(Kestrel32Test, EncipheredShortCommandsAreCheckedAgainstTheKey)
{
    const auto key = fw.transferKey();
    auto wrong = key;
    wrong[15] ^= 1;
    host.shortCommand(2, &key);
    host.shortCommand(59, &key);
    host.shortCommand(85, &key);
    host.shortCommand(0, &wrong);

    const auto& commands = fw.record().shortCommands;
    ASSERT_EQ(commands.size(), 4u);
    struct Expected {
        std::uint8_t code, wire;
        bool accepted;
    };
    const Expected expected[] = {{2, 0x22, true}, {59, 0x3B, true}, {85, 0x75, true}, {0, 0x20, false}};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(commands[i].enciphered);
        EXPECT_EQ(commands[i].code, expected[i].code);
        EXPECT_EQ(commands[i].wireCode, expected[i].wire);
        EXPECT_EQ(commands[i].accepted, expected[i].accepted);
    }
}

TEST_F(Kestrel32Test, DemoSettingsFillEveryPage)
{
    const auto& block = fw.nonVolatile();
    EXPECT_EQ(block[8] | (block[9] << 8), 0x0203) << "version word";
    EXPECT_EQ(block[16], 0x88) << "8 physical and 8 logical axes";
    EXPECT_EQ(block[188], 0) << "equalizer curves start at 0";
    EXPECT_GT(block[188 + 9], block[188 + 5]) << "and rise";
    EXPECT_EQ(block[268], 0x80) << "input 1 is logical button 1";
    EXPECT_EQ(block[524], 0x80);
}

} // namespace
} // namespace orvex::hid

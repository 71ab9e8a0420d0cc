#include "core/crc16.h"
#include "core/rc4.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// CRC-16/MODBUS check values from the CRC catalogue: "123456789" gives 0x4B37; "abc" 0x5749.
TEST(Crc16, KnownAnswers)
{
    EXPECT_EQ(orvex::crc16(bytesOf("123456789")), 0x4B37);
    EXPECT_EQ(orvex::crc16(bytesOf("abc")), 0x5749);
    EXPECT_EQ(orvex::crc16({}), 0xFFFF);
}

// RC4 vectors as published with the cipher (Key/Plaintext pairs of the Wikipedia RC4 article,
// taken from the original 1994 posting's test set).
TEST(Rc4, PublishedVectors)
{
    struct Case { std::string_view key, plain; std::vector<std::uint8_t> cipher; };
    const Case cases[] = {
        {"Key", "Plaintext", {0xBB, 0xF3, 0x16, 0xE8, 0xD9, 0x40, 0xAF, 0x0A, 0xD3}},
        {"Wiki", "pedia", {0x10, 0x21, 0xBF, 0x04, 0x20}},
        {"Secret", "Attack at dawn",
         {0x45, 0xA0, 0x1F, 0x64, 0x5F, 0xC3, 0x5B, 0x38, 0x35, 0x52, 0x54, 0x4B, 0x9B, 0xF5}},
    };
    for (const Case& c : cases) {
        auto data = bytesOf(c.plain);
        const auto key = bytesOf(c.key);
        orvex::RC4Crypt(data, key);
        EXPECT_EQ(data, c.cipher) << c.key;
        orvex::RC4Crypt(data, key);
        EXPECT_EQ(data, bytesOf(c.plain)) << "deciphering undoes it";
    }
}

} // namespace

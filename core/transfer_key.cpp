#include "core/transfer_key.h"

#include "core/rc4.h"

#include <algorithm>

namespace orvex {

namespace {
// Stored little-endian as four words; words 1 and 3 are altered before use.
constexpr std::array<std::uint32_t, 4> kDerivationConstant{0x4F5A7D31u, 0x9C3E58A2u, 0x1B6C2E77u,
                                                           0xD40F86E5u};
constexpr std::uint32_t kAlterWord1 = 0x5A5AA5A5u;
constexpr int kRotateWord3 = 11;
} // namespace

std::array<std::uint8_t, 13> derivationKey()
{
    std::array<std::uint32_t, 4> words = kDerivationConstant;
    words[1] ^= kAlterWord1;
    words[3] = (words[3] << kRotateWord3) | (words[3] >> (32 - kRotateWord3));
    std::array<std::uint8_t, 13> key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
    return key;
}

std::array<std::uint8_t, kTransferKeySize> deriveTransferKey(std::span<const std::uint8_t, kTransferKeySize> seed)
{
    std::array<std::uint8_t, kTransferKeySize> key{};
    std::copy(seed.begin(), seed.end(), key.begin());
    const auto derivation = derivationKey();
    RC4Crypt(key, derivation);
    return key;
}

} // namespace orvex

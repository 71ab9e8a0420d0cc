#pragma once
// The Kestrel32 board's transfer key. The board answers the processor identifier query with a
// 120-byte block; bytes 88..103 are a seed that the tool (and the board's firmware) turn into the
// 16-byte key with RC4 under a 13-byte derivation key. The derivation key is made from a stored
// constant, two of whose words are altered first, so that it does not stand in the binary as is.
#include <array>
#include <cstdint>
#include <span>

namespace orvex {

inline constexpr std::size_t kCpuIdReplySize = 120;
inline constexpr std::size_t kCpuIdSeedOffset = 88;
inline constexpr std::size_t kTransferKeySize = 16;
inline constexpr std::size_t kParameterKeyLength = 15; ///< parameter transfers use key bytes 0..14

/// The 13-byte derivation key, rebuilt on each call.
std::array<std::uint8_t, 13> derivationKey();

/// Turns the seed (bytes 88..103 of the identifier reply) into the transfer key.
std::array<std::uint8_t, kTransferKeySize> deriveTransferKey(std::span<const std::uint8_t, kTransferKeySize> seed);

} // namespace orvex

#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace orvex {

/// RC4 key schedule over the 256-byte state, key bytes repeated. keyLength must be 1..256.
void RC4KeySetup(std::array<std::uint8_t, 256>& state, const std::uint8_t* key, std::size_t keyLength);

/// Enciphers or deciphers `data` in place with a fresh RC4 stream of `key`; no keystream is
/// discarded. The same call undoes itself.
void RC4Crypt(std::span<std::uint8_t> data, std::span<const std::uint8_t> key);

} // namespace orvex

#pragma once
// Where the boards keep what the tool transfers: the two configuration images, the Falconet
// controller's separate button memory and the part of the Kestrel32 image that holds the buttons.
#include <cstddef>
#include <cstdint>

namespace orvex {

inline constexpr std::uint16_t kFalconetImageSize = 144;
inline constexpr std::uint16_t kKestrel32ImageSize = 1024;

/// A button block: 128 two-byte records (physical buttons or logical buttons).
inline constexpr std::size_t kButtonBlockSize = 256;

/// Falconet button memory: the physical block at 0..255, the logical block at 256..511. Each block
/// is written in two halves, so that one write never exceeds what the board buffers.
inline constexpr std::uint16_t kPhysButtonsAddress = 0;
inline constexpr std::uint16_t kLogButtonsAddress = 256;
inline constexpr std::size_t kButtonMemorySize = 512;
inline constexpr std::uint16_t kButtonHalfSize = 128;

/// The Kestrel32 image carries both button blocks itself.
inline constexpr std::size_t kKestrel32PhysButtonsOffset = 268;
inline constexpr std::size_t kKestrel32LogButtonsOffset = 524;

/// Scratch buffer of a parameter read: address + size of one read must stay within it.
inline constexpr std::size_t kParameterScratchSize = 2048;

} // namespace orvex

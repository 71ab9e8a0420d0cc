#pragma once
// The range of a parameter transfer: the start address and byte count the user may set in the
// transfer range fields, kept inside the configuration image before anything moves.
#include <cstdint>

namespace orvex {

/// A transfer of `size` bytes starting at image offset `address`. Wide signed fields, because
/// they come straight from edit fields and may be negative or larger than any image.
struct TransferRange {
    std::int64_t size = 0;
    std::int64_t address = 0;

    bool operator==(const TransferRange&) const = default;
};

/// Keeps `requested` inside an image of `imageSize` bytes. A range that runs past the end is cut
/// at the end; when its address already lies beyond the end the whole image is taken instead.
/// Negative fields count as 0. The result always has 0 <= address <= imageSize and
/// address + size <= imageSize.
TransferRange clampTransferRange(TransferRange requested, std::uint16_t imageSize);

} // namespace orvex

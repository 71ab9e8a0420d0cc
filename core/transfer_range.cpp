#include "core/transfer_range.h"

#include <algorithm>

namespace orvex {

TransferRange clampTransferRange(TransferRange requested, std::uint16_t imageSize)
{
    // Negative texts are made 0 first: left as they are, a negative address would index before
    // the image, and a negative size could hide an address beyond its end.
    TransferRange r{std::max<std::int64_t>(requested.size, 0), std::max<std::int64_t>(requested.address, 0)};
    if (r.size + r.address > imageSize) {
        if (r.address > imageSize)
            r.address = 0;
        r.size = imageSize - r.address;
    }
    return r;
}

} // namespace orvex

#include "core/transfer_range.h"

#include <gtest/gtest.h>

namespace {

using orvex::TransferRange;

TEST(ClampTransferRange, KeepsTheRangeInsideTheImage)
{
    struct Case { TransferRange in; std::uint16_t image; TransferRange out; };
    const Case cases[] = {
        {{200, 0}, 144, {144, 0}},
        {{10, 200}, 144, {144, 0}},
        {{50, 100}, 144, {44, 100}},
        {{10, 144}, 144, {0, 144}},
        {{144, 0}, 144, {144, 0}},
        {{1024, 0}, 1024, {1024, 0}},
        {{-5, 10}, 144, {0, 10}},
        {{20, -10}, 144, {20, 0}},
        {{-100, 200}, 144, {144, 0}},
        {{4'000'000'000, 4'000'000'000}, 1024, {1024, 0}},
        {{10, 0}, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        const TransferRange r = orvex::clampTransferRange(c.in, c.image);
        EXPECT_EQ(r, c.out) << c.in.size << " @ " << c.in.address << " in " << c.image;
    }
}

} // namespace

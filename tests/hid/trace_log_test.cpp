#include "hid/trace_log.h"

#include "support/manual_clock.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <array>
#include <fstream>
#include <sstream>

namespace orvex::hid {
namespace {

TEST(TraceLog, FormatsOneLinePerRequest)
{
    const std::array<std::uint8_t, 4> report{0x59, 0xA5, 0x0F, 0x00};
    EXPECT_EQ(TraceLog::formatLine(42, TraceDirection::Set, "/dev/hidraw3", report, true),
              "42\tset\t/dev/hidraw3\t59 A5 0F 00");
    EXPECT_EQ(TraceLog::formatLine(0, TraceDirection::Get, "emulated:a b", report, false),
              "0\tget\temulated:a b\t59 A5 0F 00\tFAILED");
}

TEST(TraceLog, AppendsLinesTimedFromItsOpening)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("trace.txt").toStdString();
    { std::ofstream(path) << "earlier run\n"; }
    test::ManualClock clock;
    clock.advance(1000);
    TraceLog trace(path, clock);
    ASSERT_TRUE(trace.isOpen());
    const std::array<std::uint8_t, 2> report{0x59, 0xFF};
    clock.advance(18);
    trace.record(TraceDirection::Set, "p", report, true);
    clock.advance(1);
    trace.record(TraceDirection::Get, "p", report, false);

    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "earlier run\n18\tset\tp\t59 FF\n19\tget\tp\t59 FF\tFAILED\n");
}

TEST(TraceLog, UnwritablePathRecordsNothing)
{
    test::ManualClock clock;
    TraceLog trace("/nonexistent-folder/trace.txt", clock);
    EXPECT_FALSE(trace.isOpen());
    const std::array<std::uint8_t, 1> report{0x59};
    trace.record(TraceDirection::Set, "p", report, true);
}

} // namespace
} // namespace orvex::hid

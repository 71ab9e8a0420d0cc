#include "hid/hid_ctl.h"

#include "hid/emulated/demo_boards.h"
#include "hid/trace_log.h"
#include "support/manual_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

namespace orvex::hid {
namespace {

void runEventLoop()
{
    QCoreApplication::processEvents();
}

/// A controller over the demo boards that records the notices and enumerations it sees.
class HidCtlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = makeDemoBackend(clock);
        emulated = backend.get();
        std::vector<std::unique_ptr<HidBackend>> backends;
        backends.push_back(std::move(backend));
        ctl = std::make_unique<HidCtl>(std::move(backends), trace);
        ctl->OnDeviceChange = [this] { ++changes; };
        ctl->OnEnumerate = [this](HidDevice& device, int index) {
            listed.push_back(device.PnPInfo().DevicePath);
            indices.push_back(index);
            return true;
        };
    }

    void enumerate()
    {
        listed.clear();
        indices.clear();
        ctl->Enumerate();
    }

    test::ManualClock clock;
    std::shared_ptr<TraceLog> trace;
    EmulatedBackend* emulated = nullptr;
    std::unique_ptr<HidCtl> ctl;
    int changes = 0;
    std::vector<std::string> listed;
    std::vector<int> indices;
};

TEST_F(HidCtlTest, PostsAFirstDeviceChangeOnTheEventLoop)
{
    EXPECT_EQ(changes, 0) << "the notice must not come from inside the constructor";
    runEventLoop();
    EXPECT_EQ(changes, 1);
}

TEST_F(HidCtlTest, QueuedNoticeOfADestroyedControllerIsDropped)
{
    ctl.reset();
    runEventLoop();
    EXPECT_EQ(changes, 0);
}

TEST_F(HidCtlTest, EnumeratesEveryPluggedBoardWithItsPoolIndex)
{
    enumerate();
    EXPECT_EQ(listed, (std::vector<std::string>{kDemoFalconetPath, kDemoKestrel32Path, kDemoBootLoaderPath}));
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 2}));

    ctl->OnEnumerate = [this](HidDevice&, int) { return ++changes < 2; };
    changes = 0;
    ctl->Enumerate();
    EXPECT_EQ(changes, 2) << "returning false stops the enumeration";
}

TEST_F(HidCtlTest, CheckOutHandsEachDeviceToOneHolder)
{
    enumerate();
    auto first = ctl->CheckOutByIndex(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->PnPInfo().DevicePath, kDemoFalconetPath);
    EXPECT_EQ(ctl->CheckOutByIndex(0), nullptr) << "already checked out";
    EXPECT_EQ(ctl->CheckOutByIndex(-1), nullptr);
    EXPECT_EQ(ctl->CheckOutByIndex(3), nullptr);

    enumerate();
    EXPECT_EQ(ctl->CheckOutByIndex(0), nullptr) << "a rebuild leaves a held device with its holder";

    ctl->CheckIn(first);
    EXPECT_EQ(first, nullptr);
    EXPECT_NE(ctl->CheckOutByIndex(0), nullptr);
}

TEST_F(HidCtlTest, UnpluggedBoardLeavesTheListButStaysUsableByItsHolder)
{
    runEventLoop();
    enumerate();
    auto kestrel = ctl->CheckOutByIndex(1);
    ASSERT_NE(kestrel, nullptr);

    ASSERT_TRUE(emulated->setPlugged(kDemoKestrel32Path, false));
    EXPECT_EQ(changes, 1) << "the removal notice comes through the event loop";
    runEventLoop();
    EXPECT_EQ(changes, 2);

    std::vector<std::uint8_t> report(128, 0);
    report[0] = 0x59;
    EXPECT_FALSE(kestrel->GetFeature(report.data(), report.size()));
    ctl->CheckIn(kestrel);
    enumerate();
    EXPECT_EQ(listed, (std::vector<std::string>{kDemoFalconetPath, kDemoBootLoaderPath}));

    emulated->setPlugged(kDemoKestrel32Path, true);
    runEventLoop();
    EXPECT_EQ(changes, 3);
    enumerate();
    EXPECT_EQ(listed.size(), 3u);
}

TEST(HidCtlTrace, EveryEnumeratedDeviceWritesToTheTrace)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("trace.txt").toStdString();
    test::ManualClock clock;
    auto trace = std::make_shared<TraceLog>(path, clock);
    std::vector<std::unique_ptr<HidBackend>> backends;
    backends.push_back(makeDemoBackend(clock));
    HidCtl ctl(std::move(backends), trace);
    ctl.Enumerate();
    auto device = ctl.CheckOutByIndex(2);
    ASSERT_NE(device, nullptr);
    std::vector<std::uint8_t> report(64, 0);
    report[0] = 0x59;
    clock.advance(5);
    EXPECT_TRUE(device->SetFeature(report.data(), report.size()));
    EXPECT_FALSE(device->SetFeature(report.data(), 10)) << "wrong length";

    std::ifstream in(path);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line.rfind("5\tset\temulated:bootloader-1\t59 00 00", 0), 0u) << line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "5\tset\temulated:bootloader-1\t59 00 00 00 00 00 00 00 00 00\tFAILED");
}

} // namespace
} // namespace orvex::hid

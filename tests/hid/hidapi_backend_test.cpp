// The backend for real boards, on a machine that may have no HID device at all: it must list
// what is there (possibly nothing) without failing, each path once, and start watching.
#include "hid/hidapi/hidapi_backend.h"

#include "hid/emulated/demo_boards.h"
#include "hid/hid_ctl.h"
#include "support/manual_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <set>

namespace orvex::hid {
namespace {

TEST(HidapiBackend, ListsThePresentDevicesOncePerPath)
{
    HidapiBackend backend;
    backend.watch([] {});
    std::set<std::string> paths;
    for (const auto& device : backend.enumerate()) {
        ASSERT_NE(device, nullptr);
        EXPECT_TRUE(paths.insert(device->PnPInfo().DevicePath).second) << device->PnPInfo().DevicePath;
        if (!device->openError().empty()) {
            std::uint8_t report[2] = {0x59, 0};
            EXPECT_FALSE(device->GetFeature(report, sizeof report)) << "a device not opened fails every request";
        }
    }
}

TEST(HidapiBackend, ControllerStartsWithRealAndEmulatedBackends)
{
    orvex::test::ManualClock clock;
    std::vector<std::unique_ptr<HidBackend>> backends;
    backends.push_back(std::make_unique<HidapiBackend>());
    backends.push_back(makeDemoBackend(clock));
    HidCtl ctl(std::move(backends), nullptr);
    int changes = 0;
    int listed = 0;
    ctl.OnDeviceChange = [&] {
        ++changes;
        ctl.Enumerate();
    };
    ctl.OnEnumerate = [&](HidDevice&, int) {
        ++listed;
        return true;
    };
    QCoreApplication::processEvents();
    EXPECT_GE(changes, 1);
    EXPECT_GE(listed, 3);
}

} // namespace
} // namespace orvex::hid

#pragma once
// The device controller: enumerates the devices of all backends, hands device objects out of
// its pool and takes them back, and tells its owner when devices come or go.
#include "hid/hid_backend.h"
#include "hid/hid_device.h"

#include <functional>
#include <memory>
#include <vector>

namespace orvex::hid {

class TraceLog;

class HidCtl {
public:
    /// Takes the backends; posts itself a device-change notice on the event loop, so the first
    /// device list is built as soon as the loop runs. `trace` (may be null) records every
    /// feature report exchanged with any device.
    HidCtl(std::vector<std::unique_ptr<HidBackend>> backends, std::shared_ptr<TraceLog> trace);
    ~HidCtl();

    /// Called once per present device during Enumerate, with its index in the pool;
    /// returning false stops the enumeration.
    std::function<bool(HidDevice& device, int index)> OnEnumerate;
    /// Called from the event loop when a device arrived or was removed.
    std::function<void()> OnDeviceChange;

    /// Rebuilds the pool from every backend and calls OnEnumerate for each device in it.
    void Enumerate();
    /// Takes the device at `index` out of the pool; null when the index is not valid or the
    /// device is already checked out. The device stays valid while held, also after unplugging
    /// (its requests then fail).
    std::shared_ptr<HidDevice> CheckOutByIndex(int index);
    /// Gives a checked-out device back to the pool and clears the caller's reference.
    void CheckIn(std::shared_ptr<HidDevice>& device);

private:
    struct PoolEntry {
        std::shared_ptr<HidDevice> device;
        bool checkedOut = false;
    };
    void postDeviceChange();

    std::vector<std::unique_ptr<HidBackend>> m_backends;
    std::shared_ptr<TraceLog> m_trace;
    std::vector<PoolEntry> m_pool;
    std::shared_ptr<bool> m_alive; ///< lets queued notices see that the controller is gone
};

} // namespace orvex::hid

#pragma once
// Arrival and removal of hidraw nodes from a udev monitor. It listens to the "udev" source,
// whose events come after udev has run its rules (device node created, access granted), and
// its socket is watched by the Qt event loop, so notices arrive on the GUI thread.
#include <functional>
#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace orvex::hid {

class UdevWatcher {
public:
    /// Opens the monitor; ok() tells whether it could. `onChange` runs from the event loop,
    /// once for all the events that arrived together.
    explicit UdevWatcher(std::function<void()> onChange);
    ~UdevWatcher();
    UdevWatcher(const UdevWatcher&) = delete;
    UdevWatcher& operator=(const UdevWatcher&) = delete;

    bool ok() const { return m_notifier != nullptr; }

private:
    void drain();

    std::function<void()> m_onChange;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace orvex::hid

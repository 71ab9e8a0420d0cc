#pragma once
// Arrival and removal by polling: about once a second the device paths hidapi lists are
// compared with the last ones. Used where the system offers no notices to this backend, and
// on Linux when no udev monitor can be opened.
#include <QTimer>

#include <functional>
#include <set>
#include <string>

namespace orvex::hid {

class PollWatcher {
public:
    /// Starts polling; `onChange` runs from the event loop when the set of paths changed.
    explicit PollWatcher(std::function<void()> onChange);

private:
    static std::set<std::string> currentPaths();
    void poll();

    std::function<void()> m_onChange;
    std::set<std::string> m_paths;
    QTimer m_timer;
};

} // namespace orvex::hid

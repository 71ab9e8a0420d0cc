#include "hid/hidapi/poll_watcher.h"

#include <hidapi.h>

namespace orvex::hid {

namespace {
constexpr int kPollIntervalMs = 1000;
} // namespace

PollWatcher::PollWatcher(std::function<void()> onChange)
    : m_onChange(std::move(onChange)), m_paths(currentPaths())
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
    m_timer.start(kPollIntervalMs);
}

std::set<std::string> PollWatcher::currentPaths()
{
    std::set<std::string> paths;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path != nullptr)
            paths.insert(d->path);
    }
    hid_free_enumeration(list);
    return paths;
}

void PollWatcher::poll()
{
    auto paths = currentPaths();
    if (paths == m_paths)
        return;
    m_paths = std::move(paths);
    m_onChange();
}

} // namespace orvex::hid

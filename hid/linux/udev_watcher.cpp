#include "hid/linux/udev_watcher.h"

#include <libudev.h>

#include <QSocketNotifier>

namespace orvex::hid {

UdevWatcher::UdevWatcher(std::function<void()> onChange) : m_onChange(std::move(onChange))
{
    m_udev = udev_new();
    if (m_udev == nullptr)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (m_monitor == nullptr || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0)
        return;
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { drain(); });
}

UdevWatcher::~UdevWatcher()
{
    m_notifier.reset();
    if (m_monitor != nullptr)
        udev_monitor_unref(m_monitor);
    if (m_udev != nullptr)
        udev_unref(m_udev);
}

void UdevWatcher::drain()
{
    // The monitor socket does not block: read every queued event, then tell once.
    bool changed = false;
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        changed = true;
        udev_device_unref(device);
    }
    if (changed)
        m_onChange();
}

} // namespace orvex::hid

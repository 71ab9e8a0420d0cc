#include "hid/hid_ctl.h"

#include <QTimer>

#include <algorithm>

namespace orvex::hid {

HidCtl::HidCtl(std::vector<std::unique_ptr<HidBackend>> backends, std::shared_ptr<TraceLog> trace)
    : m_backends(std::move(backends)), m_trace(std::move(trace)), m_alive(std::make_shared<bool>(true))
{
    // The backends deliver their notices from the event loop already (a posted event, a socket
    // notifier, a timer), so a notice is passed straight on: one turn of the loop after an
    // arrival or removal, the owner hears of it.
    for (auto& backend : m_backends) {
        backend->watch([this, alive = std::weak_ptr<bool>(m_alive)] {
            if (alive.lock() && OnDeviceChange)
                OnDeviceChange();
        });
    }
    postDeviceChange();
}

HidCtl::~HidCtl() = default;

void HidCtl::postDeviceChange()
{
    QTimer::singleShot(0, [this, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.lock() && OnDeviceChange)
            OnDeviceChange();
    });
}

void HidCtl::Enumerate()
{
    std::vector<PoolEntry> pool;
    for (auto& backend : m_backends) {
        for (auto& device : backend->enumerate()) {
            if (!device)
                continue;
            // A device object a holder still has out (the same object, handed out again by its
            // backend) stays checked out: nobody else may take it until it comes back.
            const bool held = std::any_of(m_pool.begin(), m_pool.end(), [&](const PoolEntry& e) {
                return e.checkedOut && e.device == device;
            });
            device->setTrace(m_trace);
            pool.push_back({std::move(device), held});
        }
    }
    m_pool = std::move(pool);

    for (std::size_t i = 0; i < m_pool.size(); ++i) {
        // Copy the pointer: the handler may check the device out, or in, while it runs.
        const std::shared_ptr<HidDevice> device = m_pool[i].device;
        if (OnEnumerate && !OnEnumerate(*device, static_cast<int>(i)))
            break;
    }
}

std::shared_ptr<HidDevice> HidCtl::CheckOutByIndex(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_pool.size())
        return nullptr;
    PoolEntry& entry = m_pool[static_cast<std::size_t>(index)];
    if (entry.checkedOut)
        return nullptr;
    entry.checkedOut = true;
    return entry.device;
}

void HidCtl::CheckIn(std::shared_ptr<HidDevice>& device)
{
    if (!device)
        return;
    for (auto& entry : m_pool) {
        if (entry.device == device)
            entry.checkedOut = false;
    }
    device.reset();
}

} // namespace orvex::hid

#include "hid/hidapi/hidapi_backend.h"

#include "core/report_descriptor.h"
#include "hid/hidapi/hidapi_device.h"
#include "hid/hidapi/platform_support.h"

#include <QTimer>

namespace orvex::hid {

namespace {
constexpr int kOpenRetryMs = 250;
constexpr int kOpenRetries = 8; ///< about two seconds after the arrival

std::vector<ListedDevice> listDevices()
{
    std::vector<ListedDevice> entries;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path == nullptr)
            continue;
        entries.push_back({d->path, d->vendor_id, d->product_id, d->release_number,
                           utf8FromWide(d->product_string), d->usage_page, d->usage});
    }
    hid_free_enumeration(list);
    return onePerPath(std::move(entries));
}
} // namespace

HidapiBackend::HidapiBackend()
    : m_session(std::make_shared<HidapiSession>()), m_platform(makePlatformSupport()),
      m_alive(std::make_shared<bool>(true))
{
}

HidapiBackend::~HidapiBackend() = default;

std::vector<std::shared_ptr<HidDevice>> HidapiBackend::enumerate()
{
    std::vector<std::shared_ptr<HidDevice>> devices;
    if (!m_session->ok())
        return devices;
    std::set<std::string> paths;
    for (const ListedDevice& entry : listDevices()) {
        paths.insert(entry.path);
        auto device = open(entry);
        const bool arrived = m_listedOnce && m_lastPaths.count(entry.path) == 0;
        if (arrived && !device->openError().empty() && m_platform->lacksPermission(entry.path))
            retryOpenLater(entry.path, 1);
        devices.push_back(std::move(device));
    }
    m_lastPaths = std::move(paths);
    m_listedOnce = true;
    return devices;
}

std::shared_ptr<HidDevice> HidapiBackend::open(const ListedDevice& entry)
{
    hid_device* handle = hid_open_path(entry.path.c_str());
    HidIdentity id;
    id.attributes = {entry.vendorId, entry.productId, entry.version};
    id.pnp = {entry.path, describeUsage(entry.usagePage, entry.usage)};
    id.productName = entry.productName;
    id.caps.FeatureReportByteLength =
        parseReportDescriptor(m_platform->reportDescriptor(entry.path, handle)).featureReportByteLength();
    id.descriptor5 = m_platform->stringDescriptor5(entry.path, handle);
    if (handle == nullptr)
        id.openError = m_platform->openErrorText(entry.path);
    return std::make_shared<HidapiDevice>(std::move(id), handle, m_session);
}

void HidapiBackend::retryOpenLater(const std::string& path, int attempt)
{
    QTimer::singleShot(kOpenRetryMs, [this, path, attempt, alive = std::weak_ptr<bool>(m_alive)] {
        if (!alive.lock())
            return;
        if (hid_device* handle = hid_open_path(path.c_str())) {
            hid_close(handle);
            if (m_onChange)
                m_onChange();
        } else if (attempt < kOpenRetries && m_platform->lacksPermission(path)) {
            retryOpenLater(path, attempt + 1);
        }
    });
}

void HidapiBackend::watch(std::function<void()> onChange)
{
    m_onChange = onChange;
    if (m_session->ok())
        m_platform->watch(std::move(onChange));
}

} // namespace orvex::hid

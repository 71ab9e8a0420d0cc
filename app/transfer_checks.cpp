#include "app/transfer_checks.h"

#include "app/TMainForm.h"
#include "app/prompts.h"
#include "core/int_text.h"

#include <QLineEdit>

namespace orvex::app {

namespace {
const QString kTransferErrorTitle = QStringLiteral("!!! Transfer Error !!!");

void refuse(const TMainForm& form, const QString& text)
{
    form.services().prompts.messageBox(text, kTransferErrorTitle, Prompts::Icon::Error);
}
} // namespace

std::int32_t fieldValue(const QLineEdit* field)
{
    if (field == nullptr || field->text().isEmpty())
        return 0;
    return StrToInt(field->text().toStdString());
}

std::uint8_t reportIdOf(const TMainForm& form)
{
    return static_cast<std::uint8_t>(fieldValue(form.FEATURE_REPORT_ID) & 0xFF);
}

bool reachesKnownDevice(const TMainForm& form)
{
    const int kind = form.deviceKind();
    return form.SelectedDevice && (kind == kKindFalconet || kind == kKindKestrel32);
}

bool featureLengthUsable(const TMainForm& form, bool block)
{
    const std::uint32_t length = form.FeatureLength;
    if (length > kTransferReportSize) {
        refuse(form, QStringLiteral("The device's feature report is %1 bytes long; this tool handles "
                                    "feature reports of up to %2 bytes. Nothing was sent.")
                         .arg(length)
                         .arg(kTransferReportSize));
        return false;
    }
    if (block && length < kMinBlockReportLength) {
        refuse(form, QStringLiteral("The device's feature report is %1 bytes long, too short for a block "
                                    "transfer (at least %2 bytes). Nothing was sent.")
                         .arg(length)
                         .arg(kMinBlockReportLength));
        return false;
    }
    return true;
}

bool rangeFits(const TMainForm& form, std::size_t address, std::size_t size, std::size_t room)
{
    if (address + size <= room)
        return true;
    refuse(form, QStringLiteral("A transfer of %1 bytes at address %2 does not fit the %3-byte buffer. "
                                "Nothing was transferred.")
                     .arg(size)
                     .arg(address)
                     .arg(room));
    return false;
}

} // namespace orvex::app

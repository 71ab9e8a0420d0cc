// The device list, and identification of the selected device: which family it belongs to
// decides which pages are built, which buttons are enabled and whether transfers are enciphered.
#include "app/TMainForm.h"
#include "app/app_title.h"
#include "app/prompts.h"
#include "core/device_identity.h"
#include "core/registry_script.h"
#include "hid/hid_ctl.h"

#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace orvex::app {

namespace {

constexpr std::uint32_t kPageBuildPauseMs = 100;
constexpr std::uint32_t kCpuIdRetryPauseMs = 100;
constexpr int kCpuIdAttempts = 3;
constexpr int kAutoReadDelayMs = 5000;

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

void TMainForm::HidCtlDeviceChange()
{
    for (auto& device : m_lineDevices)
        m_services.hid.CheckIn(device);
    m_lineDevices.clear();
    SelectedDevice.reset();
    DevListBox->clear();
    m_services.hid.Enumerate();
    Label3->clear();
    ComboBox1->setCurrentIndex(kKindUnknown);
    DevListBoxClick();
}

bool TMainForm::HidCtlEnumerate(hid::HidDevice& device, int index)
{
    const hid::HidAttributes& attributes = device.Attributes();
    if (!isListedDevice(attributes.VendorID, attributes.ProductID))
        return true;
    DevListBox->addItem(fromUtf8(deviceLineText(device.GetProductName(), attributes.VendorID,
                                                attributes.ProductID, attributes.VersionNumber)));
    m_lineDevices.push_back(m_services.hid.CheckOutByIndex(index));
    // After a rebuild the device selected before is selected again, found by its path.
    const QString path = fromUtf8(device.PnPInfo().DevicePath);
    if (!SelectedDevice && m_lineDevices.back() && !path.isEmpty() && path == SelectedDevicePath) {
        DevListBox->setCurrentRow(DevListBox->count() - 1);
        SelectedDevice = m_lineDevices.back();
    }
    return true;
}

void TMainForm::DevListBoxClick()
{
    IsPro = false;
    btnReset->setEnabled(false);
    btnBootloader->setEnabled(false);
    if (CheckBox2->isChecked())
        HistoryListBox->clear();
    const int row = DevListBox->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_lineDevices.size() || !m_lineDevices[row])
        return;

    SelectedDevice = m_lineDevices[static_cast<std::size_t>(row)];
    const std::shared_ptr<hid::HidDevice> device = SelectedDevice;
    const hid::HidAttributes attributes = device->Attributes();
    FeatureLength = device->GetCaps().FeatureReportByteLength;

    addHistoryLine(QStringLiteral("Product Name: ") + fromUtf8(device->GetProductName()));
    const std::string descriptor5 = device->GetDeviceStringAnsi(5);
    if (!descriptor5.empty()) {
        addHistoryLine(fromUtf8(descriptor5));
        IsPro = descriptorMarksPro(descriptor5);
    }
    addHistoryLine(QStringLiteral("Firmware version: ") +
                   fromUtf8(versionText(attributes.VersionNumber)));
    if (cbRegFile->isChecked())
        writeRegistryScript(".", attributes.VendorID, attributes.ProductID, m_services.keys);
    addHistoryLine(fromUtf8(device->PnPInfo().DeviceDescr));
    SelectedDevicePath = fromUtf8(device->PnPInfo().DevicePath);

    // A board the system will not let us open (no access rights, most often) can be listed
    // but not talked to: say why, and treat it as unknown so nothing is sent to it.
    const QString openError = fromUtf8(device->openError());
    if (!openError.isEmpty()) {
        addHistoryLine(openError);
        // Shown once the selection is done, as the exception display is.
        Prompts& prompts = m_services.prompts;
        QTimer::singleShot(0, this, [&prompts, openError] {
            prompts.messageBox(openError, QString::fromLatin1(kApplicationTitle), Prompts::Icon::Warning);
        });
    }

    btnReadParam->setEnabled(false);
    btnLoadParam->setEnabled(false);
    btnSaveParam->setEnabled(false);
    ComboBox2->setEnabled(false);
    ComboBox2->hide();
    for (std::size_t i = 0; i < CommandTable.size(); ++i)
        CommandTable[i] = static_cast<std::uint8_t>(i);

    const std::uint32_t usableLength = openError.isEmpty() ? FeatureLength : 0;
    const int kind = identifyDeviceKind(attributes.VendorID, attributes.ProductID, usableLength);
    ComboBox1->setCurrentIndex(kind);
    Label3->setText(fromUtf8(deviceLabel(kind, IsPro, attributes.VendorID, attributes.ProductID)));
    if (kind == kKindFalconet) {
        TrueDeviceFormInit();
        for (QWidget* control : std::initializer_list<QWidget*>{Calibration, btnSTART, btnEND, btnCANCEL})
            control->setEnabled(true);
    } else if (kind == kKindKestrel32) {
        CpuIdValid = false;
        TrueDeviceFormInit();
    } else {
        TabSheetClear();
        TabOption1Clear();
        TabOption2Clear();
        Edit_SIZE->setToolTip(QString());
        Edit_SIZE->clear();
        Edit_ADR->clear();
        for (QWidget* page : {EQ_TAB, PA_TAB, LA_TAB}) {
            const int index = PageControl2->indexOf(page);
            PageControl2->setTabVisible(index, false);
            PageControl2->setTabText(index, QString());
        }
        PageControl2->hide();
        PageControl2->setCurrentIndex(0);
        // The image of the board selected before stays selected; nothing may send it, nor a
        // pending automatic read or a calibration command, to this device.
        Timer2->stop();
        for (QWidget* control : std::initializer_list<QWidget*>{btnWriteParam, Calibration, btnSTART,
                                                                btnEND, btnCANCEL})
            control->setEnabled(false);
    }
    LastKind = static_cast<std::uint8_t>(kind);
    PageControl1Change();
}

void TMainForm::TrueDeviceFormInit()
{
    TabSheetActivate();
    m_services.clock.Sleep(kPageBuildPauseMs);
    if (deviceKind() == kKindKestrel32) {
        if (cbEncode->isChecked() && !CpuIdValid) {
            for (int attempt = 0; attempt < kCpuIdAttempts && !CpuIdValid; ++attempt) {
                ReadCPUID();
                m_services.clock.Sleep(kCpuIdRetryPauseMs);
            }
        }
        for (QWidget* control : std::initializer_list<QWidget*>{Calibration, btnSTART, btnEND, btnCANCEL})
            control->setEnabled(true);
    }
    if (deviceKind() == kKindFalconet)
        btnBootloader->setToolTip(
            QStringLiteral("!!! Для старта загрузчика устройство должно быть вновь подключенным !!!"));
    Edit_SIZE->setToolTip(QStringLiteral("Size, Max = ") + QString::number(ImageSize));
    btnReadParam->setEnabled(true);
    ComboBox2->show();
    ComboBox2->setEnabled(true);
    btnReset->setEnabled(true);
    btnBootloader->setEnabled(true);
    btnLoadParam->setEnabled(true);
    if (cbAutoReadParam->isChecked())
        Timer2->start(kAutoReadDelayMs);
}

void TMainForm::TrueDevicePageControl2Init(bool physical, bool logical, bool equalizer)
{
    struct AxisPage {
        QWidget* page;
        bool shown;
        const char16_t* caption;
    };
    PageControl2->hide();
    for (const AxisPage& entry : {AxisPage{EQ_TAB, equalizer, u"Эквалайзер"},
                                  AxisPage{LA_TAB, logical, u"Логические оси"},
                                  AxisPage{PA_TAB, physical, u"Физические оси"}}) {
        const int index = PageControl2->indexOf(entry.page);
        PageControl2->setTabVisible(index, entry.shown);
        if (entry.shown)
            PageControl2->setTabText(index, QString::fromUtf16(entry.caption));
    }
}

} // namespace orvex::app

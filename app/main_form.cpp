// Construction of the main window, its handler wiring, the automatic-read timer and the memory
// selector. The fixed controls themselves are laid out in main_form_layout.cpp.
#include "app/TMainForm.h"
#include "app/app_title.h"
#include "app/device_list_box.h"
#include "app/event_guard.h"
#include "hid/hid_ctl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <initializer_list>
#include <memory>

#ifndef ORVEX_VERSION_TEXT
#define ORVEX_VERSION_TEXT "0.0.0"
#endif

namespace orvex::app {

namespace {

/// Parameter read from non-volatile memory: the command the automatic read sends.
constexpr std::uint8_t kReadParametersCommand = 5;

/// A device notice that comes while a handler runs is delivered this much later.
constexpr int kDeviceChangeRetryMs = 50;

/// Runs the window's handlers inside the exception guard and knows whether one is running. A
/// handler may open a modal box, whose event loop lets timer ticks and device notices through;
/// those wait until the handler is done, so the device list is never rebuilt under a transfer.
class HandlerRunner {
public:
    explicit HandlerRunner(TMainForm& form) : m_form(form) {}

    void run(void (TMainForm::*handler)())
    {
        ++m_depth;
        runGuarded(m_form.services().prompts, [this, handler] { (m_form.*handler)(); });
        --m_depth;
    }
    bool busy() const { return m_depth > 0; }

    /// The list rebuild; postponed (once, however many notices come) while a handler runs.
    static void deviceChange(const std::shared_ptr<HandlerRunner>& runner)
    {
        if (!runner->busy()) {
            runner->m_deviceChangePending = false;
            runner->run(&TMainForm::HidCtlDeviceChange);
        } else if (!runner->m_deviceChangePending) {
            runner->m_deviceChangePending = true;
            QTimer::singleShot(kDeviceChangeRetryMs, &runner->m_form, [runner] {
                runner->m_deviceChangePending = false;
                deviceChange(runner);
            });
        }
    }

private:
    TMainForm& m_form;
    int m_depth = 0;
    bool m_deviceChangePending = false;
};

template <class Sender, class Signal>
void connectHandler(const std::shared_ptr<HandlerRunner>& runner, TMainForm& form, Sender* sender,
                    Signal signal, void (TMainForm::*handler)())
{
    QObject::connect(sender, signal, &form, [runner, handler] { runner->run(handler); });
}

void connectHandlers(TMainForm& form)
{
    const auto runner = std::make_shared<HandlerRunner>(form);
    hid::HidCtl& hid = form.services().hid;
    hid.OnDeviceChange = [runner] { HandlerRunner::deviceChange(runner); };
    // Enumeration runs inside the list rebuild; its guard only keeps a failure from unwinding
    // through the controller.
    hid.OnEnumerate = [&form](hid::HidDevice& device, int index) {
        bool goOn = true;
        runGuarded(form.services().prompts, [&] { goOn = form.HidCtlEnumerate(device, index); });
        return goOn;
    };

    connectHandler(runner, form, static_cast<DeviceListBox*>(form.DevListBox),
                   &DeviceListBox::userClicked, &TMainForm::DevListBoxClick);
    // A tick while a handler runs is skipped; the timer stays armed and comes again.
    QObject::connect(form.Timer2, &QTimer::timeout, &form, [runner] {
        if (!runner->busy())
            runner->run(&TMainForm::Timer2Timer);
    });
    connectHandler(runner, form, form.cbAutoReadParam, &QCheckBox::toggled, &TMainForm::cbAutoReadParamClick);
    connectHandler(runner, form, form.PageControl1, &QTabWidget::currentChanged, &TMainForm::PageControl1Change);

    struct ButtonHandler {
        QPushButton* button;
        void (TMainForm::*handler)();
    };
    const ButtonHandler buttons[] = {
        {form.btnReadParam, &TMainForm::btnReadParamClick},
        {form.btnWriteParam, &TMainForm::btnWriteParamClick},
        {form.btnReset, &TMainForm::btnResetClick},
        {form.btnBootloader, &TMainForm::btnBootloaderClick},
        {form.btnSTART, &TMainForm::btnSTARTClbClick},
        {form.btnEND, &TMainForm::btnENDClbClick},
        {form.btnCANCEL, &TMainForm::btnCANCELClbClick},
    };
    for (const ButtonHandler& entry : buttons)
        connectHandler(runner, form, entry.button, &QPushButton::clicked, entry.handler);
}

} // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services)
{
    buildFixedControls();

    SelectedDevicePath.clear();
    ImagePtr = nullptr;
    PhysButtons.fill(0xFF);
    LogButtons.fill(0xFF);
    ComboBox1->hide();
    GroupBox2->hide();
    Edit_ADR->setEnabled(false);
    Edit_ADR->hide();
    Edit_SIZE->setEnabled(false);
    Edit_SIZE->hide();
    HidUsageWarned = false;
    for (QWidget* control : std::initializer_list<QWidget*>{Calibration, btnSTART, btnEND, btnCANCEL, ComboBox2})
        control->setEnabled(false);
    CpuIdValid = false;
    setWindowTitle(QString::fromLatin1(kApplicationTitle) + QStringLiteral("  " ORVEX_VERSION_TEXT));

    connectHandlers(*this);
}

TMainForm::~TMainForm()
{
    // The controller may outlive the window (tests keep it): it must not call back into it, and
    // it gets every device object back.
    m_services.hid.OnDeviceChange = nullptr;
    m_services.hid.OnEnumerate = nullptr;
    SelectedDevice.reset();
    for (auto& device : m_lineDevices)
        m_services.hid.CheckIn(device);
}

int TMainForm::deviceKind() const { return ComboBox1->currentIndex(); }

void TMainForm::Timer2Timer()
{
    // Stopped first: the read may show a message box, whose event loop would let the timer fire
    // again, and a read that fails must not repeat every few seconds.
    Timer2->stop();
    // The timer may have been armed for a board that has gone or been replaced by one that is
    // not recognised since; the image of the earlier board must not be read from that one.
    const int kind = deviceKind();
    if (SelectedDevice && (kind == kKindFalconet || kind == kKindKestrel32))
        ReadParameters(kReadParametersCommand, ImageSize, 0);
}

void TMainForm::cbAutoReadParamClick()
{
    if (cbAutoReadParam->isChecked() && SelectedDevice)
        Timer2Timer();
}

void TMainForm::PageControl1Change()
{
    // The Falconet controller keeps its buttons in flash and its parameters in EEPROM or RAM;
    // the Kestrel32 board keeps everything in one block, in flash or RAM. The History page
    // transfers nothing, so the list stays as it was there.
    const int page = PageControl1->currentIndex();
    QStringList items;
    if (deviceKind() == kKindFalconet) {
        if (page == 0)
            items = {QStringLiteral("EEPROM"), QStringLiteral("RAM")};
        else if (page == 1 || page == 2)
            items = {QStringLiteral("FLASH")};
    } else if (deviceKind() == kKindKestrel32) {
        items = {QStringLiteral("FLASH"), QStringLiteral("RAM")};
    }
    if (items.isEmpty())
        return;
    ComboBox2->clear();
    ComboBox2->addItems(items);
    ComboBox2->setCurrentIndex(0);
}

} // namespace orvex::app

// Construction of the main window, its handler wiring, the automatic-read timer and the memory
// selector. The fixed controls themselves are laid out in main_form_layout.cpp.
#include "app/TMainForm.h"
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

#ifndef ORVEX_VERSION_TEXT
#define ORVEX_VERSION_TEXT "0.0.0"
#endif

namespace orvex::app {

namespace {

/// Parameter read from non-volatile memory: the command the automatic read sends.
constexpr std::uint8_t kReadParametersCommand = 5;

/// Connects a Qt signal to a handler of the form; the handler runs inside the exception guard.
template <class Sender, class Signal>
void connectGuarded(TMainForm& form, Sender* sender, Signal signal, void (TMainForm::*handler)())
{
    QObject::connect(sender, signal, &form, [&form, handler] {
        runGuarded(form.services().prompts, [&form, handler] { (form.*handler)(); });
    });
}

void connectHandlers(TMainForm& form)
{
    Prompts& prompts = form.services().prompts;
    hid::HidCtl& hid = form.services().hid;
    hid.OnDeviceChange = [&form, &prompts] {
        runGuarded(prompts, [&form] { form.HidCtlDeviceChange(); });
    };
    hid.OnEnumerate = [&form, &prompts](hid::HidDevice& device, int index) {
        bool goOn = true;
        runGuarded(prompts, [&] { goOn = form.HidCtlEnumerate(device, index); });
        return goOn;
    };

    connectGuarded(form, static_cast<DeviceListBox*>(form.DevListBox), &DeviceListBox::userClicked,
                   &TMainForm::DevListBoxClick);
    connectGuarded(form, form.Timer2, &QTimer::timeout, &TMainForm::Timer2Timer);
    connectGuarded(form, form.cbAutoReadParam, &QCheckBox::toggled, &TMainForm::cbAutoReadParamClick);
    connectGuarded(form, form.PageControl1, &QTabWidget::currentChanged, &TMainForm::PageControl1Change);

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
        connectGuarded(form, entry.button, &QPushButton::clicked, entry.handler);
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
    setWindowTitle(QStringLiteral("Orvex Device Config  " ORVEX_VERSION_TEXT));

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

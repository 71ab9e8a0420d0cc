// The fixed controls of the main window and where they stand. Everything is placed with absolute
// geometry: the parameter pages put their run-time controls at fixed pixel positions relative to
// the group boxes laid out here, so this layout and theirs must agree pixel for pixel.
#include "app/TMainForm.h"
#include "app/device_list_box.h"
#include "core/device_identity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <initializer_list>
#include <string_view>

namespace orvex::app {

namespace {

constexpr int kClientWidth = 954;
constexpr int kClientHeight = 686;
constexpr int kFormFontPx = 13;
constexpr int kStripFontPx = 11;
constexpr int kDeviceNameFontPx = 17;
constexpr int kTimer2DefaultMs = 3000;

/// Creates a control of type W as a child of `parent`, named and placed.
template <class W>
W* place(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, int left,
                         int top, int width, int height)
{
    auto* button = place<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    return button;
}

QCheckBox* placeCheckBox(QWidget* parent, const char* name, const QString& caption, int left,
                         int top, int width, int height)
{
    auto* box = place<QCheckBox>(parent, name, left, top, width, height);
    box->setText(caption);
    return box;
}

/// A page of a tab control, named after its component.
QWidget* addPage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    tabs->addTab(page, caption);
    return page;
}

QFont pixelFont(QFont font, int pixels, bool bold = false)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void TMainForm::buildFixedControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(pixelFont(font(), kFormFontPx));

    // Top row: device list, the two device command groups, the two options.
    DevListBox = place<DeviceListBox>(client, "DevListBox", 8, 8, 330, 100);

    GroupBox1 = place<QGroupBox>(client, "GroupBox1", 346, 2, 140, 106);
    GroupBox1->setTitle(QStringLiteral("Common"));
    btnReset = placeButton(GroupBox1, "btnReset", QStringLiteral("Reset"), 12, 26, 116, 30);
    btnBootloader = placeButton(GroupBox1, "btnBootloader", QStringLiteral("Bootloader"), 12, 64, 116, 30);

    Calibration = place<QGroupBox>(client, "Calibration", 494, 2, 244, 106);
    Calibration->setTitle(QStringLiteral("Calibration"));
    btnSTART = placeButton(Calibration, "btnSTART", QStringLiteral("START"), 12, 44, 68, 30);
    btnEND = placeButton(Calibration, "btnEND", QStringLiteral("END"), 88, 44, 68, 30);
    btnCANCEL = placeButton(Calibration, "btnCANCEL", QStringLiteral("CANCEL"), 164, 44, 68, 30);

    cbAutoReadParam = placeCheckBox(client, "cbAutoReadParam", QStringLiteral("Auto Read Parameters"),
                                    750, 24, 196, 24);
    cbRegFile = placeCheckBox(client, "cbRegFile", QStringLiteral("Make reg-file"), 750, 56, 196, 24);
    cbRegFile->setToolTip(QStringLiteral("разрешает создания файла типа reg для удаления информации "
                                         "из реестра для выбранного устройства"));

    // Diagnostic panel: never shown, it only carries the report ID and the AutoClear switch.
    GroupBox2 = place<QGroupBox>(client, "GroupBox2", 750, 80, 196, 28);
    Label2 = place<QLabel>(GroupBox2, "Label2", 4, 6, 60, 16);
    Label2->setText(QStringLiteral("FeatureID"));
    FEATURE_REPORT_ID = place<QLineEdit>(GroupBox2, "FEATURE_REPORT_ID", 66, 4, 40, 20);
    CheckBox2 = placeCheckBox(GroupBox2, "CheckBox2", QStringLiteral("AutoClear"), 112, 4, 80, 20);

    // Transfer strip: the identified device's name, the memory selector and the transfer buttons.
    GroupBox3 = place<QGroupBox>(client, "GroupBox3", 8, 112, 938, 52);
    GroupBox3->setFont(pixelFont(QFont(QStringLiteral("Arial")), kStripFontPx));
    Label3 = place<QLabel>(GroupBox3, "Label3", 12, 14, 400, 28);
    Label3->setFont(pixelFont(GroupBox3->font(), kDeviceNameFontPx, true));
    Label3->setText(QStringLiteral("*"));
    ComboBox1 = place<QComboBox>(GroupBox3, "ComboBox1", 420, 16, 120, 24);
    ComboBox2 = place<QComboBox>(GroupBox3, "ComboBox2", 430, 16, 100, 24);
    Edit_ADR = place<QLineEdit>(GroupBox3, "Edit_ADR", 540, 16, 40, 24);
    Edit_ADR->setToolTip(QStringLiteral("Adr"));
    Edit_SIZE = place<QLineEdit>(GroupBox3, "Edit_SIZE", 584, 16, 40, 24);
    Edit_SIZE->setToolTip(QStringLiteral("Size"));
    btnReadParam = placeButton(GroupBox3, "btnReadParam", QStringLiteral("Get"), 566, 14, 84, 28);
    btnReadParam->setToolTip(QStringLiteral("Читать из девайса"));
    btnWriteParam = placeButton(GroupBox3, "btnWriteParam", QStringLiteral("Set"), 658, 14, 84, 28);
    btnWriteParam->setToolTip(QStringLiteral("Пишем в девайс"));
    btnLoadParam = placeButton(GroupBox3, "btnLoadParam", QStringLiteral("Load"), 750, 14, 84, 28);
    btnLoadParam->setToolTip(QStringLiteral("Читать из файла "));
    btnSaveParam = placeButton(GroupBox3, "btnSaveParam", QStringLiteral("Save"), 842, 14, 84, 28);
    cbEncode = placeCheckBox(GroupBox3, "cbEncode", QStringLiteral("Enc"), 520, 16, 44, 24);

    // Main tabs. Page 0 keeps room for the common settings, laid over GroupBoxCommon and
    // GroupBox6, with the axes pages below them.
    PageControl1 = place<QTabWidget>(client, "PageControl1", 8, 170, 938, 508);
    Parameters = addPage(PageControl1, "Parameters", QStringLiteral("Параметры"));
    Option1 = addPage(PageControl1, "Option1", QStringLiteral("Option1"));
    Option2 = addPage(PageControl1, "Option2", QStringLiteral("Option2"));
    History = addPage(PageControl1, "History", QStringLiteral("History"));

    GroupBoxCommon = place<QGroupBox>(Parameters, "GroupBoxCommon", 4, 2, 922, 100);
    GroupBoxCommon->setTitle(QStringLiteral("Common"));
    GroupBox6 = place<QGroupBox>(Parameters, "GroupBox6", 4, 104, 922, 58);
    PageControl2 = place<QTabWidget>(Parameters, "PageControl2", 4, 166, 922, 310);
    PA_TAB = addPage(PageControl2, "PA_TAB", QString());
    LA_TAB = addPage(PageControl2, "LA_TAB", QString());
    EQ_TAB = addPage(PageControl2, "EQ_TAB", QString());

    GroupBox4 = place<QGroupBox>(Option1, "GroupBox4", 4, 2, 922, 472);
    ButtonCLR = placeButton(GroupBox4, "ButtonCLR", QStringLiteral("Srv"), 860, 12, 54, 24);
    GroupBox5 = place<QGroupBox>(Option2, "GroupBox5", 4, 2, 922, 472);
    ButtonCLR2 = placeButton(GroupBox5, "ButtonCLR2", QStringLiteral("Srv"), 860, 12, 54, 24);

    HistoryListBox = place<QPlainTextEdit>(History, "HistoryListBox", 4, 4, 922, 470);
    HistoryListBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    HistoryListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HistoryListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HistoryListBox->setReadOnly(true);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTimer2DefaultMs);

    // Initial states of the designed form; the constructor then applies its own.
    for (std::string_view name : kDeviceKindNames)
        ComboBox1->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    ComboBox1->setCurrentIndex(0);
    ComboBox2->addItems({QStringLiteral("EEPROM"), QStringLiteral("RAM")});
    ComboBox2->setCurrentIndex(0);
    for (QWidget* control : std::initializer_list<QWidget*>{
             btnReset, btnBootloader, btnSTART, btnEND, btnCANCEL, btnReadParam, btnWriteParam,
             btnLoadParam, btnSaveParam})
        control->setEnabled(false);
    cbEncode->setChecked(true);
    cbEncode->hide();
    CheckBox2->setChecked(true);
    cbAutoReadParam->setChecked(true);
    cbRegFile->setChecked(false);
    PageControl2->hide();
    PageControl1->setCurrentIndex(0);
}

} // namespace orvex::app

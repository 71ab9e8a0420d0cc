#pragma once
// The main window. It owns the device state, the transfer buffers, the configuration image and
// every control the parameter pages create at run time; its operations live in source files
// grouped by area:
//   main_form.cpp          construction, fixed controls, timer, memory selector
//   device_selection.cpp   device list, identification, per-device set-up
//   history_log.cpp        history lines
//   block_transfer.cpp     framed block writes and reads
//   image_cycle.cpp        Get / Set, processor identifier, button memory
//   short_commands.cpp     reset, calibration, boot loader
//   control_factory.cpp    run-time controls and their grids
//   page_*.cpp             the parameter pages
#include "core/block_frames.h"
#include "core/clock.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;
class QWidget;

namespace orvex {
class KeyProbe;
}
namespace orvex::hid {
class HidCtl;
class HidDevice;
} // namespace orvex::hid

namespace orvex::app {

class Prompts;

/// Device kinds: the item index of the hidden list ComboBox1.
enum DeviceKind : int { kKindUnknown = 0, kKindFalconet = 2, kKindKestrel32 = 6 };

/// What the main window is given by main() (or by a test).
struct MainFormServices {
    hid::HidCtl& hid;
    Prompts& prompts;
    Clock& clock;
    KeyProbe& keys;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- Fixed controls (objectName = member name) ---------------------------------------
    QListWidget* DevListBox = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnBootloader = nullptr;
    QGroupBox* Calibration = nullptr;
    QPushButton* btnSTART = nullptr;
    QPushButton* btnEND = nullptr;
    QPushButton* btnCANCEL = nullptr;
    QGroupBox* GroupBox2 = nullptr; ///< diagnostic panel, never shown
    QLabel* Label2 = nullptr;
    QLineEdit* FEATURE_REPORT_ID = nullptr;
    QCheckBox* CheckBox2 = nullptr; ///< "AutoClear"
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr; ///< device kind, hidden
    QComboBox* ComboBox2 = nullptr; ///< memory selector
    QLineEdit* Edit_ADR = nullptr;
    QLineEdit* Edit_SIZE = nullptr;
    QPushButton* btnReadParam = nullptr;
    QPushButton* btnWriteParam = nullptr;
    QPushButton* btnLoadParam = nullptr;
    QPushButton* btnSaveParam = nullptr;
    QCheckBox* cbEncode = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* Parameters = nullptr;
    QWidget* Option1 = nullptr;
    QWidget* Option2 = nullptr;
    QWidget* History = nullptr;
    QGroupBox* GroupBoxCommon = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QWidget* PA_TAB = nullptr;
    QWidget* LA_TAB = nullptr;
    QWidget* EQ_TAB = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* ButtonCLR = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QPushButton* ButtonCLR2 = nullptr;
    QPlainTextEdit* HistoryListBox = nullptr;
    QCheckBox* cbAutoReadParam = nullptr;
    QCheckBox* cbRegFile = nullptr;
    QTimer* Timer2 = nullptr;

    // ---- Device state ---------------------------------------------------------------------
    std::shared_ptr<hid::HidDevice> SelectedDevice;
    QString SelectedDevicePath;
    std::uint32_t FeatureLength = 0;
    std::uint8_t LastKind = 0;
    bool IsPro = false;
    bool CpuIdValid = false;
    std::array<std::uint8_t, 16> TransferKey{};
    std::array<std::uint8_t, 255> CommandTable{};

    /// The identified device kind (item index of ComboBox1).
    int deviceKind() const;

    // ---- Transfer buffers -----------------------------------------------------------------
    std::array<std::uint8_t, kTransferReportSize> TransferReport{};
    BlockHeader TransferHeader;
    std::array<std::uint8_t, kTransferDataSize> TransferData{};
    std::uint32_t WritePosition = 0;
    std::uint32_t ReadPosition = 0;

    // ---- Configuration image and button blocks --------------------------------------------
    std::array<std::uint8_t, 144> FalconetImage{};
    std::array<std::uint8_t, 1024> Kestrel32Image{};
    std::uint8_t* ImagePtr = nullptr;
    std::uint16_t ImageSize = 0;
    std::array<std::uint8_t, 256> PhysButtons{};
    std::array<std::uint8_t, 256> LogButtons{};

    // ---- Run-time control grids -----------------------------------------------------------
    std::array<QLineEdit*, 32> CommonEdits{};
    std::array<QComboBox*, 32> CommonCombos{};
    std::array<QCheckBox*, 32> CommonChecks{};
    std::array<QLabel*, 1128> StaticTexts{};
    std::uint16_t StaticTextCount = 0;
    std::array<QLineEdit*, 256> PhysAxisEdits{};
    std::array<QComboBox*, 256> PhysAxisCombos{};
    std::array<QCheckBox*, 256> PhysAxisChecks{};
    std::array<QLineEdit*, 256> LogAxisEdits{};
    std::array<QComboBox*, 256> LogAxisCombos{};
    std::array<QCheckBox*, 256> LogAxisChecks{};
    std::array<QLineEdit*, 256> EqPointEdits{};
    std::array<QSlider*, 16> EqPointBars{};
    QCheckBox* EqLinkedBox = nullptr;
    std::array<QLineEdit*, 128> PhysButtonEdits1{};
    std::array<QLineEdit*, 128> PhysButtonEdits2{};
    std::array<QComboBox*, 128> PhysButtonTypes{};
    std::array<QLineEdit*, 128> LogButtonEdits1{};
    std::array<QLineEdit*, 128> LogButtonEdits2{};
    std::array<QComboBox*, 128> LogButtonTypes{};
    std::uint8_t EqSelectedAxis = 0;
    bool HidUsageWarned = false;

    // ---- Handlers and operations (grouped by source file) ---------------------------------
    // main_form.cpp
    void Timer2Timer();
    void cbAutoReadParamClick();
    void PageControl1Change();

    // device_selection.cpp
    void HidCtlDeviceChange();
    bool HidCtlEnumerate(hid::HidDevice& device, int index);
    void DevListBoxClick();
    void TrueDeviceFormInit();
    void TrueDevicePageControl2Init(bool physical, bool logical, bool equalizer);

    // history_log.cpp
    void addHistoryLine(const QString& line);

    // block_transfer.cpp
    void LongTransferWrite(std::uint8_t command, std::uint16_t address, std::uint16_t length);
    bool LongTransferRead(std::uint16_t offset, std::uint16_t length);
    bool ReadDATA(std::uint8_t command, std::uint16_t length, std::uint8_t* destination,
                  std::size_t destinationSize, std::uint16_t offset);

    // image_cycle.cpp
    void btnReadParamClick();
    void btnWriteParamClick();
    void ReadParameters(std::uint8_t command, std::uint16_t size, std::uint16_t address);
    void WriteParameters();
    void WritePhysicalButtons();
    void WriteLogicalButtons();
    void ClampTransferRange();
    void ReadCPUID();

    // short_commands.cpp
    void ShortCMD(std::uint8_t code);
    void btnResetClick();
    void btnSTARTClbClick();
    void btnENDClbClick();
    void btnCANCELClbClick();
    void btnBootloaderClick();

    // control_factory.cpp and the page files
    void TabSheetClear();
    void TabOption1Clear();
    void TabOption2Clear();
    void TabSheetActivate();
    void SheetOption0Activate();
    void SheetOption1Activate();
    void SheetOption2Activate();
    void ShowSheetOption1();
    void ShowSheetOption2();
    void RefreshButtonsConfig();
    void RefreshMapperConfig();
    void ShowParam();
    void RefreshParam();

    // Factory (control_factory.cpp). Positions are pixels in the client area of the page chosen
    // by pageSelector (0: page pageIndex of PageControl1, 1: of PageControl2; any other value
    // leaves the control hidden). Caption labels stand 16 px above `top`, 3 px left of `left`;
    // a caption height of 0 makes no label and gives an edit the default font.
    QLabel* CreateStaticText(int left, int top, const QString& caption, std::uint8_t captionHeight,
                             const QString& hint, std::uint8_t pageIndex, std::uint8_t pageSelector);
    void CreateCheckBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                        const QString& caption, std::uint8_t captionHeight, const QString& hint,
                        bool enabled, QCheckBox* checkBox, std::uint8_t pageIndex,
                        std::uint8_t pageSelector);
    void CreateEditBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                       const QString& caption, std::uint8_t captionHeight, const QString& hint,
                       bool enabled, QLineEdit* edit, std::uint8_t pageIndex,
                       std::uint8_t pageSelector);
    void CreateComboBox(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                        const QString& caption, std::uint8_t captionHeight, const QString& hint,
                        bool enabled, QComboBox* comboBox, std::uint8_t pageIndex,
                        std::uint8_t pageSelector);
    void CreateTrackBar(std::uint16_t width, std::uint16_t left, std::uint16_t top,
                        const QString& caption, std::uint8_t captionHeight, const QString& hint,
                        bool enabled, bool vertical, QSlider* trackBar, std::uint8_t pageIndex,
                        std::uint8_t pageSelector);
    /// The page a factory control goes on, nullptr for a selector other than 0 and 1.
    QWidget* runtimePage(std::uint8_t pageIndex, std::uint8_t pageSelector) const;
    /// On-enter of the factory's combo boxes: whitens the type list of a button row.
    void ComboBoxEnter(QComboBox* sender);
    /// Colours are QRgb values (0xAARRGGBB).
    void ShowField(QLineEdit* control, const QString& text, std::uint32_t colour);
    void ShowButtonFields(std::uint8_t row, std::uint8_t page, const QString& firstText,
                          const QString& secondText, std::uint32_t filledColour,
                          std::uint32_t emptyColour);
    void TabSheetAxesActivate(std::uint8_t logicalRows, std::uint8_t physicalRows);
    void TabSheetStandardActivate(std::uint16_t& x, std::uint16_t& y);

    // page_physical_axes.cpp, page_logical_axes.cpp, page_equalizer.cpp. A record is the 8-byte
    // (equalizer: 10-byte) record of `axis` inside the configuration image.
    void TabSheetPhysicalAxesActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows);
    void ShowPhysicalAxis(const std::uint8_t* record, std::uint8_t axis);
    void RefreshPhysicalAxis(std::uint8_t* record, std::uint8_t axis);
    void TabSheetLogicalAxesActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows);
    void ShowLogicalAxis(const std::uint8_t* record, std::uint8_t axis);
    void RefreshLogicalAxis(std::uint8_t* record, std::uint8_t axis);
    void f_Combo_HID_USAGE_click(QComboBox* sender);
    void TabSheetEqualizerActivate(std::uint16_t& x, std::uint16_t& y, std::uint8_t rows);
    void ShowEqualizerAxis(const std::uint8_t* record, std::uint8_t axis);
    void RefreshEqualizerAxis(std::uint8_t* record, std::uint8_t axis);
    void f_AXIS_Click(QLineEdit* sender);
    void f_AXIS_Value_Change(QLineEdit* sender);
    void f_AXIS_TrackBar_Refresh();
    void TrackBar03Change(QSlider* sender);
    /// True while ShowEqualizerAxis puts read values into the point edits: "Linked" then
    /// leaves them as they are.
    bool m_showingEqualizer = false;

    const MainFormServices& services() const { return m_services; }

private:
    void buildFixedControls();

    MainFormServices m_services;
    /// The device object of each line of DevListBox, checked out of HidCtl until the next
    /// list rebuild hands it back.
    std::vector<std::shared_ptr<hid::HidDevice>> m_lineDevices;
};

} // namespace orvex::app

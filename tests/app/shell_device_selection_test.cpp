// Device list, identification and re-selection against emulated boards.
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace orvex::test {
namespace {

class ShellSelection : public MainFormFixture {
protected:
    void addHistoryMarker() { form->addHistoryLine("marker"); }
};

TEST_F(ShellSelection, ListsOnlyAcceptedProductIdsWithTheirLineTexts)
{
    struct Case {
        std::uint16_t productId;
        const char* name;
        std::uint16_t version;
        const char* line; ///< nullptr: not listed
    };
    const Case cases[] = {
        {0x0110, "Edge low", 0x0100, nullptr},
        {0x0120, "Edge high", 0x0100, nullptr},
        {0x0108, "Neighbour", 0x0100, nullptr},
        {0x0100, "Old board", 0x0105, "Old board v 01.05"},
        {0x1800, "Throttle", 0, "Throttle"},
        {0x2003, "Pedals", 0x1A2B, "Pedals v 1A.2B"},
        {0x3002, "", 0x0100, "Device VID=7A5C PID=3002"},
        {0x0111, "K32 low", 0x0001, "K32 low v 00.01"},
        {0x011F, "K32 high", 0x0100, "K32 high v 01.00"},
    };
    QStringList expected;
    for (const Case& c : cases) {
        addInertBoard(identity(c.productId, c.name, c.version, 64));
        if (c.line)
            expected << c.line;
    }
    EXPECT_EQ(lineTexts(), expected);
}

TEST_F(ShellSelection, FalconetIsIdentifiedAndSetUp)
{
    addFalconet();
    ASSERT_EQ(lineTexts(), QStringList{"Orvex Falconet v 01.05"});
    selectLine(0);

    EXPECT_EQ(form->deviceKind(), app::kKindFalconet);
    EXPECT_EQ(form->LastKind, app::kKindFalconet);
    EXPECT_EQ(form->Label3->text(), "Orvex Falconet controller");
    EXPECT_EQ(form->FeatureLength, 64u);
    EXPECT_EQ(historyLines(), (QStringList{"Product Name: Orvex Falconet", "Falconet 8A",
                                           "Firmware version: 01.05",
                                           "Orvex Falconet controller (emulated)"}));
    for (QWidget* enabled : std::initializer_list<QWidget*>{
             form->btnReadParam, form->btnLoadParam, form->btnReset, form->btnBootloader,
             form->Calibration, form->btnSTART, form->btnEND, form->btnCANCEL, form->ComboBox2})
        EXPECT_TRUE(enabled->isEnabled()) << enabled->objectName().toStdString();
    EXPECT_FALSE(form->btnSaveParam->isEnabled());
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_EQ(form->Timer2->interval(), 5000);
    EXPECT_EQ(form->SelectedDevicePath, hid::kDemoFalconetPath);
    EXPECT_EQ(form->CommandTable[0x20], 0x20);
    EXPECT_EQ(form->CommandTable[254], 254);
    EXPECT_TRUE(form->btnBootloader->toolTip().startsWith("!!! "));
}

TEST_F(ShellSelection, UnplugAndPlugReselectsByPath)
{
    addBootLoader();
    addFalconet();
    addKestrel32();
    selectBoard(hid::kDemoFalconetPath);
    ASSERT_EQ(form->deviceKind(), app::kKindFalconet);

    addHistoryMarker();
    unplug(hid::kDemoFalconetPath);
    EXPECT_TRUE(historyLines().isEmpty()) << "AutoClear empties the log on every selection";
    EXPECT_FALSE(form->btnReset->isEnabled());
    EXPECT_FALSE(form->btnBootloader->isEnabled());
    EXPECT_EQ(form->DevListBox->count(), 2);
    EXPECT_EQ(form->DevListBox->currentRow(), -1);
    EXPECT_EQ(form->SelectedDevice, nullptr);
    EXPECT_EQ(form->deviceKind(), 0);
    EXPECT_TRUE(form->Label3->text().isEmpty());
    EXPECT_TRUE(form->btnReadParam->isEnabled()) << "buttons keep their states";

    plug(hid::kDemoFalconetPath);
    EXPECT_EQ(form->DevListBox->count(), 3);
    EXPECT_EQ(form->DevListBox->currentRow(), lineOf(hid::kDemoFalconetPath));
    ASSERT_NE(form->SelectedDevice, nullptr);
    EXPECT_EQ(form->SelectedDevice->PnPInfo().DevicePath, hid::kDemoFalconetPath);
    EXPECT_EQ(form->deviceKind(), app::kKindFalconet);
    EXPECT_EQ(form->Label3->text(), "Orvex Falconet controller");
    EXPECT_TRUE(form->Timer2->isActive());
}

TEST_F(ShellSelection, Kestrel32WithProDescriptorGetsTheProLabelAndItsKey)
{
    addKestrel32();
    selectBoard(hid::kDemoKestrel32Path);

    EXPECT_EQ(form->deviceKind(), app::kKindKestrel32);
    EXPECT_TRUE(form->IsPro);
    EXPECT_EQ(form->Label3->text(), "Orvex Kestrel32 device(PRO)");
    EXPECT_TRUE(form->CpuIdValid);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join(" | ").toStdString();
    for (QWidget* enabled : std::initializer_list<QWidget*>{
             form->btnReadParam, form->btnLoadParam, form->btnReset, form->btnBootloader,
             form->Calibration, form->btnSTART, form->btnEND, form->btnCANCEL})
        EXPECT_TRUE(enabled->isEnabled()) << enabled->objectName().toStdString();
    EXPECT_TRUE(form->btnBootloader->toolTip().isEmpty());
}

TEST_F(ShellSelection, BootLoaderIsListedByItsIdsAndLeavesNoWayToSend)
{
    addFalconet();
    addBootLoader();
    ASSERT_EQ(lineTexts(), (QStringList{"Orvex Falconet v 01.05", "Device VID=7A5C PID=0912"}));
    selectBoard(hid::kDemoFalconetPath);
    form->btnWriteParam->setEnabled(true); // as after a read

    selectBoard(hid::kDemoBootLoaderPath);
    EXPECT_EQ(form->deviceKind(), 0);
    EXPECT_EQ(form->Label3->text(), "Orvex-Bootloader");
    EXPECT_EQ(historyLines(), (QStringList{"Product Name: ", "Firmware version: 01.00",
                                           "Orvex boot loader (emulated)"}));
    for (QWidget* disabled : std::initializer_list<QWidget*>{
             form->btnReadParam, form->btnWriteParam, form->btnLoadParam, form->btnSaveParam,
             form->btnReset, form->btnBootloader, form->Calibration, form->btnSTART, form->btnEND,
             form->btnCANCEL, form->ComboBox2})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    EXPECT_FALSE(form->Timer2->isActive()) << "the armed read of the Falconet must not reach it";
    EXPECT_FALSE(form->PageControl2->isVisible());
    EXPECT_TRUE(form->Edit_SIZE->text().isEmpty());
    EXPECT_TRUE(form->Edit_SIZE->toolTip().isEmpty());
}

TEST_F(ShellSelection, RecognisedIdsWithoutFeatureReportAreUnknown)
{
    addInertBoard(identity(0x0115, "Kestrel32", 0x0100, 0));
    selectLine(0);
    EXPECT_EQ(form->deviceKind(), 0);
    EXPECT_EQ(form->Label3->text(), "Unknown device");
    EXPECT_TRUE(clock.pauses().empty());
}

TEST_F(ShellSelection, KeyboardMovesTheSelectionAndIdentifies)
{
    addFalconet();
    addKestrel32();
    selectLine(0);
    ASSERT_EQ(form->deviceKind(), app::kKindFalconet);

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(form->DevListBox, &down);
    settle();
    EXPECT_EQ(form->DevListBox->currentRow(), 1);
    EXPECT_EQ(form->deviceKind(), app::kKindKestrel32);
}

} // namespace
} // namespace orvex::test

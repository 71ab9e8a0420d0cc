// The main window at start and its fixed controls.
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace orvex::test {
namespace {

using ShellMainWindow = MainFormFixture;

TEST_F(ShellMainWindow, StartsWithNothingToDoButTheTwoOptions)
{
    EXPECT_EQ(form->DevListBox->count(), 0);
    for (QWidget* button : std::initializer_list<QWidget*>{
             form->btnReadParam, form->btnWriteParam, form->btnLoadParam, form->btnSaveParam,
             form->btnReset, form->btnBootloader, form->btnSTART, form->btnEND, form->btnCANCEL,
             form->Calibration, form->ComboBox2})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(form->cbAutoReadParam->isEnabled());
    EXPECT_TRUE(form->cbAutoReadParam->isChecked());
    EXPECT_TRUE(form->cbRegFile->isEnabled());
    EXPECT_FALSE(form->cbRegFile->isChecked());
    EXPECT_EQ(form->deviceKind(), 0);
    EXPECT_TRUE(form->Label3->text().isEmpty()) << "the first list build clears the \"*\"";
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.exceptions.isEmpty());
}

TEST_F(ShellMainWindow, HiddenStateCarriersKeepTheirStartValues)
{
    EXPECT_FALSE(form->GroupBox2->isVisible());
    EXPECT_FALSE(form->ComboBox1->isVisible());
    EXPECT_FALSE(form->cbEncode->isVisible());
    EXPECT_TRUE(form->cbEncode->isChecked());
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_EQ(form->CheckBox2->text(), "AutoClear");
    EXPECT_TRUE(form->FEATURE_REPORT_ID->text().isEmpty());
    EXPECT_FALSE(form->Edit_ADR->isVisible());
    EXPECT_FALSE(form->Edit_ADR->isEnabled());
    EXPECT_FALSE(form->Edit_SIZE->isVisible());
    EXPECT_FALSE(form->Edit_SIZE->isEnabled());
    EXPECT_EQ(form->ComboBox1->count(), 9);
    EXPECT_EQ(form->ComboBox1->itemText(6), "Orvex Kestrel32");
    EXPECT_EQ(form->ComboBox2->count(), 2);
    EXPECT_EQ(form->ComboBox2->currentText(), "EEPROM");
    EXPECT_EQ(form->Timer2->interval(), 3000);
    for (std::uint8_t byte : form->PhysButtons)
        ASSERT_EQ(byte, 0xFF);
    for (std::uint8_t byte : form->LogButtons)
        ASSERT_EQ(byte, 0xFF);
}

TEST_F(ShellMainWindow, EveryNamedControlIsFoundByItsName)
{
    const char* names[] = {
        "DevListBox", "GroupBox1", "btnReset", "btnBootloader", "Calibration", "btnSTART",
        "btnEND", "btnCANCEL", "GroupBox2", "Label2", "FEATURE_REPORT_ID", "CheckBox2",
        "GroupBox3", "Label3", "ComboBox1", "ComboBox2", "Edit_ADR", "Edit_SIZE", "btnReadParam",
        "btnWriteParam", "btnLoadParam", "btnSaveParam", "cbEncode", "PageControl1", "Parameters",
        "Option1", "Option2", "History", "GroupBoxCommon", "GroupBox6", "PageControl2", "PA_TAB",
        "LA_TAB", "EQ_TAB", "GroupBox4", "ButtonCLR", "GroupBox5", "ButtonCLR2", "HistoryListBox",
        "cbAutoReadParam", "cbRegFile", "Timer2"};
    for (const char* name : names)
        EXPECT_NE(form->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(ShellMainWindow, CaptionCarriesTitleAndVersion)
{
    EXPECT_TRUE(form->windowTitle().startsWith("Orvex Device Config  "));
    EXPECT_GT(form->windowTitle().size(), QString("Orvex Device Config  ").size());
    EXPECT_EQ(form->PageControl1->tabText(0), "Параметры");
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_FALSE(form->PageControl2->isVisible());
}

} // namespace
} // namespace orvex::test

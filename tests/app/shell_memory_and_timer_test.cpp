// The memory selector per device kind and page, and the automatic parameter read.
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace orvex::test {
namespace {

using ShellMemoryAndTimer = MainFormFixture;

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

TEST_F(ShellMemoryAndTimer, MemoryListFollowsKindAndPage)
{
    addFalconet();
    addKestrel32();
    addBootLoader();
    const QStringList eepromRam{"EEPROM", "RAM"};
    const QStringList flash{"FLASH"};
    const QStringList flashRam{"FLASH", "RAM"};
    struct Step {
        const char* board; ///< nullptr: stay with the selected one
        int page;
        QStringList expected;
    };
    const Step steps[] = {
        {hid::kDemoFalconetPath, 0, eepromRam}, {nullptr, 1, flash},     {nullptr, 2, flash},
        {nullptr, 3, flash},                    {nullptr, 0, eepromRam}, {nullptr, 3, eepromRam},
        {nullptr, 2, flash},                    {hid::kDemoKestrel32Path, 2, flashRam},
        {nullptr, 0, flashRam},                 {nullptr, 1, flashRam},  {nullptr, 3, flashRam},
        {hid::kDemoBootLoaderPath, 3, flashRam}, {nullptr, 1, flashRam},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.board ? step.board : "same board") + ", page " +
                     std::to_string(step.page));
        // A previous choice of RAM must not survive a rebuilt list.
        form->ComboBox2->setCurrentIndex(form->ComboBox2->count() - 1);
        if (step.board)
            selectBoard(step.board);
        form->PageControl1->setCurrentIndex(step.page);
        settle();
        EXPECT_EQ(items(form->ComboBox2), step.expected);
    }
    form->PageControl1->setCurrentIndex(0);
    selectBoard(hid::kDemoFalconetPath);
    form->ComboBox2->setCurrentIndex(1);
    form->PageControl1->setCurrentIndex(1);
    EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
}

TEST_F(ShellMemoryAndTimer, AutomaticReadRunsOnceAfterIdentification)
{
    addFalconet();
    selectLine(0);
    ASSERT_TRUE(form->Timer2->isActive());
    EXPECT_FALSE(form->btnSaveParam->isEnabled());

    fireTimer2();
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_TRUE(form->btnSaveParam->isEnabled()) << prompts.messageTexts().join(" | ").toStdString();
    EXPECT_TRUE(form->btnWriteParam->isEnabled());
    EXPECT_TRUE(std::any_of(form->FalconetImage.begin(), form->FalconetImage.end(),
                            [](std::uint8_t byte) { return byte != 0; }));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShellMemoryAndTimer, AutomaticReadDoesNothingWithoutItsBoard)
{
    addFalconet();
    selectLine(0);
    unplug(hid::kDemoFalconetPath);
    clock.clearPauses();
    fireTimer2();
    EXPECT_TRUE(clock.pauses().empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShellMemoryAndTimer, AutoReadOptionReadsAtOnceOnlyWithADevice)
{
    form->cbAutoReadParam->click();
    form->cbAutoReadParam->click();
    settle();
    EXPECT_TRUE(clock.pauses().empty());
    EXPECT_TRUE(prompts.messages.empty());

    addFalconet();
    form->cbAutoReadParam->click();
    selectLine(0);
    EXPECT_FALSE(form->Timer2->isActive()) << "no automatic read armed while the option is off";
    EXPECT_FALSE(form->btnSaveParam->isEnabled());

    form->cbAutoReadParam->click();
    settle();
    EXPECT_TRUE(form->btnSaveParam->isEnabled());
    EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace orvex::test

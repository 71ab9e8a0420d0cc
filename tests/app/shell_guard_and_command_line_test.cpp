// The exception guard around event handlers, and the command line.
#include "app/command_line.h"
#include "app/dialog_prompts.h"
#include "core/int_text.h"
#include "support/main_form_fixture.h"

#include <QLineEdit>
#include <QPushButton>

namespace orvex::test {
namespace {

using ShellGuard = MainFormFixture;

TEST_F(ShellGuard, ExceptionStopsTheHandlerAndIsShownFromTheEventLoop)
{
    bool reachedAfterThrow = false;
    app::runGuarded(prompts, [&] {
        StrToInt("12x");
        reachedAfterThrow = true;
    });
    EXPECT_FALSE(reachedAfterThrow);
    EXPECT_TRUE(prompts.exceptions.isEmpty()) << "shown only once the handler has returned";
    settle();
    EXPECT_EQ(prompts.exceptions, QStringList{"'12x' is not a valid integer value"});

    app::runGuarded(prompts, [] { throw 42; });
    settle();
    EXPECT_EQ(prompts.exceptions, (QStringList{"'12x' is not a valid integer value", ""}));
}

TEST_F(ShellGuard, ClickHandlerFailureLeavesTheWindowUsable)
{
    addFalconet();
    selectLine(0);
    form->Edit_SIZE->setText("abc");
    form->btnReadParam->click();
    settle();
    EXPECT_EQ(prompts.exceptions, QStringList{"'abc' is not a valid integer value"});

    form->Edit_SIZE->setText("144");
    form->btnReadParam->click();
    settle();
    EXPECT_EQ(prompts.exceptions.size(), 1);
    EXPECT_TRUE(form->btnSaveParam->isEnabled());
}

TEST_F(ShellGuard, DeviceChangeDuringAModalBoxWaitsForTheHandler)
{
    // A board that answers zeros fails the read, and the read shows its error box.
    addInertBoard(identity(0x0109, "Falconet", 0x0105, 64));
    selectLine(0);
    bool listKeptDuringBox = false;
    prompts.onMessage = [&](const ScriptedPrompts::Message&) {
        // The board goes while the box is open; the box's event loop runs meanwhile.
        backend->setPlugged("emulated:pid-265", false);
        settle();
        listKeptDuringBox = form->DevListBox->count() == 1 && form->SelectedDevice != nullptr;
    };
    form->btnReadParam->click();
    prompts.onMessage = nullptr;
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(listKeptDuringBox);

    EXPECT_TRUE(waitUntil([&] { return form->DevListBox->count() == 0; }));
    EXPECT_EQ(form->SelectedDevice, nullptr);
}

TEST(ShellCommandLine, ParsesOptionsAndRefusesTheRest)
{
    EXPECT_FALSE(app::parseCommandLine({}).demo);
    EXPECT_TRUE(app::parseCommandLine({}).error.isEmpty());

    const app::CommandLine full = app::parseCommandLine({"--demo", "--trace", "t.log", "--screenshot=s.png"});
    EXPECT_TRUE(full.demo);
    EXPECT_EQ(full.traceFile, "t.log");
    EXPECT_EQ(full.screenshotFile, "s.png");
    EXPECT_TRUE(full.error.isEmpty());

    EXPECT_EQ(app::parseCommandLine({"--trace=x"}).traceFile, "x");
    EXPECT_TRUE(app::parseCommandLine({"--help"}).help);
    EXPECT_TRUE(app::parseCommandLine({"--version"}).version);
    for (const QStringList& bad : {QStringList{"--trace"}, QStringList{"--trace="}, QStringList{"--demo", "x"},
                                   QStringList{"--tracefile"}})
        EXPECT_FALSE(app::parseCommandLine(bad).error.isEmpty()) << bad.join(' ').toStdString();
    EXPECT_FALSE(app::commandLineHelp("prog").contains("--screenshot"));
}

TEST(ShellDialogs, VclFilterPairsBecomeQtFilters)
{
    EXPECT_EQ(app::DialogPrompts::qtFilter("Parameters config files|*.cfg|Backup config files|*.bak"),
              "Parameters config files (*.cfg);;Backup config files (*.bak)");
    EXPECT_EQ(app::DialogPrompts::qtFilter("Maps|*.map;*.btn"), "Maps (*.map *.btn)");
    EXPECT_EQ(app::DialogPrompts::qtFilter("Maps (*.map)"), "Maps (*.map)");
}

} // namespace
} // namespace orvex::test

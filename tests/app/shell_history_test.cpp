// The history log, the registry clean-up file and boards that cannot be opened.
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace orvex::test {
namespace {

using ShellHistory = MainFormFixture;

const QStringList kFalconetLines = {"Product Name: Orvex Falconet", "Falconet 8A",
                                    "Firmware version: 01.05", "Orvex Falconet controller (emulated)"};

TEST_F(ShellHistory, AutoClearKeepsOnlyTheLastSelection)
{
    addFalconet();
    selectLine(0);
    selectLine(0);
    EXPECT_EQ(historyLines(), kFalconetLines);

    form->CheckBox2->setChecked(false);
    selectLine(0);
    EXPECT_EQ(historyLines(), kFalconetLines + kFalconetLines);
}

TEST_F(ShellHistory, ProInTheFalconetDescriptorOnlyAddsItsLine)
{
    hid::HidIdentity id = identity(0x0109, "Falconet", 0, 64);
    id.descriptor5 = "Falconet PRO";
    addInertBoard(id);
    selectLine(0);
    EXPECT_EQ(form->Label3->text(), "Orvex Falconet controller");
    EXPECT_TRUE(form->IsPro);
    EXPECT_EQ(historyLines(), (QStringList{"Product Name: Falconet", "Falconet PRO",
                                           "Firmware version: 00.00", "Emulated device 265"}));
}

TEST_F(ShellHistory, EmptyDescriptionStillTakesItsLine)
{
    hid::HidIdentity id = identity(0x1800, "Throttle", 0x0201, 64);
    id.pnp.DeviceDescr.clear();
    addInertBoard(id);
    form->CheckBox2->setChecked(false);
    selectLine(0);
    selectLine(0);
    const QStringList once{"Product Name: Throttle", "Firmware version: 02.01", ""};
    EXPECT_EQ(historyLines(), once + once);
    EXPECT_EQ(form->Label3->text(), "Unknown device");
}

TEST_F(ShellHistory, BoardThatCannotBeOpenedIsExplainedAndTreatedAsUnknown)
{
    hid::HidIdentity id = identity(0x0109, "Falconet", 0x0105, 64);
    id.openError = "no permission to open /dev/hidraw3";
    addInertBoard(id);
    selectLine(0);

    EXPECT_EQ(historyLines().last(), "no permission to open /dev/hidraw3");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "no permission to open /dev/hidraw3");
    EXPECT_EQ(form->deviceKind(), 0);
    EXPECT_EQ(form->Label3->text(), "Unknown device");
    EXPECT_FALSE(form->btnReadParam->isEnabled());
    EXPECT_TRUE(clock.pauses().empty()) << "nothing was sent to it";
}

/// Bytes of a file in the current folder; empty when missing.
QByteArray fileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(ShellHistory, RegistryFileIsWrittenPerSelectedDeviceWhileChecked)
{
    addFalconet();
    addBootLoader();
    const QString falconetFile = "del_VID_7A5C&PID_0109.reg";
    const QString loaderFile = "del_VID_7A5C&PID_0912.reg";

    selectBoard(hid::kDemoFalconetPath);
    EXPECT_FALSE(QFile::exists(falconetFile));

    form->cbRegFile->setChecked(true);
    selectBoard(hid::kDemoFalconetPath);
    selectBoard(hid::kDemoBootLoaderPath);
    const QByteArray noKeys("Windows Registry Editor Version 5.00\r\n\r\n\r\n");
    EXPECT_EQ(fileBytes(falconetFile), noKeys);
    EXPECT_EQ(fileBytes(loaderFile), noKeys) << "an unknown device gets its file too";
}

} // namespace
} // namespace orvex::test

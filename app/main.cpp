// Entry point: builds the application objects (clock, prompts, registry probe, device
// controller with its backends) and hands them to the main window, then runs the event loop.
#include "app/TMainForm.h"
#include "app/app_title.h"
#include "app/command_line.h"
#include "app/dialog_prompts.h"
#include "app/event_guard.h"
#include "app/key_probe.h"
#include "hid/emulated/demo_boards.h"
#include "hid/hid_ctl.h"
#include "hid/hidapi/hidapi_backend.h"
#include "hid/trace_log.h"

#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <exception>

namespace {

using namespace orvex;

const QString kTitle = QString::fromLatin1(app::kApplicationTitle);

void printTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

/// Prompts for the unattended screenshot run: nobody is there to close a box, so messages go
/// to the error output and file dialogs are cancelled.
class ConsolePrompts final : public app::Prompts {
public:
    void messageBox(const QString& text, const QString& title, Icon) override
    {
        printTo(stderr, title + QStringLiteral(": ") + text + QStringLiteral("\n"));
    }
    void showException(const QString& message) override { messageBox(message, kTitle, Icon::Error); }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

/// --screenshot: once the device list is built, selects the Kestrel32 board, reads its
/// parameters as the automatic read would, saves a picture of the window and quits.
void scheduleScreenshot(app::TMainForm& form, const QString& file)
{
    QTimer::singleShot(0, &form, [&form, file] {
        app::runGuarded(form.services().prompts, [&form] {
            const auto lines = form.DevListBox->findItems(QStringLiteral("Orvex Kestrel32"), Qt::MatchStartsWith);
            if (lines.isEmpty())
                return;
            form.DevListBox->setCurrentItem(lines.front());
            form.DevListBoxClick();
            form.Timer2Timer();
        });
        const int status = form.grab().save(file) ? 0 : 1;
        if (status != 0)
            printTo(stderr, QStringLiteral("cannot write %1\n").arg(file));
        QCoreApplication::exit(status);
    });
}

std::vector<std::unique_ptr<hid::HidBackend>> makeBackends(const app::CommandLine& line, const Clock& clock)
{
    std::vector<std::unique_ptr<hid::HidBackend>> backends;
    backends.push_back(std::make_unique<hid::HidapiBackend>());
    if (line.demo)
        backends.push_back(hid::makeDemoBackend(clock));
    return backends;
}

int run(QApplication& application, const app::CommandLine& line, app::Prompts& prompts)
{
    SystemClock clock;
    const std::unique_ptr<KeyProbe> keys = app::makeSystemKeyProbe();
    std::shared_ptr<hid::TraceLog> trace;
    if (!line.traceFile.isEmpty()) {
        trace = std::make_shared<hid::TraceLog>(line.traceFile.toStdString(), clock);
        if (!trace->isOpen()) {
            printTo(stderr, QStringLiteral("cannot open the trace file %1\n").arg(line.traceFile));
            return 1;
        }
    }
    hid::HidCtl hid(makeBackends(line, clock), trace);
    app::TMainForm form(app::MainFormServices{hid, prompts, clock, *keys});
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    if (!line.screenshotFile.isEmpty())
        scheduleScreenshot(form, line.screenshotFile);
    return application.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments are read before the application object exists, so --help and --version
    // work without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine line = app::parseCommandLine(arguments);
    const QString program = QStringLiteral("orvex-device-config");
    if (!line.error.isEmpty()) {
        printTo(stderr, program + QStringLiteral(": ") + line.error + QStringLiteral("\n") +
                            app::commandLineHelp(program));
        return 2;
    }
    if (line.help) {
        printTo(stdout, app::commandLineHelp(program));
        return 0;
    }
    if (line.version) {
        printTo(stdout, program + QStringLiteral(" ") + QStringLiteral(ORVEX_VERSION_TEXT) + QStringLiteral("\n"));
        return 0;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(kTitle);
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION_TEXT));

    // Anything thrown while the window is built is shown like any other failure; the event loop
    // itself never lets an exception through (every handler is guarded).
    app::DialogPrompts dialogs(kTitle);
    ConsolePrompts console;
    app::Prompts& prompts = line.screenshotFile.isEmpty() ? static_cast<app::Prompts&>(dialogs) : console;
    try {
        return run(application, line, prompts);
    } catch (const std::exception& error) {
        prompts.showException(QString::fromStdString(error.what()));
    } catch (...) {
        prompts.showException(QString());
    }
    return 1;
}

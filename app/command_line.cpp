#include "app/command_line.h"

namespace orvex::app {

namespace {

/// Options that take a file name, and where the name goes.
struct FileOption {
    const char* name;
    QString CommandLine::*target;
};
constexpr FileOption kFileOptions[] = {
    {"--trace", &CommandLine::traceFile},
    {"--screenshot", &CommandLine::screenshotFile},
};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--demo")) {
            line.demo = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            line.version = true;
            continue;
        }
        bool known = false;
        for (const FileOption& option : kFileOptions) {
            const QString name = QLatin1String(option.name);
            QString value;
            if (argument == name) {
                if (i + 1 == arguments.size()) {
                    line.error = name + QStringLiteral(" needs a file name");
                    break;
                }
                value = arguments[++i];
            } else if (argument.startsWith(name + QLatin1Char('='))) {
                value = argument.mid(name.size() + 1);
            } else {
                continue;
            }
            known = true;
            if (value.isEmpty())
                line.error = name + QStringLiteral(" needs a file name");
            line.*option.target = value;
            break;
        }
        if (!known && line.error.isEmpty())
            line.error = QStringLiteral("unknown argument: ") + argument;
    }
    return line;
}

QString commandLineHelp(const QString& program)
{
    return QStringLiteral("Usage: %1 [--demo] [--trace FILE]\n"
                          "Configures Orvex game-controller boards connected over USB.\n"
                          "\n"
                          "  --demo        also list three emulated boards (Falconet, Kestrel32,\n"
                          "                boot loader) besides any real ones\n"
                          "  --trace FILE  append one line per feature report exchanged with any\n"
                          "                device to FILE\n"
                          "  --help        show this help and exit\n"
                          "  --version     show the version and exit\n")
        .arg(program);
}

} // namespace orvex::app

#pragma once
// The command line. Without arguments the tool works with the boards plugged in, as always;
// the options add emulated boards, a feature-report trace, and the usual help and version.
#include <QString>
#include <QStringList>

namespace orvex::app {

struct CommandLine {
    bool demo = false;          ///< --demo: emulated boards besides any real ones
    QString traceFile;          ///< --trace FILE: one line per feature report, appended
    QString screenshotFile;     ///< --screenshot FILE (not in the help): picture of the window
    bool help = false;          ///< --help
    bool version = false;       ///< --version
    QString error;              ///< why the arguments were refused; empty when accepted
};

/// Parses the arguments after the program name. "--trace=FILE" works as "--trace FILE".
CommandLine parseCommandLine(const QStringList& arguments);

/// The text --help prints; `program` is the program's name.
QString commandLineHelp(const QString& program);

} // namespace orvex::app

// The history log: what was selected and what went wrong with it. Lines are only appended; the
// selection clears the log while "AutoClear" is checked.
#include "app/TMainForm.h"

#include <QPlainTextEdit>

namespace orvex::app {

void TMainForm::addHistoryLine(const QString& line) { HistoryListBox->appendPlainText(line); }

} // namespace orvex::app

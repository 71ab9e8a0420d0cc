// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::addHistoryLine(const QString&) {}

} // namespace orvex::app

// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::TabSheetClear() {}

void TMainForm::TabOption1Clear() {}

void TMainForm::TabOption2Clear() {}

void TMainForm::TabSheetActivate() {}

} // namespace orvex::app

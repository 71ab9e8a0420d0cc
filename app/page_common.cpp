// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::SheetOption0Activate() {}

void TMainForm::ShowParam() {}

void TMainForm::RefreshParam() {}

} // namespace orvex::app

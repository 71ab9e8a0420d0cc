// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::SheetOption1Activate() {}

void TMainForm::SheetOption2Activate() {}

void TMainForm::ShowSheetOption1() {}

void TMainForm::ShowSheetOption2() {}

void TMainForm::RefreshButtonsConfig() {}

void TMainForm::RefreshMapperConfig() {}

} // namespace orvex::app

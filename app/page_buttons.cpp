// The physical and logical button pages. Building them clears what an earlier device left on
// the pages; the rows, their Show and their Refresh come with the button pages themselves.
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::SheetOption1Activate() { TabOption1Clear(); }

void TMainForm::SheetOption2Activate() { TabOption2Clear(); }

// Filled by the physical buttons page.
void TMainForm::ShowSheetOption1() {}

// Filled by the logical buttons page.
void TMainForm::ShowSheetOption2() {}

// Filled by the physical buttons page.
void TMainForm::RefreshButtonsConfig() {}

// Filled by the logical buttons page.
void TMainForm::RefreshMapperConfig() {}

} // namespace orvex::app

// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::HidCtlDeviceChange() {}

bool TMainForm::HidCtlEnumerate(hid::HidDevice&, int) { return true; }

void TMainForm::DevListBoxClick() {}

void TMainForm::TrueDeviceFormInit() {}

void TMainForm::TrueDevicePageControl2Init(bool, bool, bool) {}

} // namespace orvex::app

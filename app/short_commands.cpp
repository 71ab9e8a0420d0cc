// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::ShortCMD(std::uint8_t) {}

void TMainForm::btnResetClick() {}

void TMainForm::btnSTARTClbClick() {}

void TMainForm::btnENDClbClick() {}

void TMainForm::btnCANCELClbClick() {}

void TMainForm::btnBootloaderClick() {}

} // namespace orvex::app

// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::btnReadParamClick() {}

void TMainForm::btnWriteParamClick() {}

void TMainForm::WriteParameters() {}

void TMainForm::WritePhysicalButtons() {}

void TMainForm::WriteLogicalButtons() {}

void TMainForm::ClampTransferRange() {}

void TMainForm::ReadCPUID() {}

void TMainForm::ReadParameters(std::uint8_t, std::uint16_t, std::uint16_t) {}

} // namespace orvex::app

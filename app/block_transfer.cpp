// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

void TMainForm::LongTransferWrite(std::uint8_t, std::uint16_t, std::uint16_t) {}

bool TMainForm::LongTransferRead(std::uint16_t, std::uint16_t) { return false; }

bool TMainForm::ReadDATA(std::uint8_t, std::uint16_t, std::uint8_t*, std::size_t, std::uint16_t) { return false; }

} // namespace orvex::app

// STUB: replaced by its owner
#include "app/TMainForm.h"

namespace orvex::app {

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services)
{
}

TMainForm::~TMainForm() = default;

int TMainForm::deviceKind() const { return 0; }

void TMainForm::Timer2Timer() {}

void TMainForm::cbAutoReadParamClick() {}

void TMainForm::PageControl1Change() {}

} // namespace orvex::app

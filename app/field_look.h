#pragma once
// How the run-time controls look. Their captions and columns stand at fixed pixel positions
// that leave little room, so they use a narrow sans serif, check box marks that fit the 12 px
// wide boxes, and thin edit frames that leave room for four digits in the narrowest edits.
#include <QFont>

class QStyle;
class QWidget;

namespace orvex::app {

/// The font of run-time controls and captions, `pixels` high.
QFont runtimeFont(int pixels);

/// The style of run-time controls, made once per `owner` (the main window) and freed with it.
QStyle* runtimeStyle(QWidget* owner);

} // namespace orvex::app

#pragma once
// The device list. Selecting a line identifies the device, which talks to it and may pause for
// a while, so identification must follow the user's own clicks and key presses only, never the
// selection changes the program makes itself when it rebuilds the list. A click on the line that
// is already selected identifies the device again, as users expect after re-plugging a board.
#include <QListWidget>

namespace orvex::app {

class DeviceListBox final : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    /// The user clicked a line, or moved the selection with the keyboard.
    void userClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orvex::app

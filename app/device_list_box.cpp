#include "app/device_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace orvex::app {

void DeviceListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit userClicked();
}

void DeviceListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit userClicked();
}

} // namespace orvex::app

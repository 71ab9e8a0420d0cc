#include "app/field_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace orvex::app {

namespace {

constexpr char kTagProperty[] = "Tag";

// Watches one kind of event on the control it is a child of. It lives and dies with the control.
class EventHook final : public QObject {
public:
    EventHook(QWidget* control, QEvent::Type type, std::function<void()> handler)
        : QObject(control), m_type(type), m_handler(std::move(handler))
    {
        control->installEventFilter(this);
    }

    QEvent::Type type() const { return m_type; }
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == m_type && m_handler && counts(static_cast<QWidget*>(watched), event)) {
            // A copy: the handler may replace itself meanwhile.
            const std::function<void()> handler = m_handler;
            handler();
        }
        return false;
    }

private:
    // Focus coming back with the window's activation or from the list's own drop-down is no
    // entering of the control; a disabled control takes no clicks.
    static bool counts(const QWidget* control, const QEvent* event)
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
            return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        }
        return control->isEnabled();
    }

    QEvent::Type m_type;
    std::function<void()> m_handler;
};

void hook(QWidget* control, QEvent::Type type, std::function<void()> handler)
{
    for (QObject* child : control->children()) {
        if (auto* existing = dynamic_cast<EventHook*>(child); existing && existing->type() == type) {
            existing->setHandler(std::move(handler));
            return;
        }
    }
    new EventHook(control, type, std::move(handler));
}

} // namespace

void setTag(QObject* control, int tag) { control->setProperty(kTagProperty, tag); }

int tagOf(const QObject* control) { return control->property(kTagProperty).toInt(); }

void setBackground(QWidget* control, const QColor& colour)
{
    // Rows are recoloured on every click and every value change: skip what would not change.
    const QPalette& current = control->palette();
    if (current.color(QPalette::Active, QPalette::Base) == colour &&
        current.color(QPalette::Inactive, QPalette::Base) == colour &&
        current.color(QPalette::Disabled, QPalette::Base) == colour)
        return;
    QPalette palette = current;
    palette.setColor(QPalette::All, QPalette::Base, colour);
    control->setPalette(palette);
}

QColor windowColour() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

int comboItemIndex(const QComboBox* combo)
{
    return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

QStringList itemTexts(fields::ValueList items)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const char* item : items) texts << QString::fromUtf8(item);
    return texts;
}

void setComboItemIndex(QComboBox* combo, int index)
{
    if (index < 0 || index >= combo->count()) index = -1;
    combo->setCurrentIndex(index);
    // An editable list keeps whatever the user typed when the index does not change.
    if (combo->isEditable()) {
        combo->setEditText(index >= 0 ? combo->itemText(index) : QString());
        combo->lineEdit()->setCursorPosition(0); // a long item shows its beginning
    }
}

void setOnEnter(QWidget* control, std::function<void()> handler)
{
    hook(control, QEvent::FocusIn, std::move(handler));
}

void setOnClick(QWidget* control, std::function<void()> handler)
{
    hook(control, QEvent::MouseButtonPress, std::move(handler));
}

} // namespace orvex::app

#pragma once
// Small widget helpers shared by the control factory and the parameter pages: the Tag number a
// control carries (row, button or point number), background colours that also hold while the
// control is disabled, the list index as the pages understand it, and the two widget events the
// pages listen to that Qt has no signal for (a combo box receiving the focus, a mouse press).
#include "core/field_engine.h"

#include <QColor>
#include <QStringList>

#include <functional>

class QComboBox;
class QObject;
class QWidget;

namespace orvex::app {

/// The number a page gives a control to find its row, button or point again.
void setTag(QObject* control, int tag);
/// The control's Tag; 0 when none was given.
int tagOf(const QObject* control);

/// Sets the control's background colour in every colour group, so a disabled control keeps it.
void setBackground(QWidget* control, const QColor& colour);

/// The colour of an enabled edit's background (the system window colour).
QColor windowColour();

/// The index of the item whose text equals the combo box's current text, -1 when none does
/// (the user may have typed a text that is no item).
int comboItemIndex(const QComboBox* combo);

/// The texts of a value list, for a combo box's items.
QStringList itemTexts(fields::ValueList items);

/// Selects item `index` and shows its text; -1 (or any index without an item) shows no selection
/// and an empty text.
void setComboItemIndex(QComboBox* combo, int index);

/// Calls `handler` whenever `control` receives the keyboard focus. A second call replaces the
/// handler given before.
void setOnEnter(QWidget* control, std::function<void()> handler);

/// Calls `handler` on every mouse button press on `control` while it is enabled.
void setOnClick(QWidget* control, std::function<void()> handler);

} // namespace orvex::app

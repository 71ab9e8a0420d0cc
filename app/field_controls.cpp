#include "app/field_controls.h"

#include "app/field_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace orvex::app {

GridControls::GridControls(std::span<QLineEdit* const> edits, std::span<QCheckBox* const> checks,
                           std::span<QComboBox* const> combos, std::size_t base, std::size_t stride)
    : m_edits(edits), m_checks(checks), m_combos(combos), m_base(base), m_stride(stride)
{
}

bool GridControls::has(fields::Control control, std::uint8_t slot) const
{
    switch (control) {
    case fields::Control::Edit:
        return at(m_edits, slot) != nullptr;
    case fields::Control::Check:
        return at(m_checks, slot) != nullptr;
    case fields::Control::List:
        return at(m_combos, slot) != nullptr;
    }
    return false;
}

std::string GridControls::editText(std::uint8_t slot) const
{
    return at(m_edits, slot)->text().toStdString();
}

void GridControls::setEditText(std::uint8_t slot, const std::string& text)
{
    QLineEdit* edit = at(m_edits, slot);
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0); // a number wider than its edit shows its leading digits
}

bool GridControls::isChecked(std::uint8_t slot) const { return at(m_checks, slot)->isChecked(); }

void GridControls::setChecked(std::uint8_t slot, bool checked)
{
    at(m_checks, slot)->setChecked(checked);
}

int GridControls::itemIndex(std::uint8_t slot) const { return comboItemIndex(at(m_combos, slot)); }

void GridControls::setItemIndex(std::uint8_t slot, int index)
{
    setComboItemIndex(at(m_combos, slot), index);
}

} // namespace orvex::app

#pragma once
// The field engine's view of a page's widgets: slot s of a record is control base + s * stride of
// the page's grids (the axes pages keep field f of axis a at f * 16 + a, the equalizer point p
// of axis a at a * 16 + p, the common page slot s at s). Empty grid slots are no controls.
#include "core/field_engine.h"

#include <cstddef>
#include <span>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvex::app {

class GridControls final : public fields::FieldControls {
public:
    GridControls(std::span<QLineEdit* const> edits, std::span<QCheckBox* const> checks,
                 std::span<QComboBox* const> combos, std::size_t base, std::size_t stride);

    bool has(fields::Control control, std::uint8_t slot) const override;
    std::string editText(std::uint8_t slot) const override;
    void setEditText(std::uint8_t slot, const std::string& text) override;
    bool isChecked(std::uint8_t slot) const override;
    void setChecked(std::uint8_t slot, bool checked) override;
    int itemIndex(std::uint8_t slot) const override;
    void setItemIndex(std::uint8_t slot, int index) override;

private:
    template <typename T>
    T* at(std::span<T* const> grid, std::uint8_t slot) const
    {
        const std::size_t index = m_base + slot * m_stride;
        return index < grid.size() ? grid[index] : nullptr;
    }

    std::span<QLineEdit* const> m_edits;
    std::span<QCheckBox* const> m_checks;
    std::span<QComboBox* const> m_combos;
    std::size_t m_base;
    std::size_t m_stride;
};

} // namespace orvex::app

#pragma once
// Controls without widgets for the field engine tests: each slot holds what a widget would.
// Like a real drop-down list, an index past the list's items selects nothing (-1).
#include "core/field_engine.h"

#include <map>
#include <set>
#include <span>
#include <string>

namespace orvex::test {

class FakeControls final : public fields::FieldControls {
public:
    /// Creates a control for every field of `table` (edits empty, boxes clear, lists unselected).
    explicit FakeControls(std::span<const fields::Field> table)
    {
        for (const fields::Field& f : table) {
            m_present.insert({f.control, f.slot});
            if (f.control == fields::Control::List) m_itemCounts[f.slot] = static_cast<int>(f.list.size());
        }
    }

    bool has(fields::Control control, std::uint8_t slot) const override
    {
        return m_present.count({control, slot}) != 0;
    }
    std::string editText(std::uint8_t slot) const override { return at(edits, slot); }
    void setEditText(std::uint8_t slot, const std::string& text) override { edits[slot] = text; }
    bool isChecked(std::uint8_t slot) const override { return at(checks, slot); }
    void setChecked(std::uint8_t slot, bool checked) override { checks[slot] = checked; }
    int itemIndex(std::uint8_t slot) const override
    {
        const auto it = items.find(slot);
        return it == items.end() ? -1 : it->second;
    }
    void setItemIndex(std::uint8_t slot, int index) override
    {
        items[slot] = index < m_itemCounts[slot] ? index : -1;
    }

    std::map<std::uint8_t, std::string> edits;
    std::map<std::uint8_t, bool> checks;
    std::map<std::uint8_t, int> items;

private:
    template <typename T>
    static T at(const std::map<std::uint8_t, T>& map, std::uint8_t slot)
    {
        const auto it = map.find(slot);
        return it == map.end() ? T{} : it->second;
    }

    std::set<std::pair<fields::Control, std::uint8_t>> m_present;
    std::map<std::uint8_t, int> m_itemCounts;
};

} // namespace orvex::test

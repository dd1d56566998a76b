#pragma once

// The check that holds a settings file's lines against its form's layout, made at compile time
// where each file's lines are described.
#include <span>

#include "core/settings_lines.h"
#include "res/dialog_template.h"

namespace lines_fit {

// Whether the line names a label of the layout and, for each of its fields, a control of the kind
// its shape shows it in, with the field its shape holds.
template <class Record>
constexpr bool LineFits(const res::DialogTemplate& layout, const SettingsLine<Record>& line) {
    const std::size_t count = line.FieldCount();
    const bool inEdit = line.shape == LineShape::Text || line.shape == LineShape::Clock;
    const bool several = line.shape == LineShape::Times || line.shape == LineShape::Characters;
    bool fits = layout.Has(line.label, res::ControlKind::Label) && count > 0 &&
                (several || count == 1) && (line.shape != LineShape::Times || count % 2 == 0);
    for (std::size_t i = 0; i < count; ++i) {
        const LineField<Record>& field = line.fields[i];
        const FieldHolds wanted = inEdit                                ? FieldHolds::Text
                                  : line.shape == LineShape::Characters ? FieldHolds::Character
                                                                        : FieldHolds::Number;
        const bool held = field.holds == wanted;
        fits = fits && held &&
               layout.Has(field.control,
                          inEdit ? res::ControlKind::Edit : res::ControlKind::DropDownList);
    }
    return fits;
}

template <class Record>
constexpr std::size_t FieldsShowingControl(std::span<const SettingsLine<Record>> lines, int id) {
    std::size_t count = 0;
    for (const SettingsLine<Record>& line : lines) {
        for (const LineField<Record>& field : line.fields) {
            count += field.control == id ? 1 : 0;
        }
    }
    return count;
}

}  // namespace lines_fit

// Whether a file's `lines` and the fields its form shows beside them (`shownOnly`) fit the form's
// `layout`: every line of the file has a key and every other field none; each names a label of
// the layout and controls of the kind its shape shows it in, with the field its shape holds; a
// clock names a line's date-order list; and every list and edit of the layout but the edit of the
// target folder shows exactly one field.
template <class Record>
constexpr bool LinesFitLayout(const res::DialogTemplate& layout,
                              std::span<const SettingsLine<Record>> lines,
                              std::span<const SettingsLine<Record>> shownOnly, int folderEdit) {
    for (const SettingsLine<Record>& line : lines) {
        if (line.key.empty() || !lines_fit::LineFits(layout, line) ||
            (line.shape == LineShape::Clock) != (line.orderList != 0)) {
            return false;
        }
        if (line.orderList != 0 && lines_fit::FieldsShowingControl(lines, line.orderList) != 1) {
            return false;
        }
    }
    for (const SettingsLine<Record>& line : shownOnly) {
        if (!line.key.empty() || !lines_fit::LineFits(layout, line)) {
            return false;
        }
    }
    for (const res::ControlTemplate& control : layout.controls) {
        const bool holdsValue = control.kind == res::ControlKind::DropDownList ||
                                control.kind == res::ControlKind::Edit;
        const std::size_t shown = lines_fit::FieldsShowingControl(lines, control.id) +
                                  lines_fit::FieldsShowingControl(shownOnly, control.id);
        if (holdsValue && control.id != folderEdit && shown != 1) {
            return false;
        }
    }
    return true;
}

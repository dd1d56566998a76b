#pragma once

#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Dialog layouts as data: every control with its identifier, kind, text, rectangle in dialog
// units, list items and flags, in template order. Template order is the order in which the
// controls are created, the tab order, and the order in which the controls are walked.
namespace res {

inline constexpr int kUnnamedId = -1;  // group boxes and icons without an identifier of their own

enum class ControlKind { GroupBox, Label, DropDownList, Edit, PushButton, Icon };

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDisabled = 1u << 0,       // always disabled
    kSorted = 1u << 1,         // list items sorted alphabetically, case-insensitive
    kNoPrefix = 1u << 2,       // an ampersand is shown as it stands
    kDefaultButton = 1u << 3,  // the button that Enter presses
};

// The fixed items of a drop-down list: given texts, or the decimal numbers first..last.
struct ListItems {
    std::span<const std::string_view> texts{};
    int first = 0;
    int last = -1;

    constexpr std::size_t Count() const {
        return texts.empty() ? static_cast<std::size_t>(last >= first ? last - first + 1 : 0)
                             : texts.size();
    }
    std::string Text(std::size_t index) const {
        return texts.empty() ? std::to_string(first + static_cast<int>(index))
                             : std::string(texts[index]);
    }
};

constexpr ListItems Numbers(int first, int last) {
    return ListItems{{}, first, last};
}

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    int x, y, cx, cy;  // dialog units; a list's height includes its dropped-down part
    ListItems items{};
    unsigned flags = kNoFlags;
    int buddy = 0;  // for a label: the control it names
    // What screen readers call a list, edit or button that no label names and whose own text
    // does not say what it is for; empty for every other control.
    std::string_view accessibleName{};
};

// A label that names the control `buddy`.
constexpr ControlTemplate LabelFor(int id, std::string_view text, int x, int y, int cx, int cy,
                                   int buddy) {
    return {id, ControlKind::Label, text, x, y, cx, cy, {}, kNoFlags, buddy};
}

// `control`, called `name` by screen readers because no label stands beside it.
constexpr ControlTemplate Named(std::string_view name, ControlTemplate control) {
    control.accessibleName = name;
    return control;
}

// True when no identifier but `kUnnamedId` is used twice and every buddy is a control of the
// same layout named by a label; layouts check this at compile time.
constexpr bool IsWellFormed(std::span<const ControlTemplate> controls) {
    const auto count = [&](int id) {
        std::size_t n = 0;
        for (const ControlTemplate& control : controls) {
            n += control.id == id ? 1 : 0;
        }
        return n;
    };
    for (const ControlTemplate& control : controls) {
        if (control.id != kUnnamedId && count(control.id) != 1) {
            return false;
        }
        if (control.buddy != 0 && (control.kind != ControlKind::Label ||
                                   control.buddy == kUnnamedId || count(control.buddy) != 1)) {
            return false;
        }
    }
    return true;
}

struct DialogTemplate {
    int id;
    std::string_view title;
    int cx, cy;     // client size in dialog units
    int pointSize;  // of the dialog font
    std::span<const ControlTemplate> controls;
    // The context in which its texts are translated; the fixed items of lists are translated in
    // the context "Lists", which every layout shares.
    const char* context = nullptr;

    // Whether the layout has a control with the identifier, of the given kind or of any.
    constexpr bool Has(int controlId, std::optional<ControlKind> kind = std::nullopt) const {
        for (const ControlTemplate& control : controls) {
            if (control.id == controlId && (!kind || control.kind == *kind)) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace res

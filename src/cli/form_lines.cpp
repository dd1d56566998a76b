#include "cli/form_lines.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>

#include "cli/card_words.h"
#include "core/clock_text.h"
#include "core/settings_text.h"
#include "words/translations.h"

namespace {

using Shape = LineShape;

// How each date order lays out the clock.
constexpr std::array<std::string_view, 3> kClockLayouts{
    "yyyy-mm-dd hh:mm:ss", "dd-mm-yyyy hh:mm:ss", "mm-dd-yyyy hh:mm:ss"};

const res::ControlTemplate& ControlOf(const res::DialogTemplate& layout, int id) {
    const auto found = std::find_if(layout.controls.begin(), layout.controls.end(),
                                    [id](const res::ControlTemplate& c) { return c.id == id; });
    assert(found != layout.controls.end());
    return *found;
}

// The caption of the label that names the control `id`, such as the unit "Min" beside a list.
std::string_view LabelNaming(const res::DialogTemplate& layout, int id) {
    for (const res::ControlTemplate& control : layout.controls) {
        if (control.kind == res::ControlKind::Label && control.buddy == id) {
            return control.text;
        }
    }
    return {};
}

// A text of the form's layout in the user's language.
std::string InForm(const SettingsKind& kind, std::string_view text) {
    return TemplateText(text, kind.form.context).toStdString();
}

// An item of a list in the user's language.
std::string Item(const res::ListItems& items, std::size_t i) {
    return TemplateText(items.Text(i), "Lists").toStdString();
}

// Where the line of the date order that lays out the clock `line` stands among the kind's lines.
std::size_t OrderLineOf(const SettingsKind& kind, const FormLine& clock) {
    const auto order = std::find_if(kind.lines.begin(), kind.lines.end(), [&](const FormLine& l) {
        return l.controls[0] == clock.orderList;
    });
    assert(order != kind.lines.end());
    return static_cast<std::size_t>(order - kind.lines.begin());
}

std::optional<std::size_t> ItemIndex(const res::ListItems& items, std::string_view text) {
    for (std::size_t i = 0; i < items.Count(); ++i) {
        if (items.Text(i) == text) {
            return i;
        }
    }
    return std::nullopt;
}

std::string TwoDigits(const std::string& number) {
    return number.size() == 1 ? "0" + number : number;
}

// The numbers of a times value, "07:42" or "01:02 03:04", as they stand in their lists.
std::vector<std::string> TimeNumbers(const std::string& value) {
    std::vector<std::string> numbers;
    for (std::size_t i = 0; i + 1 < value.size(); i += 3) {
        numbers.push_back(std::to_string(std::stoi(value.substr(i, 2))));
    }
    return numbers;
}

std::string AllowedPositions(const res::ListItems& items) {
    if (items.texts.empty()) {
        return Said(TrailcamCard::tr("%1 to %2"), {items.Text(0), items.Text(items.Count() - 1)});
    }
    std::string allowed;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        allowed += (i == 0 ? "" : ", ") + std::to_string(i) + " (" + Item(items, i) + ")";
    }
    return allowed;
}

// Whether the lists offer the value of `line`; for a clock, whether it has the layout of the
// date order that `lines` give, which `allowed` then says.
bool Offered(const SettingsKind& kind, const FormLine& line, const std::string& value,
             std::span<const TextLine> lines, std::string& allowed) {
    const auto offers = [&](std::size_t i, const std::string& item) {
        return ItemIndex(ControlOf(kind.form, line.controls[i]).items, item).has_value();
    };
    switch (line.shape) {
        case Shape::Text:
            return true;
        case Shape::Position:
            return std::stoul(value) < ControlOf(kind.form, line.controls[0]).items.Count();
        case Shape::Clock: {
            const TextLine& order = lines[OrderLineOf(kind, line)];
            const std::size_t dateOrder = std::stoul(order.value);
            if (dateOrder >= kClockLayouts.size()) {
                return true;  // the date order is wrong itself, and says so
            }
            allowed = Said(TrailcamCard::tr("a date and time as %1, the layout of %2=%3"),
                           {kClockLayouts[dateOrder], order.key, order.value});
            return IsClockText(static_cast<int>(dateOrder), value);
        }
        case Shape::Times: {
            const std::vector<std::string> numbers = TimeNumbers(value);
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                if (!offers(i, numbers[i])) {
                    return false;
                }
            }
            return true;
        }
        case Shape::Characters:
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (!offers(i, value.substr(i, 1))) {
                    return false;
                }
            }
            return true;
    }
    return true;
}

}  // namespace

std::vector<TextLine> SplitSettingsLines(std::string_view text) {
    std::vector<TextLine> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const std::size_t equals = line.find('=');
        lines.push_back(
            {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string JoinSettingsLines(std::span<const TextLine> lines) {
    std::string text;
    for (const TextLine& line : lines) {
        text += line.key + "=" + line.value + "\n";
    }
    return text;
}

ShownLine ShowLine(const SettingsKind& kind, const FormLine& line, const std::string& value) {
    ShownLine shown{InForm(kind, ControlOf(kind.form, line.label).text) + std::string(line.suffix),
                    value};
    if (line.shape == Shape::Position) {
        const res::ListItems& items = ControlOf(kind.form, line.controls[0]).items;
        if (const std::size_t position = std::stoul(value); position < items.Count()) {
            shown.shown = Item(items, position);
        }
    } else if (line.shape == Shape::Times) {
        // The units of the lists, where labels name them: "00:05 (Min:Sec)".
        std::string units;
        for (std::size_t i = 0; i < line.controlCount; ++i) {
            const std::string_view unit = LabelNaming(kind.form, line.controls[i]);
            if (unit.empty()) {
                return shown;
            }
            units += i == 0 ? "" : i % 2 == 1 ? ":" : " ";
            units += InForm(kind, unit);
        }
        shown.shown += " (" + units + ")";
    }
    return shown;
}

std::vector<ShownLine> ShowLines(const SettingsKind& kind, std::string_view text) {
    std::vector<ShownLine> shown;
    if (kind.modeOf != nullptr) {
        shown.push_back(
            {InForm(kind, ControlOf(kind.form, kind.modeLabel).text), kind.modeOf(text)});
    }
    const std::vector<TextLine> lines = SplitSettingsLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        shown.push_back(ShowLine(kind, kind.lines[i], lines[i].value));
    }
    return shown;
}

Parsed<std::string> ValueGiven(const SettingsKind& kind, const FormLine& line,
                               const std::string& given) {
    const bool number =
        !given.empty() && std::ranges::all_of(given, [](char c) { return c >= '0' && c <= '9'; });
    if (line.shape != Shape::Position || number) {
        return given;
    }
    const res::ListItems& items = ControlOf(kind.form, line.controls[0]).items;
    if (const std::optional<std::size_t> exact = ItemIndex(items, given)) {
        return std::to_string(*exact);
    }
    // An item's text in any case of letters, as the form or the user's language calls it.
    std::vector<std::size_t> alike;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        if (SameAsciiLetters(items.Text(i), given) || Item(items, i) == given) {
            alike.push_back(i);
        }
    }
    if (alike.size() == 1) {
        return std::to_string(alike.front());
    }
    return Parsed<std::string>::Refused(Said(TrailcamCard::tr("%1=%2: allowed values are %3"),
                                             {line.key, given, AllowedPositions(items)}));
}

std::string OfferedValues(const SettingsKind& kind, const FormLine& line) {
    const auto items = [&](std::size_t i) -> const res::ListItems& {
        return ControlOf(kind.form, line.controls[i]).items;
    };
    switch (line.shape) {
        case Shape::Position:
            return AllowedPositions(items(0));
        case Shape::Text:
            return Said(TrailcamCard::tr("the text of the edit, in printable ASCII"));
        case Shape::Clock: {
            std::string layouts;
            const std::string_view orderKey = kind.lines[OrderLineOf(kind, line)].key;
            for (std::size_t i = 0; i < kClockLayouts.size(); ++i) {
                layouts +=
                    (i == 0 ? "" : ", ") + Said(TrailcamCard::tr("%1 for %2=%3"),
                                                {kClockLayouts[i], orderKey, std::to_string(i)});
            }
            return Said(TrailcamCard::tr(
                            "a date and time as %1; taken when the file is written unless given"),
                        {layouts});
        }
        case Shape::Times: {
            std::string allowed;
            for (std::size_t i = 0; i < line.controlCount; ++i) {
                const std::string unit = InForm(kind, LabelNaming(kind.form, line.controls[i]));
                allowed += unit + (unit.empty() ? "" : " ") +
                           Said(TrailcamCard::tr("%1 to %2"),
                                {TwoDigits(items(i).Text(0)),
                                 TwoDigits(items(i).Text(items(i).Count() - 1))}) +
                           ", ";
            }
            return allowed + Said(TrailcamCard::tr("as %1"), {TimesLayout(line.controlCount)});
        }
        case Shape::Characters: {
            std::string characters;
            for (std::size_t i = 0; i < items(0).Count(); ++i) {
                characters += items(0).Text(i);
            }
            return Said(TrailcamCard::tr("%1 characters, each one of %2"),
                        {std::to_string(line.controlCount), characters});
        }
    }
    return {};
}

std::vector<std::string> ListValues(const SettingsKind& kind, const FormLine& line) {
    if (line.shape != Shape::Position) {
        return {};
    }
    const res::ListItems& items = ControlOf(kind.form, line.controls[0]).items;
    std::vector<std::string> values;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        values.push_back(std::to_string(i));
    }
    for (std::size_t i = 0; i < items.Count() && !items.texts.empty(); ++i) {
        values.push_back(items.Text(i));
    }
    return values;
}

std::vector<std::string> ValueProblems(const SettingsKind& kind, std::span<const TextLine> lines) {
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < lines.size() && i < kind.lines.size(); ++i) {
        std::string allowed;
        if (!Offered(kind, kind.lines[i], lines[i].value, lines, allowed)) {
            problems.push_back(
                Said(TrailcamCard::tr("%1=%2: allowed values are %3"),
                     {lines[i].key, lines[i].value,
                      allowed.empty() ? OfferedValues(kind, kind.lines[i]) : allowed}));
        }
    }
    return problems;
}

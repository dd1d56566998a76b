#pragma once

// Enable rules from a table: a list with the items "Off" and "On" (or "Auto" and "Manual")
// switches other controls. At position 1 the controls of `enabledWhenOn` are enabled and those of
// `enabledWhenOff` disabled; at position 0 the other way round; at any other position nothing
// changes. Disabled controls keep their values.
#include <span>

#include "res/dialog_template.h"

class CDialog;

struct EnableRule {
    int switchId;
    std::span<const int> enabledWhenOn;
    std::span<const int> enabledWhenOff = {};
};

// Applies every rule now, and each again whenever its switch changes. The rules are a constant
// table that outlives the dialog.
void ConnectEnableRules(CDialog& dialog, std::span<const EnableRule> rules);

// Applies every rule to the current positions of the switches.
void ApplyEnableRules(CDialog& dialog, std::span<const EnableRule> rules);

// Whether every switch of `rules` is a list of `layout` and every control it switches is there.
constexpr bool RulesFit(const res::DialogTemplate& layout, std::span<const EnableRule> rules) {
    for (const EnableRule& rule : rules) {
        bool fits = layout.Has(rule.switchId, res::ControlKind::DropDownList);
        for (const int id : rule.enabledWhenOn) {
            fits = fits && layout.Has(id);
        }
        for (const int id : rule.enabledWhenOff) {
            fits = fits && layout.Has(id);
        }
        if (!fits) {
            return false;
        }
    }
    return true;
}

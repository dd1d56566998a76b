#pragma once

// Enable rules from a table: a list with the items "Off" and "On" (or "Auto" and "Manual")
// switches other controls. At position 1 the controls of `enabledWhenOn` are enabled and those of
// `enabledWhenOff` disabled; at position 0 the other way round; at any other position nothing
// changes. Disabled controls keep their values.
#include <span>

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

#include "framework/enable_rules.h"

#include "framework/controls.h"
#include "framework/dialog.h"

namespace {

void ApplyEnableRule(CDialog& dialog, const EnableRule& rule) {
    const int position = dialog.List(rule.switchId)->currentIndex();
    if (position != 0 && position != 1) {
        return;
    }
    for (const int id : rule.enabledWhenOn) {
        dialog.Item(id)->setEnabled(position == 1);
    }
    for (const int id : rule.enabledWhenOff) {
        dialog.Item(id)->setEnabled(position == 0);
    }
}

}  // namespace

void ApplyEnableRules(CDialog& dialog, std::span<const EnableRule> rules) {
    for (const EnableRule& rule : rules) {
        ApplyEnableRule(dialog, rule);
    }
}

void ConnectEnableRules(CDialog& dialog, std::span<const EnableRule> rules) {
    for (const EnableRule& rule : rules) {
        ApplyEnableRule(dialog, rule);
        QObject::connect(dialog.List(rule.switchId), &QComboBox::currentIndexChanged, &dialog,
                         [&dialog, &rule] { ApplyEnableRule(dialog, rule); });
    }
}

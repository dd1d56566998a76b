#pragma once

// The About box: the program's name and version beside its icon.
#include <array>

#include "res/dialog_template.h"
#include "res/dialogs.h"

namespace res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDC_ABOUT_VERSION = 998;
inline constexpr int IDC_ABOUT_NOTICE = 999;

inline constexpr std::array<ControlTemplate, 4> kAboutControls{{
    {kUnnamedId, ControlKind::Icon, "", 11, 17, 21, 20},
    {IDC_ABOUT_VERSION,
     ControlKind::Label,
     QT_TRANSLATE_NOOP("AboutBox", "Palvenor 2.1 版"),
     40,
     10,
     119,
     8,
     {},
     kNoPrefix},
    {IDC_ABOUT_NOTICE, ControlKind::Label, QT_TRANSLATE_NOOP("AboutBox", "Copyright (C) 2026"), 40,
     25, 119, 8},
    {IDOK,
     ControlKind::PushButton,
     QT_TRANSLATE_NOOP("AboutBox", "确定"),
     178,
     7,
     50,
     14,
     {},
     kDefaultButton},
}};

inline constexpr DialogTemplate kAboutDialog{
    IDD_ABOUTBOX, QT_TRANSLATE_NOOP("AboutBox", "关于 Palvenor"), 235, 55, 9, kAboutControls,
    "AboutBox"};

}  // namespace res

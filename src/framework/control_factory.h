#pragma once

// Building the controls of a dialog from its layout: one widget per control of the template,
// with its kind, text, list items, flags, place, identifier and the name screen readers give it.
#include "res/dialog_template.h"
#include "words/translations.h"

class DialogUnits;
class QWidget;

// Whether a control of this kind takes the keyboard focus, and so a place in the tab order.
bool IsTabStop(res::ControlKind kind);

// The widget for `control`, a child of `parent`, placed in dialog units, its texts translated in
// `context`. The push buttons and edits of working windows (`skinned`) come from the installed
// skin.
QWidget* CreateControl(const res::ControlTemplate& control, const char* context, QWidget& parent,
                       const DialogUnits& units, bool skinned);

// The identifier a control was created with; 0 for a widget that is no control of a layout.
int ControlId(const QWidget* control);

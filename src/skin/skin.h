#pragma once

#include "framework/dialog_skin.h"

// The look of the working windows: the painted frame, `CRoundButton` push buttons and
// `CHoverEdit` edits, the face colour behind the controls, and the colours of the labels and
// the unnamed group boxes. Installed once at start-up.
class Skin : public DialogSkin {
public:
    QPushButton* CreatePushButton(QWidget* parent) override;
    QLineEdit* CreateEdit(QWidget* parent) override;
    void Attach(CDialog& dialog) override;
};

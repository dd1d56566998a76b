#include "skin/skin.h"

#include <QGroupBox>
#include <QLineEdit>

#include "framework/dialog.h"
#include "res/dialog_template.h"
#include "skin/etched_group_frames.h"
#include "skin/hover_edit.h"
#include "skin/round_button.h"
#include "skin/skin_colours.h"
#include "skin/skin_frame.h"

namespace {

// Labels show black on the face colour and the unnamed group boxes let it show through with
// their text in the label colour; editable fields stay white, while disabled edits show black
// text on the face colour.
void ApplyColours(CDialog& dialog) {
    // Only the roles set here are the control's own; the rest still come from its parents.
    QPalette face;
    face.setColor(QPalette::Window, skin::kFaceColour);
    dialog.ClientArea()->setPalette(face);

    QPalette label;
    label.setColor(QPalette::WindowText, skin::kLabelColour);
    QPalette edit;
    edit.setColor(QPalette::Disabled, QPalette::Base, skin::kFaceColour);
    edit.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    for (QWidget* control : dialog.Controls()) {
        if (CDialog::ControlId(control) == res::kUnnamedId) {
            control->setPalette(label);
        } else if (qobject_cast<QLineEdit*>(control) != nullptr) {
            control->setPalette(edit);
        }
    }
}

void EtchGroupBoxes(CDialog& dialog) {
    auto* frames = new EtchedGroupFrames(&dialog);
    for (QWidget* control : dialog.Controls()) {
        if (auto* box = qobject_cast<QGroupBox*>(control)) {
            frames->Paint(box);
        }
    }
}

}  // namespace

QPushButton* Skin::CreatePushButton(QWidget* parent) {
    return new CRoundButton(parent);
}

QLineEdit* Skin::CreateEdit(QWidget* parent) {
    return new CHoverEdit(parent);
}

void Skin::Attach(CDialog& dialog) {
    dialog.setWindowFlags(dialog.windowFlags() | Qt::FramelessWindowHint);
    dialog.SetFrameMargins(CSkinFrame::Margins());
    ApplyColours(dialog);
    EtchGroupBoxes(dialog);
    new CSkinFrame(dialog);
}

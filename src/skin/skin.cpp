#include "skin/skin.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>

#include <vector>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "res/dialog_template.h"
#include "skin/etched_group_frames.h"
#include "skin/hover_edit.h"
#include "skin/round_button.h"
#include "skin/skin_colours.h"
#include "skin/skin_frame.h"

namespace {

// The drop-down lists stand on the face colour, and the style shades their frames from it. They
// share one palette, the default of their class, made once from the dialogs' own; a palette set on
// a window or a list would be a new one at every opening, and the style would cache its drawings
// of the lists anew each time.
void ShareListColours() {
    static const bool shared = [] {
        QPalette lists = QApplication::palette(CDialog::staticMetaObject.className());
        lists.setColor(QPalette::Window, skin::kFaceColour);
        lists.setResolveMask(0);  // a class default: nothing of it counts as set on a widget
        QApplication::setPalette(lists, CComboBox::staticMetaObject.className());
        return true;
    }();
    (void)shared;
}

// Labels show black on the face colour, which the frame paints behind the controls; group boxes
// let it show through, the unnamed ones with their text in the label colour; editable fields stay
// white, while disabled edits show black text on the face colour. These controls draw themselves
// or draw nothing the style caches, so each may carry colours of its own.
void ApplyColours(CDialog& dialog) {
    ShareListColours();
    QPalette group;
    group.setColor(QPalette::Window, skin::kFaceColour);
    QPalette label = group;
    label.setColor(QPalette::WindowText, skin::kLabelColour);
    QPalette edit;
    edit.setColor(QPalette::Disabled, QPalette::Base, skin::kFaceColour);
    edit.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    const std::vector<QWidget*>& controls = dialog.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const bool unnamed = dialog.Layout().controls[i].id == res::kUnnamedId;
        if (qobject_cast<QGroupBox*>(control) != nullptr) {
            control->setPalette(unnamed ? label : group);
        } else if (unnamed) {
            control->setPalette(label);
        } else if (qobject_cast<QLineEdit*>(control) != nullptr) {
            control->setPalette(edit);
        }
    }
}

void EtchGroupBoxes(CDialog& dialog) {
    // Frames are in the window's own font, whose line is 8 dialog units high.
    auto* frames = new EtchedGroupFrames(dialog.DialogUnitsToPixelsY(8), &dialog);
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
    // The window manager draws nothing around a working window: the frame paints its own band,
    // buttons and bands. The flags are set whole, because Qt drops the frameless hint again when
    // it is combined with customised caption hints such as a close button.
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // A Wayland compositor takes a window's mask for where it may be clicked only, and shows the
    // whole of it; the window lets the desktop show through its corners instead.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        dialog.setAttribute(Qt::WA_TranslucentBackground);
    }
    dialog.SetFrameMargins(CSkinFrame::Margins());
    ApplyColours(dialog);
    EtchGroupBoxes(dialog);
    new CSkinFrame(dialog);
}

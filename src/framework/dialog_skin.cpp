#include "framework/dialog_skin.h"

#include <QLineEdit>
#include <QPushButton>

// Plain controls for dialogs when no skin is installed.
QPushButton* DialogSkin::CreatePushButton(QWidget* parent) {
    return new QPushButton(parent);
}
QLineEdit* DialogSkin::CreateEdit(QWidget* parent) {
    return new QLineEdit(parent);
}
void DialogSkin::Attach(CDialog& dialog) {
    (void)dialog;
}

namespace {
DialogSkin* g_skin = nullptr;
}  // namespace

DialogSkin& DialogSkin::Current() {
    static DialogSkin plain;
    return g_skin != nullptr ? *g_skin : plain;
}

void DialogSkin::Install(DialogSkin* skin) {
    g_skin = skin;
}

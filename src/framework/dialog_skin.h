#pragma once

class CDialog;
class QLineEdit;
class QPushButton;
class QWidget;

// What the skin of the working windows decides: the push buttons and edits it draws itself, and
// what it does to a dialog's frame once its controls exist. Dialogs with the platform's frame
// never ask it. Without a skin installed, the plain one gives the toolkit's own controls.
class DialogSkin {
public:
    virtual ~DialogSkin() = default;

    virtual QPushButton* CreatePushButton(QWidget* parent);
    virtual QLineEdit* CreateEdit(QWidget* parent);
    virtual void Attach(CDialog& dialog);

    static DialogSkin& Current();
    // Makes `skin` the one in use; nullptr goes back to the plain one.
    static void Install(DialogSkin* skin);
};

#pragma once

// The key filter of the working windows: Enter and Escape never reach a control of the window,
// so a stray key press neither presses a button nor closes the window; Alt+Space opens the
// window menu and Alt+F4 closes the window. It sees every control of the window, also those
// added after the window was built, but not the window's popups (a dropped-down list, the window
// menu), where Enter and Escape keep their meaning.
#include <QObject>

class CDialog;

class KeyFilter : public QObject {
public:
    // Filters the keys of `dialog` for as long as the dialog lives.
    explicit KeyFilter(CDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDialog& m_dialog;
};

#pragma once

// The key filter of the working windows: Enter and Escape never reach a control of the window,
// so a stray key press neither presses a button nor closes the window; Alt+Space asks for the
// window menu and Alt+F4 for closing the window. It sees every control of the window, also those
// added after the window was built, but not the window's popups (a dropped-down list, the window
// menu), where Enter and Escape keep their meaning.
#include <QObject>

class QWidget;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters the keys of `window` for as long as the window lives.
    explicit KeyFilter(QWidget& window);

Q_SIGNALS:
    void MenuAsked();
    void CloseAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
};

#pragma once

// The window menu of the working windows: Restore, Minimize, Maximize and Close, each enabled as
// the window's state allows, and the commands a dialog appends after a separator.
#include <QMenu>

// System commands of the window menu.
enum SystemCommand : int {
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120,
};

class WindowMenu : public QMenu {
    Q_OBJECT
public:
    // The menu of `window`; choosing an item emits `Command` with its command number.
    explicit WindowMenu(QWidget& window);

    // Appends a separator and a command; an empty text adds nothing.
    void AppendItem(int command, const QString& text);

Q_SIGNALS:
    void Command(int command);

private:
    void EnableForWindowState();

    QWidget& m_window;
};

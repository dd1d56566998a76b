#pragma once

// The window menu of the working windows: Restore, Minimize, Maximize and Close, each enabled as
// the window's state allows, and the commands a dialog appends after a separator.
#include <QAccessibleWidget>
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

// A working window as screen readers meet it: its controls and, while it is open, its window menu.
// The menu is a window of its own, which Qt leaves out of every window's children and out of the
// application's, so without this a screen reader walking the window finds no menu at all. (Going
// up, Qt gives the menu the application as its parent, as it does every window.)
class AccessibleWorkingWindow : public QAccessibleWidget {
public:
    explicit AccessibleWorkingWindow(QWidget* window);

    // Makes every window of the class `className` (a static name) answer through this class;
    // later calls do nothing.
    static void Install(const char* className);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    // The window menu while it is open, else nullptr.
    WindowMenu* OpenMenu() const;
};

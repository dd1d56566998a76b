#include "framework/window_menu.h"

#include <array>

WindowMenu::WindowMenu(QWidget& window) : QMenu(&window), m_window(window) {
    struct Entry {
        int command;
        const char* text;
    };
    static constexpr std::array<Entry, 4> kEntries{{
        {SC_RESTORE, "&Restore"},
        {SC_MINIMIZE, "Mi&nimize"},
        {SC_MAXIMIZE, "Ma&ximize"},
        {SC_CLOSE, "&Close"},
    }};
    for (const Entry& entry : kEntries) {
        QAction* action = addAction(tr(entry.text));
        action->setData(entry.command);
        if (entry.command == SC_CLOSE) {
            action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
        }
    }
    connect(this, &QMenu::triggered, this,
            [this](QAction* action) { Q_EMIT Command(action->data().toInt()); });
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::EnableForWindowState);
}

void WindowMenu::AppendItem(int command, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    addSeparator();
    addAction(text)->setData(command);
}

void WindowMenu::EnableForWindowState() {
    for (QAction* action : actions()) {
        switch (action->data().toInt()) {
            case SC_RESTORE:
                action->setEnabled(m_window.isMinimized() || m_window.isMaximized());
                break;
            case SC_MINIMIZE:
                action->setEnabled(!m_window.isMinimized());
                break;
            case SC_MAXIMIZE:
                action->setEnabled(!m_window.isMaximized());
                break;
            default:
                break;
        }
    }
}

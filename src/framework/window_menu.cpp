#include "framework/window_menu.h"

#include <QAccessible>

#include <array>

namespace {

// The class whose windows answer as working windows.
const char* g_workingWindowClass = nullptr;

QAccessibleInterface* MakeAccessibleWorkingWindow(const QString& className, QObject* object) {
    if (g_workingWindowClass != nullptr && object->isWidgetType() &&
        className == QLatin1String(g_workingWindowClass)) {
        return new AccessibleWorkingWindow(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

WindowMenu::WindowMenu(QWidget& window) : QMenu(&window), m_window(window) {
    struct Entry {
        int command;
        const char* text;
    };
    static constexpr std::array<Entry, 4> kEntries{{
        {SC_RESTORE, QT_TR_NOOP("&Restore")},
        {SC_MINIMIZE, QT_TR_NOOP("Mi&nimize")},
        {SC_MAXIMIZE, QT_TR_NOOP("Ma&ximize")},
        {SC_CLOSE, QT_TR_NOOP("&Close")},
    }};
    for (const Entry& entry : kEntries) {
        QAction* action = addAction(tr(entry.text));
        action->setData(entry.command);
        if (entry.command == SC_CLOSE) {
            action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
        }
    }
    setAccessibleName(tr("Window menu"));
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

AccessibleWorkingWindow::AccessibleWorkingWindow(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Dialog) {}

void AccessibleWorkingWindow::Install(const char* className) {
    if (g_workingWindowClass == nullptr) {
        g_workingWindowClass = className;
        QAccessible::installFactory(&MakeAccessibleWorkingWindow);
    }
}

WindowMenu* AccessibleWorkingWindow::OpenMenu() const {
    auto* menu = widget()->findChild<WindowMenu*>(QString(), Qt::FindDirectChildrenOnly);
    return menu != nullptr && menu->isVisible() ? menu : nullptr;
}

// The open menu comes after the window's own children.
int AccessibleWorkingWindow::childCount() const {
    return QAccessibleWidget::childCount() + (OpenMenu() != nullptr ? 1 : 0);
}

QAccessibleInterface* AccessibleWorkingWindow::child(int index) const {
    if (WindowMenu* menu = OpenMenu();
        menu != nullptr && index == QAccessibleWidget::childCount()) {
        return QAccessible::queryAccessibleInterface(menu);
    }
    return QAccessibleWidget::child(index);
}

int AccessibleWorkingWindow::indexOfChild(const QAccessibleInterface* child) const {
    if (WindowMenu* menu = OpenMenu();
        menu != nullptr && child != nullptr && child->object() == menu) {
        return QAccessibleWidget::childCount();
    }
    return QAccessibleWidget::indexOfChild(child);
}

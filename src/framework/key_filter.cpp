#include "framework/key_filter.h"

#include <QApplication>
#include <QKeyEvent>

#include "framework/dialog.h"
#include "framework/window_menu.h"

namespace {

bool IsEnterOrEscape(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

bool IsAltWith(const QKeyEvent& key, int code) {
    return key.key() == code && (key.modifiers() & Qt::AltModifier) != 0;
}

}  // namespace

KeyFilter::KeyFilter(CDialog& dialog) : QObject(&dialog), m_dialog(dialog) {
    // On the application, so that a control added to the window later is filtered too.
    qApp->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_dialog) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsEnterOrEscape(key)) {
        return true;
    }
    if (IsAltWith(key, Qt::Key_Space)) {
        m_dialog.ShowSystemMenu(m_dialog.ClientArea()->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (IsAltWith(key, Qt::Key_F4)) {
        m_dialog.SendSysCommand(SC_CLOSE);
        return true;
    }
    return false;
}

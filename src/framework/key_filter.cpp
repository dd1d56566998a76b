#include "framework/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

bool IsEnterOrEscape(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

bool IsAltWith(const QKeyEvent& key, int code) {
    return key.key() == code && (key.modifiers() & Qt::AltModifier) != 0;
}

}  // namespace

KeyFilter::KeyFilter(QWidget& window) : QObject(&window), m_window(window) {
    // On the application, so that a control added to the window later is filtered too.
    qApp->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_window) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsEnterOrEscape(key)) {
        return true;
    }
    if (IsAltWith(key, Qt::Key_Space)) {
        Q_EMIT MenuAsked();
        return true;
    }
    if (IsAltWith(key, Qt::Key_F4)) {
        Q_EMIT CloseAsked();
        return true;
    }
    return false;
}

#include "window_watch.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

QWidget* TopLevelOf(const QWindow* window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace

WindowShownWatch::WindowShownWatch(Handler handler) : m_handler(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool WindowShownWatch::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr) {
        return false;
    }
    if (event->type() == QEvent::Hide ||
        (event->type() == QEvent::Expose && !window->isExposed())) {
        m_onScreen.remove(window);
    } else if (event->type() == QEvent::Expose && !m_onScreen.contains(window)) {
        // The filter sees the event before the window paints; the handler runs after.
        m_onScreen.insert(window);
        if (QWidget* widget = TopLevelOf(window)) {
            QMetaObject::invokeMethod(
                this,
                [this, shown = QPointer<QWidget>(widget)] {
                    if (shown != nullptr && shown->isVisible()) {
                        m_handler(*shown);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return false;
}

#pragma once

// Watches the application's windows and calls back once the event loop is free again after a
// window has come on screen, that is, shown and painted: the benchmarks act on windows exactly
// when a person could see them.
#include <QObject>
#include <QSet>

#include <functional>

class QWidget;
class QWindow;

class WindowShownWatch : public QObject {
public:
    using Handler = std::function<void(QWidget& window)>;

    // Watches every window of the application for as long as it lives.
    explicit WindowShownWatch(Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
    // Windows on screen now; a window is reported again only after it has left the screen.
    QSet<const QWindow*> m_onScreen;
};

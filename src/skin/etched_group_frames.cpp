#include "skin/etched_group_frames.h"

#include <QEvent>
#include <QGroupBox>
#include <QPainter>

#include "skin/device_grid.h"

void EtchedGroupFrames::Paint(QGroupBox* box) {
    box->installEventFilter(this);
}

bool EtchedGroupFrames::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QGroupBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Paint) {
        return QObject::eventFilter(watched, event);
    }
    // The frame's top line runs through the middle of the title's line. Its dark outline and the
    // light one below and right of it are each as many device pixels wide as one pixel of the
    // layout; the light one ends at the box's right and bottom edges.
    const QPalette& colours = box->palette();
    QPainter painter(box);
    painter.save();
    const skin::DeviceGrid grid(painter);
    grid.DrawInDevicePixels(painter);
    const int line = grid.Length(1);
    const QRect dark =
        grid.Rect(box->rect().adjusted(0, m_lineHeight / 2, 0, 0)).adjusted(0, 0, -line, -line);
    skin::FillRing(painter, dark, line, colours.color(QPalette::Active, QPalette::Dark));
    skin::FillRing(painter, dark.translated(line, line), line,
                   colours.color(QPalette::Active, QPalette::Light));
    painter.restore();
    if (!box->title().isEmpty()) {
        const QFontMetrics metrics(box->font());
        const QRect title(8, 0, metrics.horizontalAdvance(box->title()) + 4, metrics.height());
        painter.fillRect(title, colours.color(QPalette::Window));
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(title, Qt::AlignCenter | Qt::TextShowMnemonic, box->title());
    }
    return true;
}

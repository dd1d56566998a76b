#include "skin/etched_group_frames.h"

#include <QEvent>
#include <QGroupBox>
#include <QPainter>

void EtchedGroupFrames::Paint(QGroupBox* box) {
    box->installEventFilter(this);
}

bool EtchedGroupFrames::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QGroupBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Paint) {
        return QObject::eventFilter(watched, event);
    }
    // The frame's top line runs through the middle of the title's line.
    const QRect frame = box->rect().adjusted(0, m_lineHeight / 2, -2, -2);
    const QPalette& colours = box->palette();
    QPainter painter(box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colours.color(QPalette::Active, QPalette::Dark));
    painter.drawRect(frame);
    painter.setPen(colours.color(QPalette::Active, QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (!box->title().isEmpty()) {
        const QFontMetrics metrics(box->font());
        const QRect title(8, 0, metrics.horizontalAdvance(box->title()) + 4, metrics.height());
        painter.fillRect(title, colours.color(QPalette::Window));
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(title, Qt::AlignCenter | Qt::TextShowMnemonic, box->title());
    }
    return true;
}

#include "skin/etched_group_frames.h"

#include <QEvent>
#include <QGroupBox>
#include <QPainter>

namespace {

// The one-pixel outline a pen of one pixel draws for `rect`, from its left and top edges to one
// past its right and bottom ones, filled side by side: solid fills, where a pen would run every
// pixel of the frame through the line stroker.
void Outline(QPainter& painter, const QRect& rect, const QColor& colour) {
    const int left = rect.left();
    const int top = rect.top();
    const int width = rect.width() + 1;
    const int height = rect.height() + 1;
    painter.fillRect(left, top, width, 1, colour);
    painter.fillRect(left, top + height - 1, width, 1, colour);
    painter.fillRect(left, top, 1, height, colour);
    painter.fillRect(left + width - 1, top, 1, height, colour);
}

}  // namespace

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
    Outline(painter, frame, colours.color(QPalette::Active, QPalette::Dark));
    Outline(painter, frame.translated(1, 1), colours.color(QPalette::Active, QPalette::Light));
    if (!box->title().isEmpty()) {
        const QFontMetrics metrics(box->font());
        const QRect title(8, 0, metrics.horizontalAdvance(box->title()) + 4, metrics.height());
        painter.fillRect(title, colours.color(QPalette::Window));
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(title, Qt::AlignCenter | Qt::TextShowMnemonic, box->title());
    }
    return true;
}

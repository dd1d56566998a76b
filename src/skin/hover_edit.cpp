#include "skin/hover_edit.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include "skin/device_grid.h"
#include "skin/skin_colours.h"

namespace {

constexpr int kBorder = 2;  // the flat edge: an outer and an inner ring

}  // namespace

CHoverEdit::CHoverEdit(QWidget* parent) : QLineEdit(parent), m_brHover(skin::kFrameColour) {
    setFrame(false);
    setMouseTracking(true);  // moves without a button held down, for the hover look
    setTextMargins(kBorder, kBorder, kBorder, kBorder);
}

void CHoverEdit::enterEvent(QEnterEvent* event) {
    if (isEnabled()) {
        m_bHover = true;
        OnHoverStart();
    }
    QLineEdit::enterEvent(event);
}

// A move over the edit starts the hover look if it has not started yet, so an edit enabled
// while the pointer rests on it is filled as soon as the pointer moves.
void CHoverEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bHover && rect().contains(event->position().toPoint())) {
        m_bHover = true;
        OnHoverStart();
    }
    QLineEdit::mouseMoveEvent(event);
}

void CHoverEdit::leaveEvent(QEvent* event) {
    if (m_bHover) {
        m_bHover = false;
        OnHoverEnd();
    }
    QLineEdit::leaveEvent(event);
}

void CHoverEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_bHover) {
        m_bHover = false;  // a disabled edit takes no pointer
        OnHoverEnd();
    }
    QLineEdit::changeEvent(event);
}

void CHoverEdit::OnHoverStart() {
    update();
}

void CHoverEdit::OnHoverEnd() {
    update();
}

// The border in the device's own pixels, each ring as many device pixels wide as one pixel of
// the layout; the text and the cursor where the layout puts them.
void CHoverEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const skin::DeviceGrid grid(painter);
        grid.DrawInDevicePixels(painter);
        const QRect area = grid.Rect(rect());
        const int line = grid.Length(1);
        if (m_bHover) {
            drawHoverFill(painter, area, line);
        } else {
            drawField(painter, area);
            drawFlatEdge(painter, area, line);
        }
    }
    QLineEdit::paintEvent(event);  // the text and the cursor, over the border's fill
}

// The edit's own panel stays see-through: the border and the field are drawn here.
void CHoverEdit::initStyleOption(QStyleOptionFrame* option) const {
    QLineEdit::initStyleOption(option);
    option->palette.setBrush(QPalette::Base, Qt::transparent);
}

void CHoverEdit::drawHoverFill(QPainter& painter, const QRect& area, int line) const {
    painter.fillRect(area, m_brHover);
    skin::FillRing(painter, area, line, Qt::black);
}

// White where it can be typed into; a disabled edit shows the skin's face colour.
void CHoverEdit::drawField(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, palette().color(QPalette::Base));
}

// The platform's flat sunken edge: a ring in the shadow colour with one in the face colour inside.
void CHoverEdit::drawFlatEdge(QPainter& painter, const QRect& area, int line) const {
    skin::FillRing(painter, area, line, palette().color(QPalette::Active, QPalette::Dark));
    skin::FillRing(painter, area.adjusted(line, line, -line, -line), line,
                   palette().color(QPalette::Active, QPalette::Button));
}

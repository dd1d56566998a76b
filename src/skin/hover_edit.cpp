#include "skin/hover_edit.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

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

void CHoverEdit::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (m_bHover) {
            drawHoverFill(painter);
        } else {
            drawField(painter);
            drawFlatEdge(painter);
        }
    }
    QLineEdit::paintEvent(event);  // the text and the cursor, over the border's fill
}

// The edit's own panel stays see-through: the border and the field are drawn here.
void CHoverEdit::initStyleOption(QStyleOptionFrame* option) const {
    QLineEdit::initStyleOption(option);
    option->palette.setBrush(QPalette::Base, Qt::transparent);
}

void CHoverEdit::drawHoverFill(QPainter& painter) const {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_brHover);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// White where it can be typed into; a disabled edit shows the skin's face colour.
void CHoverEdit::drawField(QPainter& painter) const {
    painter.fillRect(rect(), palette().color(QPalette::Base));
}

// The platform's flat sunken edge: a ring in the shadow colour with one in the face colour inside.
void CHoverEdit::drawFlatEdge(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Active, QPalette::Button));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

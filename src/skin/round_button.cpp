#include "skin/round_button.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>

#include "skin/device_grid.h"
#include "skin/rounded_outline.h"

namespace {

constexpr int kEdge = 2;             // the face lies this far inside the outline
constexpr int kMaxTextLength = 259;  // longer texts are cut
constexpr int kGradientSteps = 64;

// Wide lines end in round caps, so two edges that meet close the corner between them.
QPen InsideFramePen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// How fast red and green, and blue, fall from white to the bottom of the face: each channel is
// 255 - step / divisor for the steps 0 to 63.
struct FaceTint {
    int redGreenDivisor;
    int blueDivisor;
};
// [hovered][active]
constexpr std::array<std::array<FaceTint, 2>, 2> kFaceTints{{
    {{{3, 5}, {3, 4}}},
    {{{4, 5}, {4, 3}}},
}};

QColor FaceColour(int step, FaceTint tint) {
    const int redGreen = 255 - step / tint.redGreenDivisor;
    return {redGreen, redGreen, 255 - step / tint.blueDivisor};
}

}  // namespace

CRoundButton::CRoundButton(QWidget* parent)
    : QPushButton(parent),
      m_penOutline(InsideFramePen(QColor(55, 98, 6), 1)),
      m_penHoverLeft(InsideFramePen(QColor(159, 175, 127), 3)),
      m_penHoverRight(InsideFramePen(QColor(160, 180, 130), 3)),
      m_penHoverTop(InsideFramePen(QColor(161, 190, 143), 2)),
      m_penHoverBottom(InsideFramePen(QColor(140, 155, 0), 2)),
      m_penFocusLeft(InsideFramePen(QColor(153, 198, 252), 3)),
      m_penFocusRight(InsideFramePen(QColor(162, 189, 252), 3)),
      m_penFocusTop(InsideFramePen(QColor(162, 201, 255), 2)),
      m_penFocusBottom(InsideFramePen(QColor(162, 201, 255), 2)) {
    // Every pixel inside the outline is painted; the dialog shows through at the corners.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // moves without a button held down, for the hover look
}

void CRoundButton::resizeEvent(QResizeEvent* event) {
    UpdateOutline();
    QPushButton::resizeEvent(event);
}

// Where the button falls on the device's pixels decides which of its corner pixels the drawing
// touches.
void CRoundButton::moveEvent(QMoveEvent* event) {
    UpdateOutline();
    QPushButton::moveEvent(event);
}

bool CRoundButton::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        UpdateOutline();
    }
    return QPushButton::event(event);
}

// At 100 % the button is clipped to its rounded outline and paints every pixel inside it. At other
// scales it draws its outline smoothed in the device's own pixels: the dialog shows through where
// the drawing leaves a corner pixel partly or wholly uncovered, and the button takes the clicks on
// every pixel the drawing touches.
void CRoundButton::UpdateOutline() {
    const qreal ratio = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == 1.0);
    if (ratio == 1.0) {
        setMask(skin::RoundedOutline(size()));
        return;
    }
    const skin::DeviceGrid grid(ratio, QPointF(mapTo(window(), QPoint())) * ratio);
    setMask(skin::RoundedCover(size(), grid, skin::CornerRadius(ratio)));
}

void CRoundButton::enterEvent(QEnterEvent* event) {
    SetHover(isEnabled());
    QPushButton::enterEvent(event);
}

// A move over the button starts the hover look if it has not started yet, so a button enabled
// while the pointer rests on it lights up as soon as the pointer moves.
void CRoundButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bHover && rect().contains(event->position().toPoint())) {
        SetHover(true);
    }
    QPushButton::mouseMoveEvent(event);
}

void CRoundButton::leaveEvent(QEvent* event) {
    SetHover(false);
    QPushButton::leaveEvent(event);
}

void CRoundButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        SetHover(false);  // a disabled button takes no pointer
    }
    QPushButton::changeEvent(event);
}

void CRoundButton::SetHover(bool hover) {
    if (hover != m_bHover) {
        m_bHover = hover;
        update();
    }
}

// The outline, face and edges in the device's own pixels; the text where the layout puts it.
void CRoundButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    ReadItemState();
    const skin::DeviceGrid grid(painter);
    painter.save();
    grid.DrawInDevicePixels(painter);
    const QRect area = grid.Rect(rect());
    const int edge = grid.Length(kEdge);
    const QRect face = area.adjusted(edge, edge, -edge, -edge);
    drawOutline(painter, grid, area);
    // The face's last row lies on its bottom edge and covers the white ring there, as many device
    // pixels high as the ring.
    const int ring = edge - grid.Length(1);
    DrawFace(painter, face.adjusted(0, 0, 0, ring - 1));
    if (m_bHover || m_bFocus) {
        // The edges lie on the face and the white ring, never on the outline.
        const int line = grid.Length(1);
        painter.setClipRect(area.adjusted(line, line, -line, -line));
        DrawHighlight(painter, grid, face);
    }
    painter.restore();
    drawText(painter, FaceRect());
}

void CRoundButton::ReadItemState() {
    m_bFocus = hasFocus();
    m_bActive = m_bFocus || isDown() || isDefault();
}

QRect CRoundButton::FaceRect() const {
    return rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
}

// The outline along the button's rounded edge, one pixel of the layout wide; a thin white ring
// stays inside it around the face. At 100 % its corners follow the 5 × 5 ellipse pixel by pixel;
// at other scales they are smoothed.
void CRoundButton::drawOutline(QPainter& painter, const skin::DeviceGrid& grid,
                               const QRect& area) const {
    const int ring = grid.Length(1);
    painter.save();
    if (grid.IsOneToOne()) {
        const QRegion outline = skin::RoundedOutline(area.size());
        const QRegion inside =
            skin::RoundedOutline(area.size() - QSize(2 * ring, 2 * ring)).translated(ring, ring);
        painter.setClipRegion(outline - inside);
        painter.fillRect(area, m_penOutline.color());
        painter.setClipRegion(inside);
        painter.fillRect(area, Qt::white);
    } else {
        const qreal radius = skin::CornerRadius(grid.Ratio());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_penOutline.color());
        painter.drawRoundedRect(QRectF(area), radius, radius);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(area.adjusted(ring, ring, -ring, -ring)), radius - ring,
                                radius - ring);
    }
    painter.restore();
}

// One row per pixel from the face's top edge through the row on its bottom edge, from white to
// the tint of the button's state.
void CRoundButton::DrawFace(QPainter& painter, const QRect& face) const {
    const FaceTint tint = kFaceTints[m_bHover ? 1 : 0][m_bActive ? 1 : 0];
    const int rows = face.height();  // rows 0 .. rows, the last on the bottom edge
    for (int row = 0; rows > 0 && row <= rows; ++row) {
        const int step = row * (kGradientSteps - 1) / rows;
        painter.fillRect(QRect(face.left(), face.top() + row, face.width(), 1),
                         FaceColour(step, tint));
    }
}

// Thick edges on the face: green while the pointer rests on the button, else blue for the
// focus, which also gets the dotted focus rectangle. The pens are as many device pixels wide as
// their widths in pixels of the layout.
void CRoundButton::DrawHighlight(QPainter& painter, const skin::DeviceGrid& grid,
                                 const QRect& face) const {
    const bool focusLook = m_bFocus && !m_bHover;
    const int l = face.left();
    const int t = face.top();
    const int r = face.left() + face.width();
    const int b = face.top() + face.height();
    struct Edge {
        const QPen& pen;
        QPoint from;
        QPoint to;
    };
    const std::array<Edge, 4> edges{{
        {focusLook ? m_penFocusLeft : m_penHoverLeft, {l, b - 1}, {l, t + 1}},
        {focusLook ? m_penFocusRight : m_penHoverRight, {r - 1, b - 1}, {r - 1, t}},
        {focusLook ? m_penFocusTop : m_penHoverTop, {l - 1, t}, {r - 1, t}},
        {focusLook ? m_penFocusBottom : m_penHoverBottom, {l, b}, {r - 1, b}},
    }};
    for (const Edge& edge : edges) {
        QPen pen = edge.pen;
        pen.setWidth(grid.Length(edge.pen.width()));
        painter.setPen(pen);
        painter.drawLine(edge.from, edge.to);
    }
    if (focusLook) {
        // Dots that invert every other pixel of the layout along the face's border: a pen `dot`
        // device pixels wide, its lines placed so that they cover the face's outer `dot` pixels.
        const int dot = grid.Length(1);
        QPen dots(Qt::white, dot);
        dots.setDashPattern({1, 1});
        if (dot > 1) {
            dots.setCapStyle(Qt::FlatCap);  // square caps would close the gaps of a wider pen
        }
        const int in = dot / 2;
        const int out = dot - 1 - in;
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(in, in, -1 - out, -1 - out));
        painter.restore();
    }
}

// The text centred on the face as measured, one pixel right and down while held down; an
// ampersand underlines the next character, and a disabled button embosses it in grey.
void CRoundButton::drawText(QPainter& painter, const QRect& face) const {
    const QString caption = text().left(kMaxTextLength);
    const QFontMetrics metrics(font());
    const QSize extent(metrics.horizontalAdvance(caption), metrics.height());
    const int l = face.left();
    const int t = face.top();
    const int r = face.left() + face.width();
    const int b = face.top() + face.height();
    QPoint at((l + r) / 2 - extent.width() / 2, (t + b) / 2 - extent.height() / 2);
    if (isDown()) {
        at += QPoint(1, 1);
    }
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    } else {
        painter.setPen(palette().color(QPalette::Active, QPalette::Light));
        painter.drawText(QRect(at + QPoint(1, 1), extent), kFlags, caption);
        painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    }
    painter.drawText(QRect(at, extent), kFlags, caption);
}

#include "skin/caption_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <array>

#include "framework/resource_picture.h"
#include "skin/skin_colours.h"

namespace {

constexpr QSize kBitmapSize(16, 15);

// The colours of tools/make-caption-images.sh, which draws the bitmaps on the same design grid.
constexpr QColor kRing(246, 246, 240);
constexpr QColor kSage(159, 175, 127);
constexpr QColor kOrange(231, 77, 24);

enum class Glyph { Cross, Window, Bar, Restore };

struct Picture {
    QColor square;
    Glyph glyph;
};

// Images 148 to 155.
constexpr std::array<Picture, 8> kPictures{{
    {kOrange, Glyph::Cross},    // close at rest
    {kSage, Glyph::Cross},      // close under the pointer
    {kSage, Glyph::Window},     // maximise at rest
    {kOrange, Glyph::Window},   // maximise under the pointer
    {kOrange, Glyph::Bar},      // minimise under the pointer
    {kSage, Glyph::Bar},        // minimise at rest
    {kOrange, Glyph::Restore},  // restore under the pointer, while maximised
    {kSage, Glyph::Restore},    // restore at rest, while maximised
}};

// The 16 × 15 design grid of the bitmaps laid over `area`: design edges fall on the nearest device
// pixel boundary, and a line one design pixel thick is `line` device pixels thick wherever it runs.
// The width of the area is 16 design pixels at the device pixel ratio, its height may differ from
// 15 by a part of a pixel, so a line is as thick as a pixel of the layout across.
class DesignGrid {
public:
    explicit DesignGrid(const QRect& area)
        : m_area(area),
          m_sx(area.width() / qreal(kBitmapSize.width())),
          m_sy(area.height() / qreal(kBitmapSize.height())),
          m_line(std::max(1, qRound(m_sx))) {}

    int Line() const { return m_line; }
    qreal Scale() const { return std::min(m_sx, m_sy); }
    // The device pixels from the design edges (left, top) to (right, bottom).
    QRect Box(qreal left, qreal top, qreal right, qreal bottom) const {
        return QRect(QPoint(X(left), Y(top)), QPoint(X(right) - 1, Y(bottom) - 1));
    }
    // `lines` design pixels, downwards, in whole device pixels.
    int Rows(qreal lines) const { return std::max(m_line, qRound(lines * m_sy)); }
    QPointF Point(qreal x, qreal y) const { return {m_area.x() + x * m_sx, m_area.y() + y * m_sy}; }

private:
    int X(qreal x) const { return m_area.x() + qRound(x * m_sx); }
    int Y(qreal y) const { return m_area.y() + qRound(y * m_sy); }

    QRect m_area;
    qreal m_sx;
    qreal m_sy;
    int m_line;
};

// An outline `box` whose top is `top` device pixels thick and whose other sides are lines.
void Outline(QPainter& painter, const DesignGrid& grid, const QRect& box, int top,
             const QColor& inside) {
    painter.fillRect(box, Qt::white);
    painter.fillRect(box.adjusted(grid.Line(), top, -grid.Line(), -grid.Line()), inside);
}

// The glyphs, on the design grid of the bitmaps (edges between design pixels).
void DrawGlyph(QPainter& painter, const DesignGrid& grid, const Picture& picture) {
    switch (picture.glyph) {
        case Glyph::Cross: {
            // Two strokes two pixels across, from row 3 through row 10.
            painter.setRenderHint(QPainter::Antialiasing);
            for (const qreal mirror : {0.0, 1.0}) {
                const auto point = [&](qreal x, qreal y) {
                    return grid.Point(mirror != 0.0 ? 17.0 - x : x, y);
                };
                painter.drawPolygon(
                    QPolygonF{point(3.5, 3), point(5.5, 3), point(13.5, 11), point(11.5, 11)});
            }
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        }
        case Glyph::Window:
            Outline(painter, grid, grid.Box(4, 3, 12, 11), grid.Rows(3), picture.square);
            break;
        case Glyph::Bar:
            painter.fillRect(grid.Box(4, 9, 11, 11), Qt::white);
            break;
        case Glyph::Restore: {
            // A window behind another one; the front one hides the back one's lower left.
            const QRect front = grid.Box(3, 5, 10, 12);
            Outline(painter, grid, grid.Box(6, 2, 13, 9), grid.Rows(2), picture.square);
            painter.fillRect(front, picture.square);
            Outline(painter, grid, front, grid.Rows(2), picture.square);
            break;
        }
    }
}

}  // namespace

namespace skin {

void DrawCaptionPicture(QPainter& painter, const QRect& area, int number) {
    if (area.size() == kBitmapSize) {
        painter.drawPixmap(
            area.topLeft(),
            ResourcePicture(QStringLiteral(":/trailcam/caption_%1.bmp").arg(number)));
        return;
    }
    const Picture& picture = kPictures.at(static_cast<std::size_t>(number - 148));
    const DesignGrid grid(area);
    painter.save();
    painter.fillRect(area, kFrameColour);
    // The ring's corners are rounded on the band, and the square's inside it.
    const qreal corner = 1.5 * grid.Scale();
    const int line = grid.Line();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRing);
    painter.drawRoundedRect(QRectF(area), corner, corner);
    painter.setBrush(picture.square);
    painter.drawRoundedRect(QRectF(area.adjusted(line, line, -line, -line)), corner - line,
                            corner - line);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::white);
    DrawGlyph(painter, grid, picture);
    painter.restore();
}

}  // namespace skin

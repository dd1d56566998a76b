#pragma once

#include <QPointF>
#include <QRect>

class QColor;
class QPainter;

namespace skin {

// Where a widget's pixels fall on the pixels of the device it is drawn on. At a device pixel ratio
// r, the logical edge x lies r·x device pixels from the widget's origin, and the origin itself may
// lie between two device pixels (a widget 7 pixels into its window starts 10.5 device pixels in at
// 150 %). Qt rounds every edge to the nearest boundary between device pixels where it clips and
// lays out widgets; frames drawn to the same boundaries in whole device pixels have edges equally
// thick all round, and meet the widgets and regions beside them without a gap or a doubled line.
// At a ratio of 1 every edge stays where it is.
class DeviceGrid {
public:
    // The grid of what `painter` draws now: its origin is the logical point (0, 0).
    explicit DeviceGrid(const QPainter& painter);
    // A grid of `ratio` whose logical (0, 0) lies at the device point `origin`.
    DeviceGrid(qreal ratio, QPointF origin);

    qreal Ratio() const { return m_ratio; }
    bool IsOneToOne() const { return m_ratio == 1.0; }

    // The boundary between device pixels nearest to the logical edge x (or y), counted from the
    // widget's first device pixel.
    int X(qreal x) const;
    int Y(qreal y) const;
    // The device pixels of a logical rectangle: each edge at its nearest boundary.
    QRect Rect(const QRect& logical) const;
    // A logical length, such as a line's width, in whole device pixels: never less than one.
    int Length(qreal logical) const;

    // Makes `painter` draw in device pixels, counted from the widget's first device pixel.
    void DrawInDevicePixels(QPainter& painter) const;

private:
    qreal m_ratio;
    QPointF m_origin;  // the logical (0, 0), in device pixels
    QPoint m_first;    // the widget's first device pixel
};

// Fills a ring `width` pixels wide along the inside of `outer`, in whatever units `painter` draws.
void FillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour);

}  // namespace skin

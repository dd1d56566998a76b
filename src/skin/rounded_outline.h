#pragma once

#include <QRegion>
#include <QSize>

class QWidget;

namespace skin {

class DeviceGrid;

// The slightly rounded outline of a skinned window or button: the rectangle (0, 0, size) with
// each corner cut along a `cornerEllipse` × `cornerEllipse` ellipse, as pixels. A 5 × 5 ellipse
// cuts two pixels from the outer row and column and one from the next.
QRegion RoundedOutline(const QSize& size, int cornerEllipse = 5);

// The radius, in device pixels, of the smoothed corners drawn at a device pixel ratio of `ratio`
// in place of the 5 × 5 ellipse.
constexpr qreal CornerRadius(qreal ratio) {
    return 2.5 * ratio;
}

// Clips a skinned window to its rounded outline, cut in the device's own pixels: at 100 % the
// 5 × 5 ellipse of RoundedOutline; at other scales an ellipse as many device pixels across as five
// pixels of the layout, which a mask in the layout's pixels could only cut in steps of whole
// layout pixels. Called again whenever the window's size, window or screen changes.
void SetWindowOutline(QWidget& window);

// The pixels of a widget of `size` that a rectangle drawn by `grid` over the whole widget, with
// corners rounded by `radius` device pixels and smoothed, touches: the widget's pixels but those
// at the corners that the drawing leaves wholly outside.
QRegion RoundedCover(const QSize& size, const DeviceGrid& grid, qreal radius);

}  // namespace skin

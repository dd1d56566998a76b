#pragma once

#include <QRegion>
#include <QSize>

namespace skin {

// The slightly rounded outline of a skinned window or button: the rectangle (0, 0, size) with
// each corner cut along a `cornerEllipse` × `cornerEllipse` ellipse, as pixels. A 5 × 5 ellipse
// cuts two pixels from the outer row and column and one from the next.
QRegion RoundedOutline(const QSize& size, int cornerEllipse = 5);

}  // namespace skin

#include "skin/rounded_outline.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace skin {

QRegion RoundedOutline(const QSize& size, int cornerEllipse) {
    const int width = size.width();
    const int height = size.height();
    if (width <= 0 || height <= 0) {
        return {};
    }
    // The corner ellipse's pixel centres lie on a lattice: radius (e - 1) / 2 around the centre of
    // its middle pixel. Row k from the top (and from the bottom) loses `inset` pixels at each end.
    const double radius = (std::min({cornerEllipse, width, height}) - 1) / 2.0;
    QRegion outline;
    int row = 0;
    for (; row < height && row < radius; ++row) {
        const double dy = radius - row;
        const int inset =
            static_cast<int>(std::ceil(radius - std::sqrt(radius * radius - dy * dy)));
        const QRect strip(inset, row, width - 2 * inset, 1);
        outline += strip;
        outline += strip.translated(0, height - 1 - 2 * row);
    }
    if (height - 2 * row > 0) {
        outline += QRect(0, row, width, height - 2 * row);
    }
    return outline;
}

}  // namespace skin

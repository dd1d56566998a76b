#include "skin/rounded_outline.h"

#include <qpa/qplatformwindow.h>
#include <QGuiApplication>
#include <QRect>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "skin/device_grid.h"

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

void SetWindowOutline(QWidget& window) {
    QWindow* handle = window.windowHandle();
    QPlatformWindow* native = handle != nullptr ? handle->handle() : nullptr;
    // How many of the window system's own pixels a pixel of the layout takes. Where the toolkit
    // scales (X11, Windows) they are device pixels; a Wayland compositor counts in the layout's.
    const qreal nativePerLogical =
        native != nullptr ? window.devicePixelRatioF() / native->devicePixelRatio() : 1.0;
    if (native == nullptr || nativePerLogical == 1.0) {
        window.setMask(RoundedOutline(window.size()));
        return;
    }
    window.clearMask();
    native->setMask(RoundedOutline(native->geometry().size(), qRound(5 * nativePerLogical)));
}

QRegion RoundedCover(const QSize& size, const DeviceGrid& grid, qreal radius) {
    const int width = grid.X(size.width());
    const int height = grid.Y(size.height());
    // Whether the drawing leaves the device pixels from (x0, y0) to (x1, y1) wholly outside its
    // corner: the rectangle lies in a corner square and its nearest point to the arc's centre is
    // no nearer than the radius.
    const auto outside = [&](int x0, int y0, int x1, int y1) {
        const qreal cx = x1 <= radius ? radius : width - radius;
        const qreal cy = y1 <= radius ? radius : height - radius;
        if ((x1 > radius && x0 < width - radius) || (y1 > radius && y0 < height - radius)) {
            return false;
        }
        const qreal dx = std::clamp(cx, qreal(x0), qreal(x1)) - cx;
        const qreal dy = std::clamp(cy, qreal(y0), qreal(y1)) - cy;
        return dx * dx + dy * dy >= radius * radius;
    };
    QRegion cover(0, 0, size.width(), size.height());
    const int reach = static_cast<int>(std::ceil(radius / grid.Ratio())) + 1;
    for (int j = 0; j < std::min(reach, size.height()); ++j) {
        for (int i = 0; i < std::min(reach, size.width()); ++i) {
            for (const QPoint at :
                 {QPoint(i, j), QPoint(size.width() - 1 - i, j), QPoint(i, size.height() - 1 - j),
                  QPoint(size.width() - 1 - i, size.height() - 1 - j)}) {
                if (outside(grid.X(at.x()), grid.Y(at.y()), grid.X(at.x() + 1),
                            grid.Y(at.y() + 1))) {
                    cover -= QRect(at, QSize(1, 1));
                }
            }
        }
    }
    return cover;
}

}  // namespace skin

#include "skin/device_grid.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace skin {

// The painter maps logical points to device pixels by a scale and a move: the device pixel ratio
// and where the widget lies on the device.
DeviceGrid::DeviceGrid(const QPainter& painter)
    : DeviceGrid(painter.deviceTransform().m11(),
                 QPointF(painter.deviceTransform().dx(), painter.deviceTransform().dy())) {}

DeviceGrid::DeviceGrid(qreal ratio, QPointF origin)
    : m_ratio(ratio), m_origin(origin), m_first(origin.toPoint()) {}

int DeviceGrid::X(qreal x) const {
    return qRound(m_origin.x() + x * m_ratio) - m_first.x();
}

int DeviceGrid::Y(qreal y) const {
    return qRound(m_origin.y() + y * m_ratio) - m_first.y();
}

QRect DeviceGrid::Rect(const QRect& logical) const {
    const int left = X(logical.x());
    const int top = Y(logical.y());
    return {left, top, X(logical.x() + logical.width()) - left,
            Y(logical.y() + logical.height()) - top};
}

int DeviceGrid::Length(qreal logical) const {
    return std::max(1, qRound(logical * m_ratio));
}

// The world transform takes a device pixel back to the logical units that the painter scales up
// again, and moves the origin onto the first device pixel.
void DeviceGrid::DrawInDevicePixels(QPainter& painter) const {
    const QPointF shift = QPointF(m_first) - m_origin;
    painter.setWorldTransform(QTransform::fromTranslate(shift.x(), shift.y()) *
                              QTransform::fromScale(1.0 / m_ratio, 1.0 / m_ratio));
}

void FillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
    const int w = std::min(width, std::min(outer.width(), outer.height()));
    painter.fillRect(outer.x(), outer.y(), outer.width(), w, colour);
    painter.fillRect(outer.x(), outer.y() + outer.height() - w, outer.width(), w, colour);
    painter.fillRect(outer.x(), outer.y(), w, outer.height(), colour);
    painter.fillRect(outer.x() + outer.width() - w, outer.y(), w, outer.height(), colour);
}

}  // namespace skin

#pragma once

#include <QPen>
#include <QPushButton>

namespace skin {
class DeviceGrid;
}

// The push button of the skinned windows: a rounded button with a dark-green outline, a face
// that runs from white at the top to a pale tint at the bottom, thick green edges while the
// pointer rests on it or blue ones while it has the focus, and centred text that moves one pixel
// right and down while the button is held down.
class CRoundButton : public QPushButton {
    Q_OBJECT
public:
    explicit CRoundButton(QWidget* parent = nullptr);

    bool IsHovered() const { return m_bHover; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetHover(bool hover);
    void UpdateOutline();
    void ReadItemState();
    QRect FaceRect() const;

    void drawOutline(QPainter& painter, const skin::DeviceGrid& grid, const QRect& area) const;
    void DrawFace(QPainter& painter, const QRect& face) const;
    void DrawHighlight(QPainter& painter, const skin::DeviceGrid& grid, const QRect& face) const;
    void drawText(QPainter& painter, const QRect& face) const;

    const QPen m_penOutline;
    const QPen m_penHoverLeft;
    const QPen m_penHoverRight;
    const QPen m_penHoverTop;
    const QPen m_penHoverBottom;
    const QPen m_penFocusLeft;
    const QPen m_penFocusRight;
    const QPen m_penFocusTop;
    const QPen m_penFocusBottom;
    bool m_bHover = false;   // the pointer rests on the button
    bool m_bFocus = false;   // the button had the focus when it was last drawn
    bool m_bActive = false;  // it was focused, held down or the default button then
};

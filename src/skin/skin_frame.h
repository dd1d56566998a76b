#pragma once

#include <QFont>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <optional>

class CDialog;
namespace skin {
class DeviceGrid;
}

// The painted frame of a skinned window: the title band and the frame bands in the skin frame
// colour, the application icon and the title in the band, the minimise, maximise/restore and
// close buttons at its right, the face colour behind the client area, and the window's rounded
// outline. It lies under the client area across the whole window and handles the band: the
// caption buttons act on a press, a click on the icon or a right-click opens the window menu,
// and a press elsewhere on the band drags the window unless it is maximised.
class CSkinFrame : public QWidget {
    Q_OBJECT
public:
    // Metrics of the classic sizing frame: the side and bottom bands are kFrameX and kFrameY
    // wide, the title band kFrameY + kCaptionY high, and the client area starts below it.
    static constexpr int kFrameX = 4;
    static constexpr int kFrameY = 4;
    static constexpr int kCaptionY = 18;
    static QMargins Margins() { return {kFrameX, kFrameY + kCaptionY, kFrameX, kFrameY}; }

    enum class CaptionButton { None, Minimise, Maximise, Close };

    explicit CSkinFrame(CDialog& dialog);

    // The font `title` is drawn in: bold Arial with a cell height of 18 pixels, an em of 16.
    static QFont TitleFont(const QString& title);

    // The button that shows its pointer image.
    CaptionButton HotButton() const { return m_hotButton; }
    // Where a caption button lies, in window coordinates, for a window `width` pixels wide.
    static QRect CaptionButtonRect(CaptionButton button, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawFace(QPainter& painter, const skin::DeviceGrid& grid) const;
    void drawBands(QPainter& painter, const skin::DeviceGrid& grid) const;
    void drawIcon(QPainter& painter, const skin::DeviceGrid& grid) const;
    void drawCaptionButtons(QPainter& painter, const skin::DeviceGrid& grid) const;
    void drawTitle(QPainter& painter) const;
    void clearCorners(QPainter& painter, const skin::DeviceGrid& grid) const;

    CaptionButton CaptionButtonAt(const QPoint& pos) const;
    void SetHotButton(CaptionButton button);
    void OnCaptionButton(CaptionButton button);
    void BeginDrag(const QPoint& globalPos);

    CDialog& m_dialog;
    CaptionButton m_hotButton = CaptionButton::None;
    // Where the pointer holds the window while it is dragged by hand, on platforms that cannot
    // move a window themselves.
    std::optional<QPoint> m_dragGrip;
};

#include "skin/skin_frame.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWindow>

#include <algorithm>
#include <array>

#include "core/settings_text.h"
#include "framework/dialog.h"
#include "framework/dialog_font.h"
#include "framework/resource_picture.h"
#include "res/dialogs.h"
#include "skin/caption_pictures.h"
#include "skin/device_grid.h"
#include "skin/rounded_outline.h"
#include "skin/skin_colours.h"

namespace {

using Button = CSkinFrame::CaptionButton;

constexpr QSize kButtonSize(16, 15);
constexpr QRect kIconRect(CSkinFrame::kFrameX, CSkinFrame::kFrameY, 16, 15);
constexpr int kBandHeight = CSkinFrame::kFrameY + CSkinFrame::kCaptionY;

// Each caption button: its place left of the close button's and its images (at rest, under the
// pointer, and the same while the window is maximised).
struct CaptionButtonLook {
    Button button;
    int offset;
    int rest;
    int hot;
    int maximisedRest;
    int maximisedHot;
};
constexpr std::array<CaptionButtonLook, 3> kCaptionButtons{{
    {Button::Close, 0, 148, 149, 148, 149},
    {Button::Maximise, 19, 150, 151, 155, 154},
    {Button::Minimise, 38, 153, 152, 153, 152},
}};

// The title band's icon as drawn for other scales than 100 %, by tools/make-icon.sh, at the sizes
// the icon's place takes at 125 %, 150 %, 175 %, 200 %, 250 % and 300 %.
constexpr std::array<QSize, 6> kTitleIconSizes{{
    {20, 19},
    {24, 23},
    {28, 26},
    {32, 30},
    {40, 38},
    {48, 45},
}};

QPixmap TitleIconPicture(const QSize& size) {
    return ResourcePicture(
        QStringLiteral(":/trailcam/title_icon_%1x%2.bmp").arg(size.width()).arg(size.height()));
}

// The icon for a place of `size` device pixels: at 100 % the application icon scaled down to it;
// at the sizes of the common scales the picture drawn for that size; between them, the next larger
// picture scaled down.
QPixmap TitleIcon(const QSize& size) {
    const bool atOneHundred =
        size.width() <= kIconRect.width() && size.height() <= kIconRect.height();
    const auto larger =
        std::find_if(kTitleIconSizes.begin(), kTitleIconSizes.end(), [&](const QSize& made) {
            return made.width() >= size.width() && made.height() >= size.height();
        });
    if (atOneHundred || larger == kTitleIconSizes.end()) {
        return ResourcePicture(QString::fromUtf8(res::kAppIconPath))
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QPixmap drawn = TitleIconPicture(*larger);
    return *larger == size ? drawn
                           : drawn.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QFont CSkinFrame::TitleFont(const QString& title) {
    QFont font(ArialFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    font.setBold(true);
    // Plain ASCII needs nothing of the text shaper that the face's own advances and kerning table
    // do not give, and skipping it saves building the shaper's tables for the face. A localised
    // title may hold letters that join or combine, which only the shaper places.
    if (IsPrintableAscii(title.toUtf8().toStdString())) {
        font.setStyleStrategy(QFont::PreferNoShaping);
    }
    return font;
}

CSkinFrame::CSkinFrame(CDialog& dialog) : QWidget(&dialog), m_dialog(dialog) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(dialog.rect());
    lower();
    skin::SetWindowOutline(dialog);
    dialog.installEventFilter(this);
}

QRect CSkinFrame::CaptionButtonRect(CaptionButton button, int width) {
    const int closeX = width - kFrameX - kButtonSize.width();
    for (const CaptionButtonLook& look : kCaptionButtons) {
        if (look.button == button) {
            return {QPoint(closeX - look.offset, kFrameY - 1), kButtonSize};
        }
    }
    return {};
}

// The face, bands, icon and buttons in the device's own pixels; the title where the layout's
// text goes.
void CSkinFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const skin::DeviceGrid grid(painter);
    painter.save();
    grid.DrawInDevicePixels(painter);
    drawFace(painter, grid);
    drawBands(painter, grid);
    drawIcon(painter, grid);
    drawCaptionButtons(painter, grid);
    if (m_dialog.testAttribute(Qt::WA_TranslucentBackground)) {
        clearCorners(painter, grid);
    }
    painter.restore();
    drawTitle(painter);
}

// A window that the window system shows whole, corners and all, is clear outside its rounded
// outline: pixel by pixel along the 5 × 5 ellipse at 100 %, smoothed at other scales.
void CSkinFrame::clearCorners(QPainter& painter, const skin::DeviceGrid& grid) const {
    const QRect area = grid.Rect(rect());
    QPainterPath outside;
    outside.addRect(area);
    QPainterPath inside;
    if (grid.IsOneToOne()) {
        inside.addRegion(skin::RoundedOutline(area.size()).translated(area.topLeft()));
    } else {
        const qreal radius = skin::CornerRadius(grid.Ratio());
        inside.addRoundedRect(QRectF(area), radius, radius);
        painter.setRenderHint(QPainter::Antialiasing);
    }
    outside -= inside;
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::transparent);
}

// Behind the client area, including the column between the narrower left band and the client.
void CSkinFrame::drawFace(QPainter& painter, const skin::DeviceGrid& grid) const {
    painter.fillRect(grid.Rect(rect()), skin::kFaceColour);
}

// The title band across the top, then the left, bottom and right bands. The left band is one
// pixel narrower than the right one, and one pixel shorter than the window.
void CSkinFrame::drawBands(QPainter& painter, const skin::DeviceGrid& grid) const {
    const int w = width();
    const int h = height();
    const std::array<QRect, 4> bands{{
        {0, 0, w, kBandHeight},
        {0, 0, kFrameX - 1, h - 1},
        {0, h - kFrameY, w, kFrameY},
        {w - kFrameX, 0, kFrameX, h},
    }};
    for (const QRect& band : bands) {
        painter.fillRect(grid.Rect(band), skin::kFrameColour);
    }
}

void CSkinFrame::drawIcon(QPainter& painter, const skin::DeviceGrid& grid) const {
    const QRect place = grid.Rect(kIconRect);
    painter.drawPixmap(place.topLeft(), TitleIcon(place.size()));
}

void CSkinFrame::drawCaptionButtons(QPainter& painter, const skin::DeviceGrid& grid) const {
    const bool maximised = m_dialog.isMaximized();
    for (const CaptionButtonLook& look : kCaptionButtons) {
        const bool hot = look.button == m_hotButton;
        const int image = maximised ? (hot ? look.maximisedHot : look.maximisedRest)
                                    : (hot ? look.hot : look.rest);
        skin::DrawCaptionPicture(painter, grid.Rect(CaptionButtonRect(look.button, width())),
                                 image);
    }
}

// The title starts right of the icon, top-left aligned, broken only where it holds a line break;
// an ampersand underlines the next character. Drawn after the buttons, a long title runs over
// them; it ends at the right band.
void CSkinFrame::drawTitle(QPainter& painter) const {
    const QRect area(QPoint(kFrameX + 19, kFrameY), QPoint(width() - kFrameX - 1, kFrameY + 29));
    painter.setFont(TitleFont(m_dialog.windowTitle()));
    painter.setPen(skin::kTitleColour);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                     m_dialog.windowTitle());
}

CSkinFrame::CaptionButton CSkinFrame::CaptionButtonAt(const QPoint& pos) const {
    for (const CaptionButtonLook& look : kCaptionButtons) {
        if (CaptionButtonRect(look.button, width()).contains(pos)) {
            return look.button;
        }
    }
    return Button::None;
}

// The pointer image stays until the pointer moves over the frame again or the frame is drawn
// anew for a move, an activation or a change of size or state.
void CSkinFrame::SetHotButton(CaptionButton button) {
    if (button != m_hotButton) {
        m_hotButton = button;
        update();
    }
}

void CSkinFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (const CaptionButton button = CaptionButtonAt(pos); button != Button::None) {
        OnCaptionButton(button);
    } else if (kIconRect.contains(pos)) {
        m_dialog.ShowSystemMenu(mapToGlobal(QPoint(kFrameX, kBandHeight)));
    } else if (pos.y() < kBandHeight && !m_dialog.isMaximized()) {
        BeginDrag(event->globalPosition().toPoint());
    }
    event->accept();
}

void CSkinFrame::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragGrip && (event->buttons() & Qt::LeftButton) != 0) {
        m_dialog.move(event->globalPosition().toPoint() - *m_dragGrip);
    }
    SetHotButton(CaptionButtonAt(event->position().toPoint()));
}

void CSkinFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragGrip.reset();
    }
    QWidget::mouseReleaseEvent(event);
}

void CSkinFrame::contextMenuEvent(QContextMenuEvent* event) {
    m_dialog.ShowSystemMenu(event->globalPos());
    event->accept();
}

void CSkinFrame::OnCaptionButton(CaptionButton button) {
    switch (button) {
        case Button::Close:
            // A form's owner, the main window, shows itself again once the form has ended.
            m_dialog.SendSysCommand(SC_CLOSE);
            break;
        case Button::Minimise:
            m_dialog.SendSysCommand(SC_MINIMIZE);
            break;
        case Button::Maximise:
            m_dialog.SendSysCommand(m_dialog.isMaximized() ? SC_RESTORE : SC_MAXIMIZE);
            m_dialog.update();
            break;
        case Button::None:
            break;
    }
}

// The window manager moves the window where it can; elsewhere the frame follows the pointer.
void CSkinFrame::BeginDrag(const QPoint& globalPos) {
    QWindow* window = m_dialog.windowHandle();
    if (window != nullptr && window->startSystemMove()) {
        return;
    }
    m_dragGrip = globalPos - m_dialog.pos();
}

bool CSkinFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_dialog) {
        switch (event->type()) {
            case QEvent::Resize:
                // The outline follows the window's size: at creation, maximise and restore.
                setGeometry(m_dialog.rect());
                skin::SetWindowOutline(m_dialog);
                SetHotButton(Button::None);
                break;
            case QEvent::WinIdChange:
            case QEvent::ScreenChangeInternal:
                // A new window, or one on a screen of another scale, needs its outline cut anew.
                skin::SetWindowOutline(m_dialog);
                update();
                break;
            case QEvent::Move:
            case QEvent::ActivationChange:
            case QEvent::WindowStateChange:
                SetHotButton(Button::None);
                update();
                break;
            case QEvent::WindowTitleChange:
            case QEvent::WindowIconChange:
                update();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Every skinned window drawn at a device pixel ratio other than 1 (run on screens of 125 % to 250 %
// as Windows and Wayland give them, and with QT_SCALE_FACTOR): the frames of the skin are whole
// device pixels, equally thick all round, the round buttons' corners smoothed, and the caption
// buttons and the title icon drawn for that many pixels rather than stretched bitmaps.
#include <QEnterEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <iterator>
#include <vector>

#include "skin/device_grid.h"
#include "skin/hover_edit.h"
#include "skin/round_button.h"
#include "skin/skin_colours.h"
#include "skin/skin_frame.h"
#include "tests/skin/skin_support.h"
#include "tests/support/every_window.h"

namespace {

using skin_test::Rgb;
using Button = CSkinFrame::CaptionButton;

constexpr QColor kRing(246, 246, 240);
constexpr QColor kOrange(231, 77, 24);
constexpr QColor kSage(159, 175, 127);
constexpr QColor kOutline(55, 98, 6);

// The window as the screen shows it, in device pixels, and the grid of its pixels.
struct Drawn {
    QImage image;
    skin::DeviceGrid grid;
};

Drawn Draw(QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    return {window.grab().toImage().convertToFormat(QImage::Format_RGB32),
            skin::DeviceGrid(ratio, QPointF())};
}

// The device pixels of `widget` within its window.
QRect DevicePlace(const QWidget& widget, const skin::DeviceGrid& grid) {
    return grid.Rect(QRect(widget.mapTo(widget.window(), QPoint()), widget.size()));
}

// How many pixels from `from` on, stepping by `step`, show exactly `colour`.
int RunOf(const QImage& image, QPoint from, QPoint step, const QColor& colour) {
    int run = 0;
    while (image.rect().contains(from) && image.pixelColor(from) == colour) {
        ++run;
        from += step;
    }
    return run;
}

// Colours are near when no channel differs by more than `by`.
bool Near(const QColor& a, const QColor& b, int by) {
    return std::abs(a.red() - b.red()) <= by && std::abs(a.green() - b.green()) <= by &&
           std::abs(a.blue() - b.blue()) <= by;
}

// The four sides of `area`, each by the pixel at its middle and the step inwards.
struct Side {
    const char* name;
    QPoint start;
    QPoint inwards;
};
std::array<Side, 4> SidesOf(const QRect& area) {
    const QPoint middle = area.center();
    return {{{"left", {area.left(), middle.y()}, {1, 0}},
             {"right", {area.right(), middle.y()}, {-1, 0}},
             {"top", {middle.x(), area.top()}, {0, 1}},
             {"bottom", {middle.x(), area.bottom()}, {0, -1}}}};
}

std::vector<Window> SkinnedWindows() {
    std::vector<Window> skinned;
    std::copy_if(std::begin(kEveryWindow), std::end(kEveryWindow), std::back_inserter(skinned),
                 [](const Window& window) { return window.skinned; });
    return skinned;
}

class ScaledWindow : public ShownWindow {
protected:
    void SetUp() override {
        ShownWindow::SetUp();
        if (window->devicePixelRatioF() == 1.0) {
            GTEST_SKIP() << "at 100 % the skin's own tests hold every pixel";
        }
    }
};

TEST_P(ScaledWindow, KeepsItsLayoutAtEveryScale) {
    EXPECT_EQ(window->ClientArea()->size(), GetParam().drawn);
}

// Each caption button: a near-white ring one pixel of the layout wide on every side around a
// square whose edges are hard, with nothing blended between ring and square.
TEST_P(ScaledWindow, CaptionButtonsHaveEvenRingsAndHardEdges) {
    const Drawn drawn = Draw(*window);
    const int line = drawn.grid.Length(1);
    struct Look {
        Button button;
        QColor square;
    };
    for (const Look look : {Look{Button::Close, kOrange}, Look{Button::Maximise, kSage},
                            Look{Button::Minimise, kSage}}) {
        const QRect area =
            drawn.grid.Rect(CSkinFrame::CaptionButtonRect(look.button, window->width()));
        for (const Side& side : SidesOf(area)) {
            EXPECT_EQ(RunOf(drawn.image, side.start, side.inwards, kRing), line)
                << static_cast<int>(look.button) << " " << side.name;
            EXPECT_EQ(drawn.image.pixelColor(side.start + side.inwards * line), look.square)
                << static_cast<int>(look.button) << " " << side.name;
        }
    }
}

// At 200 % a caption button is drawn at twice the bitmap's pixels: the same picture, seen at
// the bitmap's size, but not the bitmap's pixels doubled, since its corners and strokes are finer.
TEST_P(ScaledWindow, CaptionButtonsAtTwiceTheSizeAreDrawnNotDoubled) {
    if (window->devicePixelRatioF() != 2.0) {
        GTEST_SKIP() << "at 200 % only";
    }
    const Drawn drawn = Draw(*window);
    const std::array<std::pair<Button, int>, 3> buttons{
        {{Button::Close, 148}, {Button::Maximise, 150}, {Button::Minimise, 153}}};
    for (const auto& [button, number] : buttons) {
        const QRect area = drawn.grid.Rect(CSkinFrame::CaptionButtonRect(button, window->width()));
        ASSERT_EQ(area.size(), QSize(32, 30));
        const QImage bitmap(QStringLiteral(":/trailcam/caption_%1.bmp").arg(number));
        int unevenBlocks = 0;
        int far = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QPoint at = area.topLeft() + QPoint(2 * x, 2 * y);
                const std::array<QColor, 4> block{drawn.image.pixelColor(at),
                                                  drawn.image.pixelColor(at + QPoint(1, 0)),
                                                  drawn.image.pixelColor(at + QPoint(0, 1)),
                                                  drawn.image.pixelColor(at + QPoint(1, 1))};
                if (block[1] != block[0] || block[2] != block[0] || block[3] != block[0]) {
                    ++unevenBlocks;
                }
                int sum[3] = {0, 0, 0};
                for (const QColor& c : block) {
                    sum[0] += c.red();
                    sum[1] += c.green();
                    sum[2] += c.blue();
                }
                const QColor mean(sum[0] / 4, sum[1] / 4, sum[2] / 4);
                far += Near(mean, bitmap.pixelColor(x, y), 100) ? 0 : 1;
            }
        }
        EXPECT_GE(unevenBlocks, 8) << number;
        EXPECT_LE(far, 16) << number;  // of 240: only where the corners and strokes are finer
    }
}

// The title icon is the picture drawn for the size its place takes on the device.
TEST_P(ScaledWindow, TitleIconIsThePictureDrawnForItsSize) {
    const Drawn drawn = Draw(*window);
    const QRect place = drawn.grid.Rect(QRect(4, 4, 16, 15));
    const QImage picture(
        QStringLiteral(":/trailcam/title_icon_%1x%2.bmp").arg(place.width()).arg(place.height()));
    ASSERT_FALSE(picture.isNull()) << place.width() << "x" << place.height();
    EXPECT_EQ(drawn.image.copy(place), picture.convertToFormat(QImage::Format_RGB32));
}

// The bands: as many device pixels as the layout's, the title band's bottom edge where the client
// area starts.
TEST_P(ScaledWindow, FrameBandsAreWholeDevicePixels) {
    const Drawn drawn = Draw(*window);
    const skin::DeviceGrid& grid = drawn.grid;
    const QRect client = DevicePlace(*window->ClientArea(), grid);
    const int middleX = drawn.image.width() / 2;
    const int middleY = drawn.image.height() / 2;
    const QColor band = skin::kFrameColour;
    EXPECT_EQ(RunOf(drawn.image, {middleX, 0}, {0, 1}, band), client.top());
    EXPECT_EQ(RunOf(drawn.image, {middleX, drawn.image.height() - 1}, {0, -1}, band),
              drawn.image.height() - client.bottom() - 1);
    EXPECT_EQ(RunOf(drawn.image, {drawn.image.width() - 1, middleY}, {-1, 0}, band),
              drawn.image.width() - client.right() - 1);
    EXPECT_EQ(RunOf(drawn.image, {0, middleY}, {1, 0}, band), grid.X(3));
}

// Each round button: a dark-green outline one pixel of the layout wide on every side, a white ring
// inside it but at the bottom, where the face runs down to the outline, and smoothed corners
// through which the dialog's face colour shows.
TEST_P(ScaledWindow, RoundButtonsHaveEvenOutlinesAndSmoothCorners) {
    const auto buttons = window->findChildren<CRoundButton*>();
    ASSERT_FALSE(buttons.isEmpty());
    // The last button takes the focus, and the pointer comes to rest on the first enabled one
    // (told by the event itself: the offscreen platform places its pointer in the wrong pixels at
    // most scales): their thick edges stay inside the outline.
    buttons.last()->setFocus(Qt::TabFocusReason);
    const auto enabled = std::find_if(buttons.begin(), buttons.end(),
                                      [](CRoundButton* button) { return button->isEnabled(); });
    ASSERT_NE(enabled, buttons.end());
    const QPointF middle = (*enabled)->rect().center();
    QEnterEvent enter(middle, (*enabled)->mapTo(window.get(), middle),
                      (*enabled)->mapToGlobal(middle));
    QApplication::sendEvent(*enabled, &enter);
    ASSERT_TRUE((*enabled)->IsHovered());
    const Drawn drawn = Draw(*window);
    const int line = drawn.grid.Length(1);
    for (CRoundButton* button : buttons) {
        const QRect area = DevicePlace(*button, drawn.grid);
        const std::string name = button->text().toStdString();
        for (const Side& side : SidesOf(area)) {
            EXPECT_EQ(RunOf(drawn.image, side.start, side.inwards, kOutline), line)
                << name << " " << side.name;
            const QColor inside = drawn.image.pixelColor(side.start + side.inwards * line);
            if (!button->IsHovered() && !button->hasFocus()) {
                EXPECT_EQ(inside == Qt::white, std::string(side.name) != "bottom")
                    << name << " " << side.name;
            }
        }
        int blended = 0;
        for (const QPoint corner :
             {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
            const QColor seen = drawn.image.pixelColor(corner);
            EXPECT_TRUE(Near(seen, skin::kFaceColour, 60)) << name;  // the dialog shows through
            const QPoint inwards((corner.x() == area.left() ? 1 : -1),
                                 (corner.y() == area.top() ? 1 : -1));
            for (int step = 0; step < 4 * line; ++step) {
                const QColor c = drawn.image.pixelColor(corner + inwards * step);
                if (c != Rgb(skin::kFaceColour) && c != kOutline && c != Qt::white) {
                    ++blended;
                }
            }
        }
        EXPECT_GE(blended, 4) << name << ": the corners are not smoothed";
    }
}

// Each edit's flat edge: a shadow ring and a face ring, each one pixel of the layout wide on
// every side.
TEST_P(ScaledWindow, EditsHaveEvenFlatEdges) {
    const auto edits = window->findChildren<CHoverEdit*>();
    if (edits.isEmpty()) {
        GTEST_SKIP() << "no edits in this window";
    }
    const Drawn drawn = Draw(*window);
    const int line = drawn.grid.Length(1);
    for (CHoverEdit* edit : edits) {
        const QRect area = DevicePlace(*edit, drawn.grid);
        const QColor shadow = Rgb(edit->palette().color(QPalette::Active, QPalette::Dark));
        const QColor face = Rgb(edit->palette().color(QPalette::Active, QPalette::Button));
        for (const Side& side : SidesOf(area)) {
            EXPECT_EQ(RunOf(drawn.image, side.start, side.inwards, shadow), line) << side.name;
            EXPECT_EQ(RunOf(drawn.image, side.start + side.inwards * line, side.inwards, face),
                      line)
                << side.name;
        }
    }
}

// Each group box's etched frame: a dark outline and a light one beside it, each one pixel of the
// layout wide, on the left and right sides where no other frame crosses them.
TEST_P(ScaledWindow, GroupFramesHaveEvenEtchedLines) {
    const Drawn drawn = Draw(*window);
    const int line = drawn.grid.Length(1);
    const auto boxes = window->findChildren<QGroupBox*>();
    ASSERT_FALSE(boxes.isEmpty());
    int checked = 0;
    for (QGroupBox* box : boxes) {
        const QRect area = DevicePlace(*box, drawn.grid);
        const QColor dark = Rgb(box->palette().color(QPalette::Active, QPalette::Dark));
        const QColor light = Rgb(box->palette().color(QPalette::Active, QPalette::Light));
        const QRect boxPlace(box->mapTo(window.get(), QPoint()), box->size());
        for (const bool left : {true, false}) {
            const QPoint logical(left ? boxPlace.left() : boxPlace.right(), boxPlace.center().y());
            const bool crossed = std::any_of(boxes.begin(), boxes.end(), [&](QGroupBox* other) {
                const QRect place(other->mapTo(window.get(), QPoint()), other->size());
                return other != box && place.adjusted(-3, -3, 3, 3).contains(logical) &&
                       !place.adjusted(3, 3, -3, -3).contains(logical);
            });
            if (crossed) {
                continue;
            }
            const int y = area.center().y();
            if (left) {
                EXPECT_EQ(RunOf(drawn.image, {area.left(), y}, {1, 0}, dark), line);
                EXPECT_EQ(RunOf(drawn.image, {area.left() + line, y}, {1, 0}, light), line);
            } else {
                EXPECT_EQ(RunOf(drawn.image, {area.right(), y}, {-1, 0}, light), line);
                EXPECT_EQ(RunOf(drawn.image, {area.right() - line, y}, {-1, 0}, dark), line);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(EverySkinnedWindow, ScaledWindow, testing::ValuesIn(SkinnedWindows()),
                         WindowName);

}  // namespace

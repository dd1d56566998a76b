#include "skin/skin_frame.h"

#include <qpa/qwindowsysteminterface.h>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/main_dlg.h"
#include "camera/camera_dlg.h"
#include "framework/controls.h"
#include "res/main_dialog.h"
#include "skin/skin_colours.h"
#include "tests/skin/skin_support.h"
#include "tests/support/fake_platform.h"

namespace {

using namespace skin_test;
using Button = CSkinFrame::CaptionButton;

constexpr int kBand = 22;  // the title band's height: the client area starts below it

// Where the caption buttons lie in a window `width` pixels wide: the close button's right edge
// meets the right band, and each button stands three pixels left of the next.
QRect ButtonRect(Button button, int width) {
    const int closeX = width - 4 - 16;
    const int x = button == Button::Close      ? closeX
                  : button == Button::Maximise ? closeX - 19
                                               : closeX - 38;
    return {x, 3, 16, 15};
}

QImage CaptionImage(int number) {
    return QImage(QStringLiteral(":/trailcam/caption_%1.bmp").arg(number));
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

class SkinFrameTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        frame = dialog.findChild<CSkinFrame*>();
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override {
        if (QMenu* menu = dialog.SystemMenu()) {
            menu->hide();
        }
    }

    QImage Look() { return dialog.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    int W() const { return dialog.width(); }
    int H() const { return dialog.height(); }
    // Whether the window shows image `number` where `button` lies.
    bool Shows(Button button, int number) {
        return SamePixels(Look().copy(ButtonRect(button, W())), CaptionImage(number));
    }
    void Press(const QPoint& at) { QTest::mousePress(frame, Qt::LeftButton, {}, at); }
    void Click(Button button) {
        QTest::mouseClick(frame, Qt::LeftButton, {}, ButtonRect(button, W()).center());
    }
    // Drags the window from `grip` (on the title band unless given) and says how far it moved.
    QPoint Drag(const QPoint& by, QPoint grip = {}) {
        const QPoint before = dialog.pos();
        if (grip.isNull()) {
            grip = QPoint(W() / 2, 8);
        }
        Press(grip);
        QTest::mouseMove(frame, grip + by);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, grip + by);
        return dialog.pos() - before;
    }

    FakePlatform platform;
    TestDialog dialog;
    CSkinFrame* frame = nullptr;
};

TEST(CaptionImages, AreColouredSquaresInANearWhiteRingWithBandColouredCorners) {
    const QColor orange(231, 77, 24);
    const QColor sage(159, 175, 127);
    const std::array<QColor, 8> squares{orange, sage, sage, orange, orange, sage, orange, sage};
    for (int number = 148; number <= 155; ++number) {
        const QImage image(QStringLiteral(":/trailcam/caption_%1.bmp").arg(number));
        ASSERT_EQ(image.size(), QSize(16, 15)) << number;
        EXPECT_FALSE(image.hasAlphaChannel()) << number;
        EXPECT_EQ(image.pixelColor(2, 2), squares[static_cast<std::size_t>(number - 148)])
            << number;
        EXPECT_EQ(image.pixelColor(0, 0), skin::kFrameColour) << number;
        EXPECT_EQ(image.pixelColor(15, 14), skin::kFrameColour) << number;
        EXPECT_GT(image.pixelColor(7, 0).lightness(), 235) << number;
        EXPECT_GT(image.pixelColor(0, 7).lightness(), 235) << number;
    }
    EXPECT_FALSE(SamePixels(CaptionImage(150), CaptionImage(155)));  // maximise and restore
}

TEST_F(SkinFrameTest, BandsIconButtonsAndFaceSitWhereTheyBelong) {
    const QImage look = Look();
    EXPECT_EQ(dialog.ClientArea()->geometry(), QRect(QPoint(4, kBand), look.size() - QSize(8, 26)));
    for (const QPoint at : {QPoint(W() / 2, 1), QPoint(W() - 80, 12), QPoint(1, H() / 2),
                            QPoint(W() - 2, H() / 2), QPoint(W() / 2, H() - 2)}) {
        EXPECT_EQ(look.pixelColor(at), skin::kFrameColour) << at.x() << "," << at.y();
    }
    // The left band is one pixel narrower than the right one: the face shows beside it.
    EXPECT_EQ(look.pixelColor(3, H() / 2), skin::kFaceColour);
    EXPECT_EQ(look.pixelColor(W() - 4, H() / 2), skin::kFrameColour);
    // Client background and the inside of the unnamed group box: the face colour.
    EXPECT_EQ(look.pixelColor(4 + dialog.DialogUnitsToPixelsX(100),
                              kBand + dialog.DialogUnitsToPixelsY(100)),
              skin::kFaceColour);
    EXPECT_EQ(look.pixelColor(4 + dialog.DialogUnitsToPixelsX(20),
                              kBand + dialog.DialogUnitsToPixelsY(50)),
              skin::kFaceColour);

    // The icon fills 16 × 15 pixels at (4, 4); the band surrounds it.
    const QRect icon(4, 4, 16, 15);
    const QRect drawn = BoundsOf(look, icon.adjusted(-2, -2, 2, 2),
                                 [](const QColor& c) { return c != skin::kFrameColour; });
    EXPECT_EQ(drawn, icon);

    EXPECT_TRUE(Shows(Button::Close, 148));
    EXPECT_TRUE(Shows(Button::Maximise, 150));
    EXPECT_TRUE(Shows(Button::Minimise, 153));
}

TEST_F(SkinFrameTest, TitleIsWhiteFromBesideTheIconRunsOverTheButtonsAndStopsAtTheBand) {
    const auto white = [](const QColor& c) { return c == QColor(255, 255, 255); };
    const QRect title = BoundsOf(Look(), QRect(0, 0, W() - 60, kBand), white);
    ASSERT_FALSE(title.isEmpty());
    EXPECT_GE(title.left(), 4 + 19);
    EXPECT_LE(title.left(), 4 + 19 + 2);
    EXPECT_GE(title.top(), 4);

    dialog.setWindowTitle(QString(80, QLatin1Char('W')));
    const QImage look = Look();
    EXPECT_FALSE(SamePixels(look.copy(ButtonRect(Button::Minimise, W())), CaptionImage(153)));
    EXPECT_TRUE(BoundsOf(look, QRect(W() - 4, 0, 4, kBand), white).isEmpty());
    EXPECT_FALSE(BoundsOf(look, QRect(W() - 12, 0, 8, kBand), white).isEmpty());
}

TEST_F(SkinFrameTest, AnAmpersandInTheTitleUnderlinesTheNextCharacter) {
    const auto white = [](const QColor& c) { return c == QColor(255, 255, 255); };
    const QRect band(0, 0, W() - 60, kBand);
    dialog.setWindowTitle(QStringLiteral("MM"));
    const QRect plain = BoundsOf(Look(), band, white);
    dialog.setWindowTitle(QStringLiteral("&MM"));
    const QImage look = Look();
    // The letters stand where they stood without the ampersand; a line runs below them.
    EXPECT_EQ(BoundsOf(look, band.intersected(QRect(0, 0, W(), plain.bottom() + 1)), white), plain);
    EXPECT_GT(BoundsOf(look, band, white).bottom(), plain.bottom());
}

TEST_F(SkinFrameTest, PointerImagesFollowThePointerOverTheBand) {
    QTest::mouseMove(frame, ButtonRect(Button::Close, W()).center());
    EXPECT_TRUE(Shows(Button::Close, 149));  // green under the pointer
    EXPECT_TRUE(Shows(Button::Maximise, 150));

    QTest::mouseMove(frame, ButtonRect(Button::Minimise, W()).center());
    EXPECT_TRUE(Shows(Button::Minimise, 152));  // orange-red under the pointer
    EXPECT_TRUE(Shows(Button::Close, 148));

    QTest::mouseMove(frame, ButtonRect(Button::Maximise, W()).center());
    EXPECT_TRUE(Shows(Button::Maximise, 151));

    // Into the client area: the image stays until the pointer moves over the band again.
    QTest::mouseMove(dialog.ClientArea(), QPoint(10, 10));
    EXPECT_EQ(frame->HotButton(), Button::Maximise);
    QTest::mouseMove(frame, QPoint(W() / 2, 10));
    EXPECT_EQ(frame->HotButton(), Button::None);
    EXPECT_TRUE(Shows(Button::Maximise, 150));
}

TEST_F(SkinFrameTest, OutlineCutsTheCornersOfTheWindow) {
    const QRegion outline = dialog.mask();
    for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(W() - 1, 0),
                                QPoint(0, H() - 1), QPoint(W() - 2, H() - 1)}) {
        EXPECT_FALSE(outline.contains(corner)) << corner.x() << "," << corner.y();
    }
    for (const QPoint inside : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(W() - 3, 0),
                                QPoint(W() - 1, H() - 3), QPoint(W() / 2, H() / 2)}) {
        EXPECT_TRUE(outline.contains(inside)) << inside.x() << "," << inside.y();
    }
    EXPECT_EQ(outline.boundingRect(), dialog.rect());
}

TEST_F(SkinFrameTest, MinimiseButtonMinimises) {
    Click(Button::Minimise);
    EXPECT_TRUE(dialog.isMinimized());
    dialog.showNormal();
}

TEST_F(SkinFrameTest, MiddleButtonMaximisesAndRestoresWithTheOutlineRebuilt) {
    const QSize normal = dialog.size();
    EXPECT_EQ(Drag({30, 20}), QPoint(30, 20));

    Click(Button::Maximise);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.size() != normal; }));
    EXPECT_TRUE(dialog.isMaximized());
    EXPECT_EQ(dialog.mask().boundingRect(), dialog.rect());
    EXPECT_FALSE(dialog.mask().contains(QPoint(W() - 1, H() - 1)));
    EXPECT_EQ(frame->geometry(), dialog.rect());
    EXPECT_TRUE(Shows(Button::Maximise, 155));  // the restore look
    EXPECT_TRUE(Shows(Button::Close, 148));
    EXPECT_EQ(Drag({30, 20}), QPoint(0, 0));  // a maximised window stays where it is

    Click(Button::Maximise);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.maximumSize() == normal; }));  // fixed again
    EXPECT_EQ(dialog.size(), normal);
    EXPECT_FALSE(dialog.isMaximized());
    EXPECT_EQ(dialog.mask().boundingRect(), QRect(QPoint(), normal));
    EXPECT_TRUE(Shows(Button::Maximise, 150));
    EXPECT_EQ(Drag({-10, 5}), QPoint(-10, 5));
}

// A compositor that will not keep the window maximised (sway will not maximise it at all) answers
// with the normal state: the window takes the layout's size again, and its middle button shows the
// maximise picture, as the window is not maximised.
TEST_F(SkinFrameTest, WhereTheWindowSystemKeepsItNormalTheWindowKeepsItsSizeAndSaysSo) {
    const QSize normal = dialog.size();
    Click(Button::Maximise);
    QWindowSystemInterface::flushWindowSystemEvents();
    QWindowSystemInterface::handleWindowStateChanged<QWindowSystemInterface::SynchronousDelivery>(
        dialog.windowHandle(), Qt::WindowNoState);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.maximumSize() == normal; }));
    EXPECT_EQ(dialog.size(), normal);
    EXPECT_FALSE(dialog.isMaximized());
    EXPECT_TRUE(Shows(Button::Maximise, 150));
    EXPECT_EQ(Drag({-10, 5}), QPoint(-10, 5));  // a window in its normal state moves
}

TEST_F(SkinFrameTest, OnlyTheTitleBandMovesTheWindow) {
    EXPECT_EQ(Drag({12, 7}, {2, H() / 2}), QPoint(0, 0));        // the left band
    EXPECT_EQ(Drag({12, 7}, {W() - 2, H() / 2}), QPoint(0, 0));  // the right band
    EXPECT_EQ(Drag({12, 7}, {W() / 2, H() - 2}), QPoint(0, 0));  // the bottom band
    EXPECT_EQ(Drag({12, 7}, {W() / 2, kBand - 1}), QPoint(12, 7));
}

TEST_F(SkinFrameTest, IconClickAndRightClickOnTheBandOpenTheWindowMenu) {
    Press(QPoint(10, 10));
    EXPECT_TRUE(dialog.SystemMenu()->isVisible());
    EXPECT_TRUE(dialog.isVisible());
    dialog.SystemMenu()->hide();

    const QPoint onBand(W() / 2, 10);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, onBand, frame->mapToGlobal(onBand));
    QApplication::sendEvent(frame, &rightClick);
    EXPECT_TRUE(dialog.SystemMenu()->isVisible());
}

TEST_F(SkinFrameTest, NothingOfTheFrameTakesTheFocus) {
    const std::vector<QWidget*>& controls = dialog.Controls();
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(&dialog)) {
            EXPECT_NE(std::find(controls.begin(), controls.end(), widget), controls.end())
                << widget->metaObject()->className();
        }
    }
    EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
}

TEST_F(SkinFrameTest, LabelsAreBlackGroupBoxesGreenAndEditableFieldsWhite) {
    EXPECT_EQ(dialog.Item(10)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(dialog.Controls()[0]->palette().color(QPalette::WindowText), skin::kLabelColour);
    EXPECT_EQ(dialog.Edit(11)->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST(SkinnedMainWindow, CloseButtonEndsTheProgramAndOnAFormBringsTheMainWindowBack) {
    FakePlatform platform;
    CMainDlg window;
    bool formShown = false;
    bool mainHidden = false;
    bool mainBack = false;
    QString model;
    QTimer::singleShot(0, &window, [&] {
        window.List(res::IDC_MODEL)->setCurrentIndex(1);
        QTimer::singleShot(0, &window, [&] {
            auto* form = qobject_cast<CCameraDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            formShown = form->isVisible();
            mainHidden = !window.isVisible();
            QTest::mouseClick(form->findChild<CSkinFrame*>(), Qt::LeftButton, {},
                              ButtonRect(Button::Close, form->width()).center());
        });
        QTest::mouseClick(window.Button(res::IDC_CAMERA_SETUP), Qt::LeftButton);
        mainBack = window.isVisible();
        model = window.List(res::IDC_MODEL)->currentText();
        QTest::mouseClick(window.findChild<CSkinFrame*>(), Qt::LeftButton, {},
                          ButtonRect(Button::Close, window.width()).center());
    });
    EXPECT_EQ(window.DoModal(), QDialog::Rejected);
    EXPECT_TRUE(formShown);
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(mainBack);
    EXPECT_EQ(model, QStringLiteral("MMS-CAMERA"));
    EXPECT_TRUE(window.findChildren<CCameraDlg*>().isEmpty());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace

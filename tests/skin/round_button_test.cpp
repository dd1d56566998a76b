#include "skin/round_button.h"

#include <cstdlib>

#include "tests/skin/skin_support.h"

namespace {

using namespace skin_test;

// Where the looks of a button differ: its face, the thick edges on it and its text.
class RoundButtonTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        button = qobject_cast<CRoundButton*>(dialog.Button(14));
        ASSERT_NE(button, nullptr);
        w = button->width();
        h = button->height();
    }

    QImage Look() const { return button->grab().toImage(); }
    QColor At(int x, int y) const { return Look().pixelColor(x, y); }
    void PointerOn() { QTest::mouseMove(button, button->rect().center()); }
    void PointerOff() { QTest::mouseMove(dialog.ClientArea(), QPoint(1, 1)); }
    // The face's tint four rows above its bottom edge, below the text and clear of the edges:
    // red and green fall by one for every `redGreen` steps of 64, blue for every `blue` steps.
    QColor Tint(int redGreen, int blue) const {
        const int faceHeight = h - 4;
        const int step = (faceHeight - 4) * 63 / faceHeight;
        return {255 - step / redGreen, 255 - step / redGreen, 255 - step / blue};
    }
    QColor TintRow() const { return At(6, h - 6); }
    QRect TextBounds() const {
        return BoundsOf(Look(), QRect(4, 4, w - 8, h - 8),
                        [](const QColor& c) { return IsDark(c); });
    }

    TestDialog dialog;
    CRoundButton* button = nullptr;
    int w = 0;
    int h = 0;
};

TEST_F(RoundButtonTest, AtRestRunsFromWhiteToLavenderInsideADarkGreenRoundedOutline) {
    EXPECT_EQ(At(w / 2, 0), QColor(55, 98, 6));
    EXPECT_EQ(At(0, h / 2), QColor(55, 98, 6));
    EXPECT_EQ(At(w - 1, h - 3), QColor(55, 98, 6));
    EXPECT_EQ(At(6, 2), QColor(255, 255, 255));      // the face's top row
    EXPECT_EQ(At(6, h - 2), QColor(234, 234, 243));  // the row on its bottom edge: step 63
    EXPECT_NE(At(6, h - 3), QColor(234, 234, 243));  // the row above it: an earlier step
    EXPECT_EQ(At(1, h / 2), QColor(255, 255, 255));  // the ring inside the outline
    EXPECT_EQ(TintRow(), Tint(3, 5));
    EXPECT_FALSE(TextBounds().isEmpty());  // black text
    // The corners are cut away, so the dialog shows through and takes the clicks there.
    const QRegion outline = button->mask();
    EXPECT_FALSE(outline.contains(QPoint(1, 0)));
    EXPECT_TRUE(outline.contains(QPoint(2, 0)));
    EXPECT_EQ(dialog.ClientArea()->childAt(button->geometry().topLeft()), nullptr);
}

TEST_F(RoundButtonTest, FocusGivesBlueEdgesAndADottedFocusRectangle) {
    button->setFocus(Qt::TabFocusReason);
    const QImage look = Look();
    EXPECT_EQ(look.pixelColor(1, h / 2), QColor(153, 198, 252));
    EXPECT_EQ(look.pixelColor(w - 2, h / 2), QColor(162, 189, 252));
    EXPECT_EQ(look.pixelColor(w / 2, 1), QColor(162, 201, 255));
    EXPECT_EQ(look.pixelColor(w / 2, h - 2), QColor(162, 201, 255));
    EXPECT_EQ(TintRow(), Tint(3, 4));
    // Every other pixel of the face's left column is inverted.
    int dots = 0;
    for (int y = 4; y < h - 4; ++y) {
        dots += look.pixelColor(2, y) == QColor(255 - 153, 255 - 198, 255 - 252) ? 1 : 0;
    }
    EXPECT_GE(dots, (h - 8) / 2 - 1);
    EXPECT_LE(dots, (h - 8) / 2 + 1);
}

TEST_F(RoundButtonTest, PointerGivesGreenEdgesAndALighterFaceAndLeavingTakesThemAway) {
    PointerOn();
    EXPECT_TRUE(button->IsHovered());
    QImage look = Look();
    EXPECT_EQ(look.pixelColor(1, h / 2), QColor(159, 175, 127));
    EXPECT_EQ(look.pixelColor(w - 2, h / 2), QColor(160, 180, 130));
    EXPECT_EQ(look.pixelColor(w / 2, 1), QColor(161, 190, 143));
    EXPECT_EQ(look.pixelColor(w / 2, h - 2), QColor(140, 155, 0));
    EXPECT_EQ(TintRow(), Tint(4, 5));

    button->setFocus(Qt::TabFocusReason);  // focused as well: green edges, warm face, no dots
    look = Look();
    EXPECT_EQ(look.pixelColor(1, h / 2), QColor(159, 175, 127));
    EXPECT_EQ(look.pixelColor(2, h / 2), QColor(159, 175, 127));
    EXPECT_EQ(TintRow(), Tint(4, 3));

    PointerOff();
    EXPECT_FALSE(button->IsHovered());
    EXPECT_EQ(At(1, h / 2), QColor(153, 198, 252));  // the focus look again
}

TEST_F(RoundButtonTest, TheEdgesCloseTheBottomRightCornerOfTheFace) {
    PointerOn();
    const QImage look = Look();
    // Where the right edge ends above the bottom edge: the bottom edge's colour, not the face.
    EXPECT_EQ(look.pixelColor(w - 3, h - 3), QColor(140, 155, 0));
    EXPECT_EQ(look.pixelColor(w - 3, h - 2), QColor(140, 155, 0));
}

TEST_F(RoundButtonTest, EnabledUnderTheRestingPointerItLightsUpAtTheNextMove) {
    button->setEnabled(false);
    PointerOn();
    ASSERT_FALSE(button->IsHovered());
    button->setEnabled(true);  // chosen with the keyboard elsewhere in the window
    QTest::mouseMove(button, button->rect().center() + QPoint(2, 1));
    EXPECT_TRUE(button->IsHovered());
    EXPECT_EQ(At(1, h / 2), QColor(159, 175, 127));
}

TEST_F(RoundButtonTest, HeldDownTheTextMovesOnePixelRightAndDown) {
    PointerOn();
    button->setFocus(Qt::TabFocusReason);
    const QImage released = Look();
    const QRect text = TextBounds().adjusted(-1, -1, 1, 1);
    ASSERT_FALSE(text.isEmpty());
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    ASSERT_TRUE(button->isDown());
    const QImage pressed = Look();
    QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());

    // Each pixel of the text is found again one pixel right and down, on a face one row on.
    int moved = 0;
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            const QColor was = released.pixelColor(x, y);
            const QColor now = pressed.pixelColor(x + 1, y + 1);
            EXPECT_NEAR(now.red(), was.red(), 4) << x << "," << y;
            moved += std::abs(pressed.pixelColor(x, y).red() - was.red()) > 60 ? 1 : 0;
        }
    }
    EXPECT_GT(moved, 10);
    EXPECT_EQ(pressed.pixelColor(6, h - 6), Tint(4, 3));
}

TEST_F(RoundButtonTest, DisabledTheTextIsEmbossedGreyAndThePointerChangesNothing) {
    button->setEnabled(false);
    PointerOn();
    EXPECT_FALSE(button->IsHovered());
    const QImage look = Look();
    // The middle rows, where the face is no longer white.
    const QRect textRows(4, h / 2 - 4, w - 8, 8);
    const QColor shadow = Rgb(button->palette().color(QPalette::Active, QPalette::Dark));
    const QColor light = Rgb(button->palette().color(QPalette::Active, QPalette::Light));
    EXPECT_TRUE(BoundsOf(look, textRows, [](const QColor& c) { return IsDark(c); }).isEmpty());
    EXPECT_FALSE(BoundsOf(look, textRows, [&](const QColor& c) { return c == shadow; }).isEmpty());
    EXPECT_FALSE(BoundsOf(look, textRows, [&](const QColor& c) { return c == light; }).isEmpty());
    EXPECT_EQ(look.pixelColor(6, h - 2), QColor(234, 234, 243));  // the resting face
}

}  // namespace

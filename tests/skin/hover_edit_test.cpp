#include "skin/hover_edit.h"

#include "skin/skin_colours.h"
#include "tests/skin/skin_support.h"

namespace {

using namespace skin_test;

class HoverEditTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        edit = qobject_cast<CHoverEdit*>(dialog.Edit(11));
        ASSERT_NE(edit, nullptr);
    }

    static QColor At(QWidget* widget, int x, int y) { return PixelOf(widget, QPoint(x, y)); }
    void PointerOn(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }
    void PointerOff() { QTest::mouseMove(dialog.ClientArea(), QPoint(1, 1)); }
    // The flat sunken edge: a ring in the shadow colour with one in the face colour inside.
    void ExpectFlatEdge(QWidget* widget) {
        const QPalette& colours = widget->palette();
        const int h = widget->height();
        EXPECT_EQ(At(widget, 0, h / 2), Rgb(colours.color(QPalette::Active, QPalette::Dark)));
        EXPECT_EQ(At(widget, widget->width() / 2, 0),
                  Rgb(colours.color(QPalette::Active, QPalette::Dark)));
        EXPECT_EQ(At(widget, 1, h / 2), Rgb(colours.color(QPalette::Active, QPalette::Button)));
    }

    TestDialog dialog;
    CHoverEdit* edit = nullptr;
};

TEST_F(HoverEditTest, AtRestAFlatEdgeAroundAWhiteField) {
    ExpectFlatEdge(edit);
    EXPECT_EQ(At(edit, edit->width() - 4, edit->height() / 2), QColor(255, 255, 255));
}

TEST_F(HoverEditTest, UnderThePointerFilledWithTheFrameColourInABlackOutline) {
    PointerOn(edit);
    EXPECT_TRUE(edit->IsHovered());
    const int w = edit->width();
    const int h = edit->height();
    EXPECT_EQ(At(edit, 0, 0), QColor(0, 0, 0));
    EXPECT_EQ(At(edit, w - 1, h - 1), QColor(0, 0, 0));
    EXPECT_EQ(At(edit, 1, 1), skin::kFrameColour);
    EXPECT_EQ(At(edit, w - 4, h / 2), skin::kFrameColour);

    PointerOff();
    EXPECT_FALSE(edit->IsHovered());
    ExpectFlatEdge(edit);
    EXPECT_EQ(At(edit, w - 4, h / 2), QColor(255, 255, 255));
}

TEST_F(HoverEditTest, FocusAndTypingLeaveTheBorderAsItIs) {
    const QImage before = edit->grab().toImage();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, QStringLiteral("abc"));
    ASSERT_EQ(edit->text(), QStringLiteral("abc"));
    const QImage after = edit->grab().toImage();
    for (int x = 0; x < edit->width(); ++x) {
        EXPECT_EQ(after.pixelColor(x, 0), before.pixelColor(x, 0)) << x;
        EXPECT_EQ(after.pixelColor(x, 1), before.pixelColor(x, 1)) << x;
    }
    PointerOn(edit);
    QTest::keyClicks(edit, QStringLiteral("d"));
    EXPECT_EQ(At(edit, 1, 1), skin::kFrameColour);
}

TEST_F(HoverEditTest, DisabledKeepsTheFlatEdgeWithBlackTextOnTheFaceColour) {
    QLineEdit* folder = dialog.Edit(12);
    PointerOn(folder);
    EXPECT_FALSE(qobject_cast<CHoverEdit*>(folder)->IsHovered());
    ExpectFlatEdge(folder);
    EXPECT_EQ(At(folder, folder->width() - 4, folder->height() / 2), skin::kFaceColour);
    const QImage look = folder->grab().toImage();
    EXPECT_FALSE(BoundsOf(look, look.rect().adjusted(2, 2, -2, -2), [](const QColor& c) {
                     return c.red() < 40 && c.green() < 40 && c.blue() < 40;
                 }).isEmpty());

    // An edit that its form disables while the pointer is on it drops the hover fill, and one
    // enabled under the resting pointer takes it again at the next move.
    PointerOn(edit);
    edit->setEnabled(false);
    EXPECT_FALSE(edit->IsHovered());
    ExpectFlatEdge(edit);
    edit->setEnabled(true);
    QTest::mouseMove(edit, edit->rect().center() + QPoint(3, 0));
    EXPECT_TRUE(edit->IsHovered());
    EXPECT_EQ(At(edit, 1, 1), skin::kFrameColour);
}

}  // namespace

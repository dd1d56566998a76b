// Every window on the screens people have, at their usual scale (run once for each screen, as the
// offscreen platform's configuration names it): the main window opens wholly on the screen, and
// each form, placed over it as the main window places it, fits the screen with room left for a task
// bar or panel. On a screen smaller than a form, the form opens at the top of the screen, its title
// band on it.
#include <QGuiApplication>
#include <QScreen>

#include "tests/support/every_window.h"

namespace {

// The room the largest task bars and panels take at the screen's scale: Windows 11's task bar.
constexpr int kPanel = 48;

// A screen of the runs' configurations, named as "1920x1080-150"; "-small" ends the name of one
// smaller than the largest form, where only the placement is held.
QString ScreenName() {
    return QGuiApplication::primaryScreen()->name();
}

class OnTheScreen : public testing::TestWithParam<Window> {
protected:
    void SetUp() override {
        if (!ScreenName().contains(u'x')) {
            GTEST_SKIP() << "this test runs on the screens of the offscreen platform's runs";
        }
        main.Create();
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    void TearDown() override { main.close(); }

    FakePlatform platform;
    CMainDlg main;
};

TEST_P(OnTheScreen, OpensOnTheScreenWithItsTitleBandReachable) {
    const QRect available = main.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(main.frameGeometry())) << "the main window";
    const std::unique_ptr<CDialog> form = GetParam().make();
    form->Create();
    form->PlaceOver(main);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect place = form->frameGeometry();
    form->close();
    const QSize room = available.size() - QSize(0, kPanel);
    const bool fits = place.width() <= room.width() && place.height() <= room.height();
    if (!ScreenName().endsWith(QLatin1String("-small"))) {
        EXPECT_TRUE(fits) << place.width() << "x" << place.height() << " on " << room.width() << "x"
                          << room.height();
    }
    // Wider or higher than the screen, it starts at the screen's left or top edge: the title band,
    // with the icon that opens the window menu, is on the screen.
    if (place.width() <= available.width()) {
        EXPECT_GE(place.left(), available.left());
        EXPECT_LE(place.right(), available.right());
    } else {
        EXPECT_EQ(place.left(), available.left());
    }
    if (place.height() <= available.height()) {
        EXPECT_GE(place.top(), available.top());
        EXPECT_LE(place.bottom(), available.bottom());
    } else {
        EXPECT_EQ(place.top(), available.top());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, OnTheScreen, testing::ValuesIn(kEveryWindow), WindowName);

}  // namespace

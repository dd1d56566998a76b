// Windows opened again and again must reuse the style's cached drawings: the style files them
// under the identity of the palette they were drawn with, so every opening has to draw its lists
// and plain buttons with the very same palette as the one before, or the cache fills with fresh
// copies of the same pictures while a person works.
#include <QComboBox>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "camera/camera_dlg.h"
#include "mms/mms_dlg.h"
#include "skin/round_button.h"
#include "skin/skin_colours.h"
#include "smtp/smtp_dlg.h"
#include "tests/support/fake_platform.h"

namespace {

// The palette identities of the controls that the style draws from its cache, over two
// openings of the window.
template <class Window>
QSet<qint64> StyleDrawnPaletteKeysOverTwoOpenings() {
    QSet<qint64> keys;
    for (int opening = 0; opening < 2; ++opening) {
        Window window;
        window.Create();
        window.show();
        for (const QComboBox* list : window.template findChildren<QComboBox*>()) {
            keys.insert(list->palette().cacheKey());
        }
        for (const QPushButton* button : window.template findChildren<QPushButton*>()) {
            if (qobject_cast<const CRoundButton*>(button) == nullptr) {
                keys.insert(button->palette().cacheKey());
            }
        }
        window.close();
    }
    return keys;
}

TEST(RepeatedOpenings, DrawListsAndPlainButtonsWithOnePalette) {
    FakePlatform platform;
    EXPECT_EQ(StyleDrawnPaletteKeysOverTwoOpenings<CMainDlg>().size(), 1);
    EXPECT_EQ(StyleDrawnPaletteKeysOverTwoOpenings<CCameraDlg>().size(), 1);
    EXPECT_EQ(StyleDrawnPaletteKeysOverTwoOpenings<CMmsDlg>().size(), 1);
    EXPECT_EQ(StyleDrawnPaletteKeysOverTwoOpenings<CSmtpDlg>().size(), 1);
    EXPECT_EQ(StyleDrawnPaletteKeysOverTwoOpenings<CAboutDlg>().size(), 1);
}

TEST(RepeatedOpenings, KeepListsOnTheFaceColourWithBlackText) {
    FakePlatform platform;
    CCameraDlg form;
    form.Create();
    form.show();
    for (const QComboBox* list : form.findChildren<QComboBox*>()) {
        EXPECT_EQ(list->palette().color(QPalette::Window), skin::kFaceColour);
        EXPECT_EQ(list->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
    form.close();
}

}  // namespace

#include "app/main_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

#include "app/about_dlg.h"
#include "camera/camera_dlg.h"
#include "framework/controls.h"
#include "framework/dialog_font.h"
#include "res/about_dialog.h"
#include "res/camera_dialog.h"
#include "res/main_dialog.h"
#include "tests/support/fake_platform.h"
#include "tests/support/localisation_file.h"

namespace {

class MainDlgTest : public testing::Test {
protected:
    void SetUp() override {
        window.Create();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    bool Enabled(int id) { return window.Button(id)->isEnabled(); }

    // Runs `step` once the next modal window is up, then lets the modal loop go on.
    void WhenModal(std::function<void(QWidget*)> step) {
        QTimer::singleShot(0, &window,
                           [step = std::move(step)] { step(QApplication::activeModalWidget()); });
    }

    FakePlatform platform;
    CMainDlg window;
};

TEST_F(MainDlgTest, StartsWithCameraChosenAndOnlyCameraSetupEnabled) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Setup  V2.1"));
    CComboBox* model = window.List(res::IDC_MODEL);
    ASSERT_EQ(model->count(), 3);
    EXPECT_EQ(model->itemText(1), QStringLiteral("MMS-CAMERA"));
    EXPECT_EQ(model->itemText(2), QStringLiteral("SMTP-CAMERA"));
    EXPECT_EQ(model->currentText(), QStringLiteral("CAMERA"));
    EXPECT_TRUE(Enabled(res::IDC_CAMERA_SETUP));
    EXPECT_FALSE(Enabled(res::IDC_MMS_SETUP));
    EXPECT_FALSE(Enabled(res::IDC_SMTP_SETUP));
    EXPECT_TRUE(Enabled(res::IDC_EXIT));
}

TEST_F(MainDlgTest, ModelDecidesWhichFormsMayOpen) {
    CComboBox* model = window.List(res::IDC_MODEL);
    model->setFocus();
    QTest::keyClick(model, Qt::Key_Down);
    EXPECT_EQ(model->currentText(), QStringLiteral("MMS-CAMERA"));
    EXPECT_TRUE(Enabled(res::IDC_CAMERA_SETUP));
    EXPECT_TRUE(Enabled(res::IDC_MMS_SETUP));
    EXPECT_FALSE(Enabled(res::IDC_SMTP_SETUP));
    QTest::keyClick(model, Qt::Key_Down);
    EXPECT_TRUE(Enabled(res::IDC_CAMERA_SETUP));
    EXPECT_TRUE(Enabled(res::IDC_MMS_SETUP));
    EXPECT_TRUE(Enabled(res::IDC_SMTP_SETUP));
    QTest::keyClick(model, Qt::Key_Up);
    QTest::keyClick(model, Qt::Key_Up);
    EXPECT_FALSE(Enabled(res::IDC_MMS_SETUP));
    EXPECT_FALSE(Enabled(res::IDC_SMTP_SETUP));
    EXPECT_TRUE(Enabled(res::IDC_EXIT));
}

TEST_F(MainDlgTest, CaptionsListAndButtonsUseTheMainWindowFont) {
    // Arial, or its metric twin where no Arial is installed.
    EXPECT_TRUE(ArialFamily() == QStringLiteral("Arial") ||
                ArialFamily() == QStringLiteral("Liberation Sans"))
        << ArialFamily().toStdString();
    for (const int id : {res::IDC_MODEL_LABEL, res::IDC_MODEL, res::IDC_CAMERA_SETUP,
                         res::IDC_MMS_SETUP, res::IDC_SMTP_SETUP, res::IDC_EXIT}) {
        const QFont font = window.Item(id)->font();
        EXPECT_TRUE(font.bold()) << id;
        EXPECT_TRUE(font.italic()) << id;
        EXPECT_EQ(font.family(), ArialFamily()) << id;
    }
    EXPECT_FALSE(window.font().italic());
}

TEST_F(MainDlgTest, EnterAndEscapeDoNotCloseIt) {
    for (const int id : {res::IDC_MODEL, res::IDC_EXIT, res::IDC_CAMERA_SETUP}) {
        window.Item(id)->setFocus();
        QTest::keyClick(window.Item(id), Qt::Key_Return);
        QTest::keyClick(window.Item(id), Qt::Key_Escape);
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainDlgTest, WindowMenuEndsWithTheAboutItem) {
    const QList<QAction*> actions = window.SystemMenu()->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.last()->text(), QStringLiteral("关于 Kestrivo(&A)..."));
    EXPECT_EQ(actions.last()->data().toInt(), 16);
}

TEST_F(MainDlgTest, AboutItemShowsTheAboutBoxModallyAndEnterClosesIt) {
    QString title;
    QString version;
    bool overMain = false;
    WhenModal([&](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        version = static_cast<QLabel*>(about->Item(res::IDC_ABOUT_VERSION))->text();
        overMain = about->parentWidget() == &window && window.isVisible();
        QTest::keyClick(about->Button(res::IDOK), Qt::Key_Return);
    });
    window.SystemMenu()->actions().last()->trigger();
    EXPECT_EQ(title, QStringLiteral("关于 Palvenor"));
    EXPECT_EQ(version, QStringLiteral("Palvenor 2.1 版"));
    EXPECT_TRUE(overMain);
    EXPECT_TRUE(window.findChildren<CAboutDlg*>().isEmpty());
}

TEST_F(MainDlgTest, EscapeClosesTheAboutBox) {
    bool closed = false;
    WhenModal([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        closed = !modal->isVisible();
    });
    window.SystemMenu()->actions().last()->trigger();
    EXPECT_TRUE(closed);
}

TEST_F(MainDlgTest, AltSpaceReachesTheAboutItem) {
    window.List(res::IDC_MODEL)->setFocus();
    QTest::keyClick(window.List(res::IDC_MODEL), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(window.SystemMenu()->isVisible());
    bool aboutShown = false;
    WhenModal([&](QWidget* modal) {
        aboutShown = qobject_cast<CAboutDlg*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->accept();
    });
    // The About item is the last one: Up from the top wraps round to it.
    QTest::keyClick(window.SystemMenu(), Qt::Key_Up);
    QTest::keyClick(window.SystemMenu(), Qt::Key_Return);
    EXPECT_TRUE(aboutShown);
}

// Each way of ending a form: its "Exit", the window menu's close command and Alt+F4.
const std::array<std::pair<const char*, std::function<void(CDialog&)>>, 3> kWaysToEnd{{
    {"Exit", [](CDialog& form) { QTest::mouseClick(form.Button(res::IDC_EXIT), Qt::LeftButton); }},
    {"close", [](CDialog& form) { form.SendSysCommand(SC_CLOSE); }},
    {"Alt+F4",
     [](CDialog& form) {
         form.Button(res::IDC_EXIT)->setFocus();
         QTest::keyClick(form.Button(res::IDC_EXIT), Qt::Key_F4, Qt::AltModifier);
     }},
}};

TEST_F(MainDlgTest, EachSetupButtonHidesTheMainWindowUntilItsFormEnds) {
    window.List(res::IDC_MODEL)->setCurrentIndex(2);
    const std::array<std::pair<int, const char*>, 3> forms{{
        {res::IDC_CAMERA_SETUP, "CCameraDlg"},
        {res::IDC_MMS_SETUP, "CMmsDlg"},
        {res::IDC_SMTP_SETUP, "CSmtpDlg"},
    }};
    for (const auto& [button, formClass] : forms) {
        for (const auto& [name, end] : kWaysToEnd) {
            bool mainHidden = false;
            QString shown;
            WhenModal([&, &end = end](QWidget* modal) {
                auto* form = qobject_cast<CDialog*>(modal);
                ASSERT_NE(form, nullptr);
                mainHidden = !window.isVisible();
                shown = form->isVisible() ? QString::fromLatin1(form->metaObject()->className())
                                          : QString();
                end(*form);
            });
            QTest::mouseClick(window.Button(button), Qt::LeftButton);
            EXPECT_TRUE(mainHidden) << formClass << " " << name;
            EXPECT_EQ(shown, QString::fromLatin1(formClass)) << name;
            EXPECT_TRUE(window.isVisible()) << formClass << " " << name;
            EXPECT_EQ(window.List(res::IDC_MODEL)->currentText(), QStringLiteral("SMTP-CAMERA"))
                << formClass << " " << name;
            EXPECT_TRUE(Enabled(res::IDC_SMTP_SETUP)) << formClass << " " << name;
            EXPECT_TRUE(window.findChildren<CDialog*>().isEmpty()) << formClass << " " << name;
        }
    }
}

// While a form is open the main window holds no window of its own; it comes back where it stood,
// maximised or not, with the focus where it was and painted as before, and restores to where it
// stood before it was maximised.
TEST_F(MainDlgTest, ComesBackAfterAFormAsItWasWithoutKeepingItsWindowMeanwhile) {
    window.move(125, 100);
    for (const bool maximised : {false, true}) {
        if (maximised) {
            window.SendSysCommand(SC_MAXIMIZE);
        }
        QWidget* button = window.Button(res::IDC_CAMERA_SETUP);
        button->setFocus();
        QTest::qWait(20);
        const QRect place = window.geometry();
        const QImage before = window.screen()->grabWindow(window.winId()).toImage();
        bool released = false;
        WhenModal([&](QWidget* modal) {
            released = window.windowHandle() == nullptr;
            qobject_cast<CDialog*>(modal)->SendSysCommand(SC_CLOSE);
        });
        QTest::keyClick(button, Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);
        EXPECT_TRUE(released) << maximised;
        EXPECT_EQ(window.geometry(), place) << maximised;
        EXPECT_EQ(window.windowHandle()->geometry(), place) << maximised;
        EXPECT_EQ(window.isMaximized(), maximised);
        EXPECT_EQ(window.windowHandle()->windowStates().testFlag(Qt::WindowMaximized), maximised);
        EXPECT_FALSE(window.windowHandle()->mask().isEmpty()) << maximised;
        EXPECT_EQ(window.focusWidget(), button) << maximised;
        EXPECT_EQ(window.screen()->grabWindow(window.winId()).toImage(), before) << maximised;
    }
    window.SendSysCommand(SC_RESTORE);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.pos() == QPoint(125, 100); }))
        << window.pos().x() << "," << window.pos().y();
}

TEST_F(MainDlgTest, ExitEndsTheMainWindowAtOnce) {
    QTest::mouseClick(window.Button(res::IDC_EXIT), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST(AboutDlg, KeepsThePlatformFrameWithALightBlueFace) {
    CAboutDlg about;
    about.Create();
    EXPECT_FALSE(about.IsSkinned());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(166, 202, 240));
    EXPECT_EQ(about.palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_FALSE(static_cast<QLabel*>(about.Item(res::IDC_ABOUT_NOTICE))->text().isEmpty());
    EXPECT_TRUE(about.Button(res::IDOK)->isDefault());
    EXPECT_EQ(about.Button(res::IDOK)->text(), QStringLiteral("确定"));
}

TEST(LocalisedTexts, ReachTheAboutBoxButNeverTheMainWindowOrTheCameraForm) {
    FakePlatform platform;
    const ScopedLocalisationFile file(
        "[String]\n"
        "IDD100_Title=Über Palvenor\nIDD100_1=OK\n"
        "IDD102_Title=Einrichtung\nIDD102_1172=Beenden\nIDD102_1001=Kameramodell\n"
        "IDD104_Title=Kamera\nIDD104_1172=Beenden\nIDD104_1008=Modus\n");
    CAboutDlg about;
    about.Create();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Über Palvenor"));
    EXPECT_EQ(about.Button(res::IDOK)->text(), QStringLiteral("OK"));
    EXPECT_EQ(GetWindowText(about.Item(998)), QStringLiteral("Palvenor 2.1 版"));

    CMainDlg mainWindow;
    mainWindow.Create();
    EXPECT_EQ(mainWindow.windowTitle(), QStringLiteral("Setup  V2.1"));
    EXPECT_EQ(mainWindow.Button(res::IDC_EXIT)->text(), QStringLiteral("Exit"));
    EXPECT_EQ(GetWindowText(mainWindow.Item(res::IDC_MODEL_LABEL)), QStringLiteral("Camera Model"));

    CCameraDlg camera;
    camera.Create();
    EXPECT_EQ(camera.windowTitle(), QStringLiteral("Camera Setup"));
    EXPECT_EQ(camera.Button(res::IDC_EXIT)->text(), QStringLiteral("Exit"));
    EXPECT_EQ(GetWindowText(camera.Item(1008)), QStringLiteral("Mode"));
}

TEST(AppIcon, IsFortyEightPixelsSquare) {
    const QImage icon(QString::fromUtf8(res::kAppIconPath));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(48, 48));
    EXPECT_FALSE(icon.hasAlphaChannel());
}

}  // namespace

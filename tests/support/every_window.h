#pragma once

// The five windows of the program, for tests that hold every one of them to the same rule.
#include <QSize>

#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "camera/camera_dlg.h"
#include "mms/mms_dlg.h"
#include "smtp/smtp_dlg.h"
#include "tests/support/fake_platform.h"

struct Window {
    const char* name;
    std::unique_ptr<CDialog> (*make)();
    bool skinned;
    QSize drawn;  // the client area in pixels that the layout gives with a Song face at 96 dpi
};

inline void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}

template <class Dialog>
std::unique_ptr<CDialog> MakeWindow() {
    return std::make_unique<Dialog>();
}

inline const Window kEveryWindow[] = {
    {"MainWindow", &MakeWindow<CMainDlg>, true, {542, 377}},
    {"AboutBox", &MakeWindow<CAboutDlg>, false, {353, 83}},
    {"CameraSetup", &MakeWindow<CCameraDlg>, true, {509, 538}},
    {"MmsSetup", &MakeWindow<CMmsDlg>, true, {938, 387}},
    {"SmtpSetup", &MakeWindow<CSmtpDlg>, true, {940, 385}},
};

// Each window built and shown on the screen, one test at a time.
class ShownWindow : public testing::TestWithParam<Window> {
protected:
    void SetUp() override {
        window->Create();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window->close(); }

    FakePlatform platform;
    std::unique_ptr<CDialog> window = GetParam().make();
};

inline std::string WindowName(const testing::TestParamInfo<Window>& info) {
    return info.param.name;
}

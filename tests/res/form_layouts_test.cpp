#include <QApplication>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <vector>

#include "framework/dialog.h"
#include "res/dialogs.h"
#include "res/mms_dialog.h"
#include "res/smtp_dialog.h"

namespace {

// The identifiers that Tab visits from the first tab stop on.
std::vector<int> TabOrder(const res::DialogTemplate& layout, std::size_t stops) {
    CDialog dialog(layout, CDialog::Frame::Skinned);
    dialog.Create();
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QWidget* focus = dialog.Controls().front();
    for (QWidget* control : dialog.Controls()) {
        if (control->focusPolicy() != Qt::NoFocus) {
            focus = control;
            break;
        }
    }
    focus->setFocus();
    std::vector<int> order{CDialog::ControlId(QApplication::focusWidget())};
    while (order.size() < stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(CDialog::ControlId(QApplication::focusWidget()));
    }
    return order;
}

TEST(FormLayouts, TabFollowsTheTemplateOverColumnsAndSkipsTheFolder) {
    using namespace res;
    EXPECT_EQ(TabOrder(kSmtpDialog, 24), (std::vector<int>{IDC_SMTP_MODE,
                                                           IDC_SMTP_STATUS,
                                                           IDC_SMTP_NUMBER,
                                                           IDC_SMTP_DAILY_REPORT,
                                                           IDC_SMTP_HOUR,
                                                           IDC_SMTP_COUNTRY,
                                                           IDC_SMTP_OPERATOR,
                                                           IDC_SMTP_APN,
                                                           IDC_SMTP_APN_PASSWORD,
                                                           IDC_SMTP_ACCOUNT,
                                                           IDC_SMTP_SERVER,
                                                           IDC_SMTP_SENDER,
                                                           IDC_SMTP_PORT,
                                                           IDC_SMTP_SERVER_PASSWORD,
                                                           IDC_SMTP_EMAIL1,
                                                           IDC_SMTP_EMAIL3,
                                                           IDC_SMTP_EMAIL2,
                                                           IDC_SMTP_EMAIL4,
                                                           IDC_SMTP_SELECT,
                                                           IDC_SMTP_GENERATE,
                                                           IDC_EXIT,
                                                           IDC_SMTP_MODE,
                                                           IDC_SMTP_STATUS,
                                                           IDC_SMTP_NUMBER}));
    EXPECT_EQ(TabOrder(kMmsDialog, 12),
              (std::vector<int>{IDC_MMS_MODE, IDC_MMS_STATUS, IDC_MMS_NUMBER, IDC_MMS_DAILY_REPORT,
                                IDC_MMS_HOUR, IDC_MMS_COUNTRY, IDC_MMS_OPERATOR, IDC_MMS_SELECT,
                                IDC_MMS_GENERATE, IDC_EXIT, IDC_MMS_URL, IDC_MMS_APN}));
}

}  // namespace

// Runs a test program's cases inside a widget application, with no window left behind.
#include <QApplication>

#include <gtest/gtest.h>

#include "app/setup_app.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArrayLiteral("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    CSetupApp::InitInstance();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

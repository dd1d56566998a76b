// Runs a test program's cases inside a widget application; a case that leaves a window open
// fails.
#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/setup_app.h"
#include "tests/support/scratch_mount.h"

namespace {

class NoWindowLeftOpen : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                ADD_FAILURE() << "a window was left open: " << window->metaObject()->className()
                              << " \"" << window->windowTitle().toStdString() << "\"";
                window->close();
            }
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    // Before any thread starts.
    ScratchMount::Prepare();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    CSetupApp::InitInstance();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new NoWindowLeftOpen);
    return RUN_ALL_TESTS();
}

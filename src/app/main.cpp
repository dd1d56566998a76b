#include <QApplication>

#include "app/setup_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CSetupApp setup;
    return setup.Run();
}

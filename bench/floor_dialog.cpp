// The floor that start-up and memory are measured against: the smallest Qt Widgets dialog program
// like the main window, one list and four buttons in a window of the main window's size, ending
// as soon as its window is on screen.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include <array>
#include <cstdlib>

#include "quiet_toolkit.h"
#include "window_watch.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    SilenceToolkitMessages();
    const WindowShownWatch watch([](QWidget&) { std::_Exit(0); });

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Floor"));
    dialog.setFixedSize(640, 465);
    auto* list = new QComboBox(&dialog);
    list->addItems(
        {QStringLiteral("CAMERA"), QStringLiteral("MMS-CAMERA"), QStringLiteral("SMTP-CAMERA")});
    list->setGeometry(330, 40, 250, 40);
    const std::array<const char*, 4> buttons{"Camera Setup", "MMS Setup", "Smtp Setup", "Exit"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(QString::fromLatin1(buttons[i]), &dialog);
        button->setGeometry(200, 120 + static_cast<int>(i) * 75, 240, 50);
    }
    return dialog.exec();
}

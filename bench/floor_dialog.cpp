// The floor that start-up and memory are measured against: the smallest Qt Widgets dialog program
// like the main window, one list and four buttons in a window of the main window's size, ending
// as soon as its window is on screen.
//   trailcam-floor-dialog
//   trailcam-floor-dialog --forms FACE WIDTHxHEIGHTxPOINTS...
//       the floor of a program that shows the same windows in the same faces: the main window's
//       buttons in bold italic Arial, then in turn, with the main window hidden and its native
//       window let go, one window of each size given, with a bold Arial title, text in the face
//       FACE at POINTS and a list, a line of text and a button; it ends when the main window is
//       back on screen after the last.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "quiet_toolkit.h"
#include "window_watch.h"

namespace {

// A dialog that lets go of its native window and drawing surface while hidden, as the program's
// windows do.
class Window : public QDialog {
public:
    using QWidget::destroy;
};

struct FormWindow {
    int width;
    int height;
    int points;
};

QFont ArialFont(int pixels, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

// A window of the form's size with one control of each kind the forms show most.
void ShowForm(Window& form, const QString& face, const FormWindow& size) {
    form.setWindowTitle(QStringLiteral("Form"));
    form.setFixedSize(size.width, size.height);
    auto* title = new QLabel(QStringLiteral("Camera Setup"), &form);
    title->setFont(ArialFont(16, false));
    title->setGeometry(0, 0, size.width, 24);
    QFont text(face);
    text.setPointSize(size.points);
    text.setStyleStrategy(QFont::NoAntialias);
    auto* label = new QLabel(QStringLiteral("Video Resolution"), &form);
    label->setFont(text);
    label->setGeometry(10, 40, 150, 20);
    auto* list = new QComboBox(&form);
    list->setFont(text);
    list->addItems({QStringLiteral("1080P"), QStringLiteral("720P"), QStringLiteral("VGA")});
    list->setGeometry(170, 40, 120, 20);
    auto* line = new QLineEdit(QStringLiteral("mms.example.net"), &form);
    line->setFont(text);
    line->setGeometry(10, 70, 280, 20);
    auto* button = new QPushButton(QStringLiteral("Generate"), &form);
    button->setFont(text);
    button->setGeometry(10, size.height - 40, 100, 24);
    form.show();
}

}  // namespace

int main(int argc, char* argv[]) {
#if defined(__GLIBC__)
    // As the program does: a surface let go is given back to the system.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    QApplication application(argc, argv);
    SilenceToolkitMessages();
    const bool forms = argc > 2 && std::strcmp(argv[1], "--forms") == 0;
    const QString face = forms ? QString::fromLocal8Bit(argv[2]) : QString();
    std::vector<FormWindow> sizes;
    for (int i = 3; forms && i < argc; ++i) {
        FormWindow size{};
        if (std::sscanf(argv[i], "%dx%dx%d", &size.width, &size.height, &size.points) != 3) {
            std::fprintf(stderr, "not WIDTHxHEIGHTxPOINTS: %s\n", argv[i]);
            return 2;
        }
        sizes.push_back(size);
    }

    Window dialog;
    Window form;
    std::size_t next = 0;
    const WindowShownWatch watch([&](QWidget& window) {
        if (&window == &form) {
            // As the program does with a form, the window goes and the main window comes back.
            form.hide();
            form.destroy();
            dialog.show();
            return;
        }
        if (next == sizes.size()) {
            std::_Exit(0);
        }
        dialog.hide();
        dialog.destroy();
        for (QObject* child : form.children()) {
            delete child;
        }
        ShowForm(form, face, sizes[next++]);
    });

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
        if (forms) {
            button->setFont(ArialFont(21, true));
        }
    }
    return dialog.exec();
}

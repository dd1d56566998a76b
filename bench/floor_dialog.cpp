// The floor that start-up and memory are measured against: the smallest Qt Widgets dialog program
// like the main window, one list and four buttons in a window of 640 x 465 in the toolkit's own
// face, ending as soon as its window is on screen.
//   trailcam-floor-dialog
//   trailcam-floor-dialog --faces WIDTHxHEIGHT
//       the same at the main window's size, in the faces the program's main window draws in: a
//       title in bold Arial and the list and buttons in bold italic Arial
//   trailcam-floor-dialog --forms WIDTHxHEIGHT FACE WIDTHxHEIGHTxPOINTS...
//       the floor of a program that shows the same windows in the same faces: that main window,
//       then in turn, with the main window hidden and its native window let go, one window of
//       each size given, with a bold Arial title, text in the face FACE at POINTS and a list, a
//       line of text and a button; it ends when the main window is back on screen after the last.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
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

// Arial, or its metric twin where no Arial is installed, found among the installed families as
// the program finds it; written out here because the floor links nothing of the program.
QString ArialFamily() {
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial"))
                                      ? QStringLiteral("Arial")
                                      : QStringLiteral("Liberation Sans");
    return family;
}

QFont ArialFont(int pixels, bool italic) {
    QFont font(ArialFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    // The program's windows draw their Arial texts without the text shaper.
    font.setStyleStrategy(QFont::PreferNoShaping);
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
    const bool forms = argc > 3 && std::strcmp(argv[1], "--forms") == 0;
    const bool faces = forms || (argc > 2 && std::strcmp(argv[1], "--faces") == 0);
    QSize mainSize(640, 465);
    if (faces && std::sscanf(argv[2], "%dx%d", &mainSize.rwidth(), &mainSize.rheight()) != 2) {
        std::fprintf(stderr, "not WIDTHxHEIGHT: %s\n", argv[2]);
        return 2;
    }
    const QString face = forms ? QString::fromLocal8Bit(argv[3]) : QString();
    std::vector<FormWindow> sizes;
    for (int i = 4; forms && i < argc; ++i) {
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

    // Laid out on the plain floor's 640 x 465 pixels, and scaled to the size asked for.
    const auto x = [&mainSize](int pixels) { return pixels * mainSize.width() / 640; };
    const auto y = [&mainSize](int pixels) { return pixels * mainSize.height() / 465; };
    dialog.setWindowTitle(QStringLiteral("Floor"));
    dialog.setFixedSize(mainSize);
    if (faces) {
        auto* title = new QLabel(QStringLiteral("Setup  V2.1"), &dialog);
        title->setFont(ArialFont(16, false));
        title->setGeometry(x(30), 4, x(400), 24);
    }
    auto* list = new QComboBox(&dialog);
    if (faces) {
        list->setFont(ArialFont(21, true));
    }
    list->addItems(
        {QStringLiteral("CAMERA"), QStringLiteral("MMS-CAMERA"), QStringLiteral("SMTP-CAMERA")});
    list->setGeometry(x(330), y(40), x(250), y(40));
    const std::array<const char*, 4> buttons{"Camera Setup", "MMS Setup", "Smtp Setup", "Exit"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(QString::fromLatin1(buttons[i]), &dialog);
        button->setGeometry(x(200), y(120 + static_cast<int>(i) * 75), x(240), y(50));
        if (faces) {
            button->setFont(ArialFont(21, true));
        }
    }
    return dialog.exec();
}

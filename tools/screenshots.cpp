// Renders every window of the program into PNG files, the way a user sees them on start:
// trailcam-screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

#include "app/about_dlg.h"
#include "app/main_dlg.h"
#include "app/setup_app.h"
#include "camera/camera_dlg.h"
#include "mms/mms_dlg.h"
#include "smtp/smtp_dlg.h"

namespace {

// The window as the screen shows it: outside its outline, if it has one, nothing.
QImage Picture(CDialog& dialog) {
    QImage picture = dialog.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!dialog.mask().isEmpty()) {
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setClipRegion(QRegion(picture.rect()) - dialog.mask());
        painter.fillRect(picture.rect(), Qt::transparent);
    }
    return picture;
}

bool Save(CDialog& dialog, const QDir& folder, const QString& name) {
    dialog.Create();
    dialog.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = Picture(dialog).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    dialog.hide();
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    CSetupApp::InitInstance();

    CMainDlg mainWindow;
    CAboutDlg about(&mainWindow);
    CCameraDlg camera(&mainWindow);
    CMmsDlg mms(&mainWindow);
    CSmtpDlg smtp(&mainWindow);
    const bool saved = Save(mainWindow, folder, QStringLiteral("main-window.png")) &&
                       Save(about, folder, QStringLiteral("about-box.png")) &&
                       Save(camera, folder, QStringLiteral("camera-setup.png")) &&
                       Save(mms, folder, QStringLiteral("mms-setup.png")) &&
                       Save(smtp, folder, QStringLiteral("smtp-setup.png"));
    return saved ? 0 : 1;
}

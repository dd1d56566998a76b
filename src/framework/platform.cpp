#include "framework/platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/clock_text.h"

namespace {

Platform* g_installed = nullptr;

}  // namespace

Platform& Platform::Current() {
    static DesktopPlatform desktop;
    return g_installed != nullptr ? *g_installed : desktop;
}

void Platform::Install(Platform* platform) {
    g_installed = platform;
}

void DesktopPlatform::ShowMessage(QWidget* owner, const QString& text) {
    QMessageBox box(owner);
    box.setWindowTitle(ApplicationName());
    box.setIcon(QMessageBox::NoIcon);
    // Paths and typed values are shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<QString> DesktopPlatform::BrowseForFolder(QWidget* owner, const QString& title,
                                                        const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(owner, title, startFolder);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder;
}

std::tm DesktopPlatform::Now() {
    return CurrentLocalTime();
}

QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

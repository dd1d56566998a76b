#include "framework/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStorageInfo>
#include <QUrl>

#include "core/clock_text.h"
#include "core/settings_file.h"

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

std::vector<RemovableVolume> Platform::RemovableVolumes() {
    std::vector<RemovableVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        const QString root = storage.rootPath();
#if defined(_WIN32)
        // Drive letters other than the system's, readable and not the system drive.
        const bool removable = !storage.isRoot() && root.size() <= 3;
#else
        const bool removable = root.startsWith(QLatin1String("/media/")) ||
                               root.startsWith(QLatin1String("/run/media/"));
#endif
        if (removable && storage.isValid() && storage.isReady()) {
            volumes.push_back({root, storage.displayName(), storage.bytesTotal()});
        }
    }
    return volumes;
}

QFileDialog* MakeFolderBrowser(QWidget* owner, const QString& title, const QString& startFolder,
                               const std::vector<RemovableVolume>& volumes) {
    QString start = startFolder;
    if (volumes.size() == 1 && startFolder == QLatin1String(kDefaultTargetFolder)) {
        start = volumes.front().rootPath;
    }
    auto* browser = new QFileDialog(owner, title, start);
    // Only Qt's own browser takes the cards into its sidebar.
    browser->setOption(QFileDialog::DontUseNativeDialog);
    browser->setFileMode(QFileDialog::Directory);
    browser->setOption(QFileDialog::ShowDirsOnly);
    QList<QUrl> sidebar{QUrl::fromLocalFile(QLatin1String(kDefaultTargetFolder))};
    for (const RemovableVolume& volume : volumes) {
        sidebar << QUrl::fromLocalFile(volume.rootPath);
    }
    browser->setSidebarUrls(sidebar);
    return browser;
}

std::optional<QString> DesktopPlatform::BrowseForFolder(QWidget* owner, const QString& title,
                                                        const QString& startFolder) {
    QFileDialog* browser = MakeFolderBrowser(owner, title, startFolder, RemovableVolumes());
    browser->setAttribute(Qt::WA_DeleteOnClose, false);
    std::optional<QString> folder;
    if (browser->exec() == QDialog::Accepted && !browser->selectedFiles().isEmpty()) {
        // As the system writes it: "E:\" for a card on Windows, not Qt's "E:/".
        folder = QDir::toNativeSeparators(browser->selectedFiles().front());
    }
    delete browser;
    return folder;
}

std::tm DesktopPlatform::Now() {
    return CurrentLocalTime();
}

QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

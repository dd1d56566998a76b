#include "framework/platform.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSplitter>
#include <QStorageInfo>
#include <QStyle>
#include <QUrl>

#include <algorithm>

#include "core/clock_text.h"
#include "core/settings_file.h"

namespace {

Platform* g_installed = nullptr;

// A message box of the program, captioned with its name, without an icon.
void PrepareMessageBox(QMessageBox& box, const QString& text) {
    box.setWindowTitle(ApplicationName());
    box.setIcon(QMessageBox::NoIcon);
    // Paths and typed values are shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

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
    PrepareMessageBox(box, text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool DesktopPlatform::AskYesNo(QWidget* owner, const QString& text) {
    QMessageBox box(owner);
    PrepareMessageBox(box, text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // A stray Enter or Escape leaves everything as it is.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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

namespace {

// The name of a card in the browser's sidebar: its label and its size as cards are sold, in
// decimal units ("CARD (8.0 GB)").
QString CardName(const RemovableVolume& volume) {
    const QString label =
        volume.label.isEmpty() ? QFileInfo(volume.rootPath).fileName() : volume.label;
    if (volume.bytes <= 0) {
        return label;
    }
    return QStringLiteral("%1 (%2)").arg(
        label, QLocale().formattedDataSize(volume.bytes, 1, QLocale::DataSizeSIFormat));
}

// Gives each card among the sidebar's `places` its name; each place's address is in the role
// after Qt::UserRole.
void NameCards(QAbstractItemModel& places, const std::vector<RemovableVolume>& volumes) {
    constexpr int kAddressRole = Qt::UserRole + 1;
    for (int row = 0; row < places.rowCount(); ++row) {
        const QModelIndex place = places.index(row, 0);
        const QString folder = place.data(kAddressRole).toUrl().toLocalFile();
        for (const RemovableVolume& volume : volumes) {
            // Only a name that differs is set, so the change it signals ends here.
            if (!folder.isEmpty() && QFileInfo(folder) == QFileInfo(volume.rootPath) &&
                place.data(Qt::DisplayRole).toString() != CardName(volume)) {
                places.setData(place, CardName(volume), Qt::DisplayRole);
                places.setData(place, QDir::toNativeSeparators(volume.rootPath), Qt::ToolTipRole);
            }
        }
    }
}

// Qt's sidebar names each place by its folder's name, and names it so again whenever it hears of
// a change to the folder; a card gets its label and size instead, each time. The sidebar is Qt's
// own list of the non-native browser, found by its name; a browser without it keeps the folder
// names.
void NameCardsInSidebar(QFileDialog& browser, const std::vector<RemovableVolume>& volumes) {
    auto* sidebar = browser.findChild<QAbstractItemView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* places = sidebar != nullptr ? sidebar->model() : nullptr;
    if (places == nullptr || volumes.empty()) {
        return;
    }
    NameCards(*places, volumes);
    QObject::connect(places, &QAbstractItemModel::dataChanged, &browser,
                     [places, volumes] { NameCards(*places, volumes); });
    // Wide enough that every name can be read whole.
    auto* splitter = browser.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (splitter != nullptr && splitter->count() == 2 && splitter->widget(0) == sidebar) {
        const int needed = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth() +
                           sidebar->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QList<int> sizes = splitter->sizes();
        if (sizes.value(0) < needed) {
            const int total = std::max(sizes[0] + sizes[1], browser.sizeHint().width());
            splitter->setSizes({needed, std::max(total - needed, needed)});
        }
    }
}

}  // namespace

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
    NameCardsInSidebar(*browser, volumes);
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

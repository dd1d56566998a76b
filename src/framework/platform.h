#pragma once

#include <QString>

#include <ctime>
#include <optional>
#include <vector>

class QFileDialog;
class QWidget;

// A removable volume that the system has mounted: a camera's card.
struct RemovableVolume {
    QString rootPath;
    QString label;
    qint64 bytes = 0;
};

// Everything the dialogs ask of the desktop that a test must be able to answer: message boxes,
// the folder browser and the clock. The program uses the desktop's own; tests install a fake.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message owned by `owner`, with an OK button only, no icon and the program's
    // name as caption.
    virtual void ShowMessage(QWidget* owner, const QString& text) = 0;
    // A modal question owned by `owner`, captioned as the messages are, with the buttons Yes and
    // No; true for Yes. Closing it without an answer is No.
    virtual bool AskYesNo(QWidget* owner, const QString& text) = 0;
    // A folder chosen by the user, or nothing when the browser was cancelled.
    virtual std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title,
                                                   const QString& startFolder) = 0;
    // The current local time.
    virtual std::tm Now() = 0;
    // The removable volumes mounted now, where the folder browser offers them.
    virtual std::vector<RemovableVolume> RemovableVolumes();

    static Platform& Current();
    // Makes `platform` the one in use; nullptr goes back to the desktop's own.
    static void Install(Platform* platform);
};

// The desktop's message boxes, folder browser and clock.
class DesktopPlatform : public Platform {
public:
    void ShowMessage(QWidget* owner, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    std::optional<QString> BrowseForFolder(QWidget* owner, const QString& title,
                                           const QString& startFolder) override;
    std::tm Now() override;
};

// The folder browser: opens in the one card when exactly one is mounted and the folder is still
// the default, else in `startFolder`; every card stands in its sidebar with its label and size.
QFileDialog* MakeFolderBrowser(QWidget* owner, const QString& title, const QString& startFolder,
                               const std::vector<RemovableVolume>& volumes);

// The base name of the program file, without extension: the caption of every message box.
QString ApplicationName();

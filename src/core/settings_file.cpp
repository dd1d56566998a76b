#include "core/settings_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/settings_text.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

SettingsFileOutcome Outcome(SettingsFileOutcome::Status status, std::string message) {
    return SettingsFileOutcome{status, std::move(message)};
}

SettingsFileOutcome Failure(const std::string& path, const std::string& reason) {
    return Outcome(SettingsFileOutcome::Status::Failed,
                   path + "\nThe file could not be written: " + reason);
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

// Makes the bytes of an open file durable before the file is renamed into place.
bool SyncHandle(int fd) {
#if defined(_WIN32)
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

// Makes the rename durable: the folder entry is what the camera looks up. Filesystems that
// cannot sync a folder say so with EINVAL or ENOTSUP; that is no failure of the write.
int SyncFolder(const QString& folder) {
#if defined(_WIN32)
    (void)folder;
    return 0;
#else
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return errno;
    }
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        error = errno;
    }
    ::close(fd);
    return error;
#endif
}

}  // namespace

std::string ComposeSettingsFilePath(const std::string& targetFolder, const std::string& fileName) {
    return targetFolder + fileName;
}

SettingsFileOutcome WriteSettingsFile(const std::string& targetFolder, const std::string& fileName,
                                      const ScrambleKey& key,
                                      const std::function<std::string()>& compose) {
    using Status = SettingsFileOutcome::Status;
    const std::string path = ComposeSettingsFilePath(targetFolder, fileName);

    // Composing has no side effects, so the text is checked before anything is opened.
    std::string text = compose();
    if (text.size() > kMaxSettingsTextLength) {
        return Outcome(Status::Refused,
                       "The settings are too long for the camera: " + std::to_string(text.size()) +
                           " bytes, at most " + std::to_string(kMaxSettingsTextLength) +
                           " fit.\nNothing was written.");
    }

    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    const QFileInfo existing(name);
    // An existing file that could not be opened for writing is refused as such, even though
    // renaming over it would work.
    if (existing.exists() && (existing.isDir() || !existing.isWritable())) {
        return Outcome(Status::CannotOpen, path);
    }

    QSaveFile file(name);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Outcome(Status::CannotOpen, path);
    }

    ScrambleSettingsText(text.data(), text.size(), key);
    const auto length = static_cast<qint64>(text.size());
    // Until commit() the older file stays untouched; giving up removes the new one.
    const auto giveUp = [&](const std::string& reason) {
        file.cancelWriting();
        return Failure(path, reason);
    };
    errno = 0;
    const qint64 written = file.write(text.data(), length);
    if (written != length) {
        // A short write sets no error on the device; the system's reason is in errno.
        const int error = errno;
        if (file.error() != QFileDevice::NoError) {
            return giveUp(file.errorString().toStdString());
        }
        return giveUp(error != 0 ? ErrnoText(error)
                                 : std::to_string(std::max<qint64>(written, 0)) + " of " +
                                       std::to_string(length) + " bytes were written");
    }
    if (!file.flush()) {
        return giveUp(file.errorString().toStdString());
    }
    if (!SyncHandle(file.handle())) {
        return giveUp(ErrnoText(errno));
    }
    if (!file.commit()) {
        return Failure(path, file.errorString().toStdString());
    }
    if (const int error = SyncFolder(existing.absolutePath()); error != 0) {
        return Failure(path, ErrnoText(error));
    }

    // Read the file back: the name must now hold exactly the bytes just written.
    QFile readBack(name);
    if (!readBack.open(QIODevice::ReadOnly) ||
        readBack.readAll() != QByteArray(text.data(), static_cast<qsizetype>(length))) {
        return Failure(path, "the file read back differs from what was written");
    }
    return Outcome(Status::Written, kGeneratedMessage);
}

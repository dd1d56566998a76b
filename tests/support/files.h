#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>

#include <string>

#if !defined(_WIN32)
#include <csignal>

#include <sys/resource.h>
#include <unistd.h>
#endif

// A settings file's path as the program composes it: the chosen folder as it was chosen, the
// system's separator, the file's name.
inline QString InFolder(const QString& folder, const QString& name) {
    return folder + QDir::separator() + name;
}

// The folder a form starts with: the root of the system drive.
inline QString DefaultFolder() {
#if defined(_WIN32)
    return QStringLiteral("C:\\");
#else
    return QStringLiteral("/");
#endif
}

// Whole contents of a file; empty if it cannot be read.
inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

// The names in a folder, hidden ones and leftovers of an interrupted write included.
inline QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Everything in a folder, one level deep: each file's bytes, each link's target, each folder
// as such. Two equal snapshots mean nothing in the folder was added, removed or changed.
inline QMap<QString, QByteArray> FolderContents(const QString& folder) {
    QMap<QString, QByteArray> contents;
    for (const QString& name : FolderEntries(folder)) {
        const QFileInfo entry(QDir(folder).filePath(name));
        contents[name] = entry.isSymLink() ? "link to " + QFile::encodeName(entry.symLinkTarget())
                         : entry.isDir()   ? QByteArray("folder")
                                           : ReadFileBytes(entry.filePath());
    }
    return contents;
}

// Undoes the settings scrambling with the given key bytes.
template <class Key>
std::string Unscramble(const QByteArray& bytes, const Key& key) {
    std::string text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text += byte == 1 ? '\n'
                          : static_cast<char>(byte - key.bytes[static_cast<std::size_t>(i) % 10]);
    }
    return text;
}

#if !defined(_WIN32)
// While it lives, no file of this process may grow beyond `bytes`: a full medium, as far as
// the writer can tell. Writing past the limit fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}
#endif

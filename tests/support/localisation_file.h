#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "framework/localised_texts.h"
#include "tests/support/files.h"

// While it lives, dialogs take their localised texts from a file holding `contents`; afterwards
// there is no localisation file.
class ScopedLocalisationFile {
public:
    explicit ScopedLocalisationFile(const QByteArray& contents) {
        WriteFileBytes(Path(), contents);
        SetLocalisationFile(Path());
    }
    ~ScopedLocalisationFile() { SetLocalisationFile(QString()); }
    ScopedLocalisationFile(const ScopedLocalisationFile&) = delete;
    ScopedLocalisationFile& operator=(const ScopedLocalisationFile&) = delete;

    QString Path() const { return m_folder.filePath(QString::fromLatin1(kLocalisationFileName)); }

private:
    QTemporaryDir m_folder;
};

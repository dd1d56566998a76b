#pragma once

// The pictures of the program's own resources: the application icon and the caption buttons.
#include <QPixmap>
#include <QString>

// The picture at `path`, read once and then kept. All of them are PNG, and the reader is told so
// rather than left to guess, which would load every image-format plugin on the system just to
// ask each one whether it reads PNG.
QPixmap ResourcePicture(const QString& path);

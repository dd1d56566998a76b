#pragma once

// The pictures of the program's own resources: the application icon and the caption buttons.
#include <QImage>
#include <QPixmap>
#include <QString>

// The picture at `path`, read once and then kept. All of them are 24-bit BMP files stored
// uncompressed, so their rows are taken straight from where the resources hold them: no
// decompressing and no image reader. A picture stored otherwise is read by the toolkit's BMP
// reader; a missing one is a null picture.
QPixmap ResourcePicture(const QString& path);

// The pixels of the 24-bit uncompressed BMP file held in `data`, top row first, or a null image
// if the data is not such a file or is cut short.
QImage BitmapRows(const uchar* data, qint64 size);

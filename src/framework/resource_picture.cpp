#include "framework/resource_picture.h"

#include <QFile>
#include <QImageReader>
#include <QPixmapCache>

QPixmap ResourcePicture(const QString& path) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) {
        return picture;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return picture;
    }
    QImageReader reader(&file, "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, picture);
    return picture;
}

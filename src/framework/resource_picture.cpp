#include "framework/resource_picture.h"

#include <QImageReader>
#include <QPixmapCache>

QPixmap ResourcePicture(const QString& path) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) {
        return picture;
    }
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(path, picture);
    return picture;
}

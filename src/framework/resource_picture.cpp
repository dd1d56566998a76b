#include "framework/resource_picture.h"

#include <QImageReader>
#include <QPixmapCache>
#include <QResource>

#include <cstdint>

namespace {

std::uint32_t Word(const uchar* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8;
}

std::uint32_t DoubleWord(const uchar* at) {
    return Word(at) | Word(at + 2) << 16;
}

}  // namespace

QImage BitmapRows(const uchar* data, qint64 size) {
    constexpr qint64 kHeaders = 14 + 40;  // the file header and the info header
    constexpr int kLargest = 4096;
    if (data == nullptr || size < kHeaders || data[0] != 'B' || data[1] != 'M') {
        return {};
    }
    const std::uint32_t rowsAt = DoubleWord(data + 10);
    const std::uint32_t infoSize = DoubleWord(data + 14);
    const auto width = static_cast<std::int32_t>(DoubleWord(data + 18));
    const auto height = static_cast<std::int32_t>(DoubleWord(data + 22));
    const bool bottomUp = height > 0;
    const std::int64_t rows = bottomUp ? height : -static_cast<std::int64_t>(height);
    if (infoSize < 40 || Word(data + 26) != 1 || Word(data + 28) != 24 ||
        DoubleWord(data + 30) != 0 || width <= 0 || width > kLargest || rows <= 0 ||
        rows > kLargest) {
        return {};
    }
    const qint64 stride = (static_cast<qint64>(width) * 3 + 3) / 4 * 4;
    if (rowsAt < kHeaders || static_cast<qint64>(rowsAt) + stride * rows > size) {
        return {};
    }
    const QImage inPlace(data + rowsAt, width, static_cast<int>(rows),
                         static_cast<qsizetype>(stride), QImage::Format_BGR888);
    return bottomUp ? inPlace.mirrored() : inPlace.copy();
}

QPixmap ResourcePicture(const QString& path) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) {
        return picture;
    }
    const QResource resource(path);
    QImage image;
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        image = BitmapRows(resource.data(), resource.size());
    }
    if (image.isNull()) {
        QImageReader reader(path, "bmp");
        reader.setAutoDetectImageFormat(false);
        image = reader.read();
    }
    picture = QPixmap::fromImage(image);
    QPixmapCache::insert(path, picture);
    return picture;
}

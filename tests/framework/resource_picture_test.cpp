// The program's pictures read in place from the resources: the same pixels as the toolkit's own
// BMP reader gives, and nothing made of data that is not a whole 24-bit BMP file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QResource>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "framework/resource_picture.h"
#include "res/dialogs.h"

namespace {

// A 24-bit BMP file of `width` x `height` pixels, each row written top row first when `topDown`,
// each pixel coloured by where it stands.
QByteArray Bitmap(int width, int height, bool topDown) {
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray file(54 + stride * height, '\0');
    auto put = [&file](int at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file[at + i] = static_cast<char>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(topDown ? -height : height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < height; ++y) {
        const int row = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const int at = 54 + row * stride + x * 3;
            file[at] = static_cast<char>(10 * x);      // blue
            file[at + 1] = static_cast<char>(20 * y);  // green
            file[at + 2] = static_cast<char>(200);     // red
        }
    }
    return file;
}

QImage Rows(const QByteArray& file) {
    return BitmapRows(reinterpret_cast<const uchar*>(file.constData()), file.size());
}

}  // namespace

TEST(ResourcePicture, EveryPictureHasThePixelsTheToolkitsBmpReaderGives) {
    QStringList paths{QString::fromUtf8(res::kAppIconPath)};
    for (int number = 148; number <= 155; ++number) {
        paths << QStringLiteral(":/trailcam/caption_%1.bmp").arg(number);
    }
    for (const QString& path : paths) {
        const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << path.toStdString();
        // Stored as it is, so that it is read in place rather than by the toolkit's reader.
        const QResource resource(path);
        EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << path.toStdString();
        EXPECT_EQ(
            BitmapRows(resource.data(), resource.size()).convertToFormat(QImage::Format_RGB32),
            expected)
            << path.toStdString();
        const QImage picture =
            ResourcePicture(path).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture, expected) << path.toStdString();
    }
    EXPECT_TRUE(ResourcePicture(QStringLiteral(":/trailcam/no_such_picture.bmp")).isNull());
}

TEST(ResourcePicture, RowsStandTopRowFirstWhicheverWayTheFileHoldsThem) {
    for (const bool topDown : {false, true}) {
        const QImage image = Rows(Bitmap(5, 3, topDown));  // 15 bytes a row, padded to 16
        ASSERT_EQ(image.size(), QSize(5, 3)) << topDown;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(200, 0, 0)) << topDown;
        EXPECT_EQ(image.pixelColor(4, 2), QColor(200, 40, 40)) << topDown;
    }
}

TEST(ResourcePicture, DataThatIsNoWhole24BitBitmapGivesNoImage) {
    const QByteArray whole = Bitmap(4, 4, false);
    EXPECT_FALSE(Rows(whole).isNull());
    EXPECT_TRUE(Rows(whole.left(whole.size() - 1)).isNull());  // the last row cut short
    EXPECT_TRUE(Rows(whole.left(30)).isNull());                // the headers cut short
    QByteArray paletted = whole;
    paletted[28] = 8;
    EXPECT_TRUE(Rows(paletted).isNull());
    QByteArray compressed = whole;
    compressed[30] = 1;
    EXPECT_TRUE(Rows(compressed).isNull());
    QByteArray huge = whole;
    huge[21] = 0x7f;  // a width of about two thousand million pixels
    EXPECT_TRUE(Rows(huge).isNull());
    QByteArray rowsPastTheEnd = whole;
    rowsPastTheEnd[11] = 0x10;
    EXPECT_TRUE(Rows(rowsPastTheEnd).isNull());
    EXPECT_TRUE(BitmapRows(nullptr, 0).isNull());
}

#include "framework/dialog_font.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <map>

#include "framework/dialog_units.h"

namespace {

// Song faces, by the names under which systems install them: Windows' own, then Debian's
// "AR PL UMing" (fonts-arphic-uming), whose metrics are the same.
constexpr std::array<const char*, 7> kSongFaces{
    "SimSun",         "宋体",           "NSimSun",          "AR PL UMing CN",
    "AR PL UMing TW", "AR PL UMing HK", "AR PL SungtiL GB",
};

// From this size up a Song face is smoothed like any other.
constexpr int kSmoothFromPixels = 17;

// Faces tried, narrowest first, where no Song face is installed.
constexpr std::array<const char*, 10> kFallbackFaces{
    "Liberation Sans Narrow",
    "Arial Narrow",
    "Nimbus Sans Narrow",
    "DejaVu Sans Condensed",
    "Tahoma",
    "Microsoft Sans Serif",
    "Segoe UI",
    "Liberation Sans",
    "Arial",
    "DejaVu Sans",
};

// Whether `face` is among the installed `families`. Asking the font database for one name at a
// time would run the system's alias rules for every name asked, a millisecond each at start-up.
bool Installed(const QStringList& families, const QString& face) {
    return families.contains(face, Qt::CaseInsensitive);
}

// Whether the text goes through Qt's own FreeType engine, whose hinting a font may choose: on every
// platform but Windows' own, where GDI draws unless "fontengine=freetype" asks for FreeType.
// (Qt's offscreen platform draws with FreeType on Windows too.)
bool DrawnByFreeType() {
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() != QLatin1String("windows")) {
        return true;
    }
    const QString asked =
        qEnvironmentVariable("QT_QPA_PLATFORM") + QCoreApplication::arguments().join(u' ');
    return asked.contains(QLatin1String("fontengine=freetype"));
#else
    return true;
#endif
}

QFont FontOf(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    // The layouts were drawn for letters at their designed widths. Fully hinted, as Qt's FreeType
    // engine hints on Windows unless asked otherwise, a Song face's half-em letters round down to
    // whole pixels (6 instead of 6.5 at 13 pixels): the dialog units shrink by a seventh and the
    // captions no longer fit their places. Hinted only upright, as FreeType elsewhere hints by
    // default, they keep their widths. Windows' own engines are left to themselves: there this
    // wish would swap GDI for DirectWrite.
    if (DrawnByFreeType()) {
        font.setHintingPreference(QFont::PreferVerticalHinting);
    }
    return font;
}

// The base units of a Song face: half an em across, an em high, in whole pixels.
QSize SongBaseUnits(int pointSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    const int em = qRound(pointSize * dpi / 72.0);
    return {(em + 1) / 2, em};
}

QString ClosestFallback(const QStringList& families, int pointSize) {
    const QSize target = SongBaseUnits(pointSize);
    QString best;
    QString narrowest;
    QSize bestUnits;
    QSize narrowestUnits;
    for (const char* face : kFallbackFaces) {
        const QString family = QString::fromUtf8(face);
        if (!Installed(families, family)) {
            continue;
        }
        const DialogUnits units(FontOf(family, pointSize));
        const QSize base(units.BaseX(), units.BaseY());
        if (narrowest.isEmpty() || base.width() < narrowestUnits.width()) {
            narrowest = family;
            narrowestUnits = base;
        }
        const bool fits = base.width() <= target.width() && base.height() <= target.height();
        if (fits && (best.isEmpty() || base.width() > bestUnits.width() ||
                     (base.width() == bestUnits.width() && base.height() > bestUnits.height()))) {
            best = family;
            bestUnits = base;
        }
    }
    if (!best.isEmpty()) {
        return best;
    }
    return narrowest.isEmpty() ? QGuiApplication::font().family() : narrowest;
}

}  // namespace

bool IsSongFace(const QString& family) {
    return std::any_of(kSongFaces.begin(), kSongFaces.end(),
                       [&](const char* face) { return family == QString::fromUtf8(face); });
}

QString LayoutFaceFamily(int pointSize) {
    // Resolved once per size: the layouts use two sizes, and the installed faces do not change
    // while the program runs.
    static std::map<int, QString> resolved;
    if (const auto known = resolved.find(pointSize); known != resolved.end()) {
        return known->second;
    }
    const QStringList families = QFontDatabase::families();
    QString family;
    for (const char* face : kSongFaces) {
        if (Installed(families, QString::fromUtf8(face))) {
            family = QString::fromUtf8(face);
            break;
        }
    }
    if (family.isEmpty()) {
        family = ClosestFallback(families, pointSize);
    }
    resolved.emplace(pointSize, family);
    return family;
}

QFont LayoutFont(int pointSize) {
    const QString family = LayoutFaceFamily(pointSize);
    QFont font = FontOf(family, pointSize);
    // A Song face is drawn from its hinted outlines without smoothing at the sizes of the
    // layouts, as its makers set it up, which keeps its thin strokes black and whole.
    const bool song = IsSongFace(family);
    // Its em in pixels is reckoned from the points as the face itself would be, so the smooth
    // version of the face is never loaded just to be asked its size.
    if (song && SongBaseUnits(pointSize).height() < kSmoothFromPixels) {
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

DialogUnits LayoutUnits(int pointSize) {
    if (IsSongFace(LayoutFaceFamily(pointSize))) {
        const QSize base = SongBaseUnits(pointSize);
        return DialogUnits(base.width(), base.height());
    }
    return DialogUnits(LayoutFont(pointSize));
}

QString ArialFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& face : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}) {
            if (Installed(families, face)) {
                return face;
            }
        }
        return QStringLiteral("Arial");
    }();
    return family;
}

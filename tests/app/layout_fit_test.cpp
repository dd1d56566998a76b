// Every window at the size its layout was drawn for: the layouts are measured in dialog units of
// a Song face, so with one installed the windows come out at their drawn sizes, and no control's
// text is wider or higher than the room its control gives it, nor laid out otherwise than the text
// shaper would lay it out.
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <QTranslator>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "framework/dialog_font.h"
#include "skin/skin_frame.h"
#include "tests/support/every_window.h"
#include "tests/support/localisation_file.h"

namespace {

// The room a control gives its text, and the texts it may show there.
struct Room {
    QRect rect;
    QStringList texts;
};

Room RoomOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return {label->contentsRect(), {label->text()}};
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        return {list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, list),
                items};
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return {edit->contentsRect() - edit->textMargins(), {edit->text()}};
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        return {button->rect().adjusted(2, 2, -2, -2), {button->text()}};
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return {group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                               QStyle::SC_GroupBoxLabel, group),
                {group->title()}};
    }
    return {};
}

// Where the ink of `text` in `font` ends, from the pen's start: the last column of pixels the
// text paints, which the metrics' boxes only estimate.
int InkEnd(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 2 * metrics.maxWidth(), metrics.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(QPoint(metrics.maxWidth(), metrics.ascent()), text);
    }
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return x - metrics.maxWidth();
            }
        }
    }
    return 0;
}

using EveryLayout = ShownWindow;

// Every text of `window` fits the room its control gives it. A label takes the room up to the
// control it names, where that stands to its right, and no more; so no text runs into another
// control further than the drawn layout has it.
void ExpectEveryTextFits(const CDialog& window) {
    const auto& layout = window.Layout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        QWidget* control = window.Controls()[i];
        const Room room = RoomOf(control);
        const QFontMetrics metrics(control->font());
        // A control that starts to the right of a label's text, in its row, covers what runs
        // into it: the letters' ink must end before it.
        int neighbour = std::numeric_limits<int>::max();
        const auto* label = qobject_cast<QLabel*>(control);
        if (label != nullptr && (label->alignment() & Qt::AlignLeft)) {
            const QRect place = control->geometry();
            for (QWidget* other : window.Controls()) {
                const QRect beside = other->geometry();
                if (other != control && other->parentWidget() == control->parentWidget() &&
                    !other->isHidden() && qobject_cast<QGroupBox*>(other) == nullptr &&
                    beside.left() > place.left() && beside.top() <= place.bottom() &&
                    beside.bottom() >= place.top()) {
                    neighbour = std::min(neighbour, beside.left() - place.left());
                }
            }
        }
        for (const QString& text : room.texts) {
            if (text.isEmpty()) {
                continue;
            }
            const QSize need = metrics.size(Qt::TextShowMnemonic, text);
            EXPECT_LE(need.width(), room.rect.width())
                << layout[i].id << " \"" << text.toStdString() << "\"";
            EXPECT_LE(metrics.ascent() + metrics.descent(), room.rect.height())
                << layout[i].id << " \"" << text.toStdString() << "\"";
            EXPECT_LT(room.rect.left() + InkEnd(control->font(), text), neighbour)
                << layout[i].id << " \"" << text.toStdString() << "\" runs under the control beside it";
        }
    }
}

TEST_P(EveryLayout, NoTextIsClippedByItsControl) {
    ExpectEveryTextFits(*window);
}

// Every window in every language the program speaks: each translated text fits its place at
// the drawn layout, in the layout's Song face; no control moves for it.
class EveryLanguage : public testing::TestWithParam<std::tuple<Window, const char*>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_translator.load(
            QStringLiteral(":/i18n/trailcam_%1.qm").arg(QLatin1String(std::get<1>(GetParam())))));
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

    QTranslator m_translator;
    FakePlatform platform;
};

TEST_P(EveryLanguage, EveryTextFitsItsPlace) {
    const std::unique_ptr<CDialog> window = std::get<0>(GetParam()).make();
    window->Create();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->ClientArea()->size(), std::get<0>(GetParam()).drawn);
    ExpectEveryTextFits(*window);
    window->close();
}

INSTANTIATE_TEST_SUITE_P(Translated, EveryLanguage,
                         testing::Combine(testing::ValuesIn(kEveryWindow),
                                          testing::Values("de", "es", "fr", "it", "nl", "pl", "pt",
                                                          "ru", "zh_CN")),
                         [](const testing::TestParamInfo<std::tuple<Window, const char*>>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param);
                         });

TEST_P(EveryLayout, ComesOutAtItsDrawnSizeInASongFace) {
    const QFontInfo face(window->font());
    ASSERT_TRUE(face.family().startsWith(QStringLiteral("AR PL UMing")) ||
                face.family() == QStringLiteral("SimSun"))
        << face.family().toStdString() << ": fonts-arphic-uming is not installed";
    const QSize client = window->ClientArea()->size();
    EXPECT_EQ(client.width(), GetParam().drawn.width());
    EXPECT_EQ(client.height(), GetParam().drawn.height());
}

// The glyphs of `text` in `font` and where they lie on its line.
std::vector<std::pair<quint32, QPointF>> GlyphsOf(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<std::pair<quint32, QPointF>> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            glyphs.emplace_back(indexes[i], positions[i]);
        }
    }
    return glyphs;
}

// Every text `dialog` shows, in the font it is drawn in.
std::vector<std::pair<QFont, QString>> DrawnTexts(const CDialog& dialog) {
    std::vector<std::pair<QFont, QString>> drawn;
    if (dialog.IsSkinned()) {
        drawn.emplace_back(CSkinFrame::TitleFont(dialog.windowTitle()), dialog.windowTitle());
    }
    for (QWidget* control : dialog.Controls()) {
        for (const QString& text : RoomOf(control).texts) {
            drawn.emplace_back(control->font(), text);
        }
    }
    return drawn;
}

// Some texts are laid out without the text shaper; every text a window shows, in its own words
// and in the example German ones, must still come out in the glyphs and places the shaper gives
// it, and so must a title of letters that join (Arabic) or combine (an accent after its letter).
TEST_P(EveryLayout, TextsLieWhereTheShaperWouldPutThem) {
    std::vector<std::pair<QFont, QString>> drawn = DrawnTexts(*window);
    ASSERT_FALSE(drawn.empty());
    if (GetParam().skinned) {
        for (const QString& title : {QStringLiteral(u"\u0625\u0639\u062f\u0627\u062f\u0627\u062a"),
                                     QStringLiteral(u"Re\u0301glages")}) {
            drawn.emplace_back(CSkinFrame::TitleFont(title), title);
        }
    }
    {
        QFile german(QStringLiteral(TRAILCAM_EXAMPLE_TEXTS));
        ASSERT_TRUE(german.open(QIODevice::ReadOnly));
        const ScopedLocalisationFile texts(german.readAll());
        const std::unique_ptr<CDialog> localised = GetParam().make();
        localised->Create();
        // The example that users copy fits as the translations do.
        ExpectEveryTextFits(*localised);
        for (auto& text : DrawnTexts(*localised)) {
            drawn.push_back(std::move(text));
        }
    }
    for (const auto& [font, text] : drawn) {
        QFont shaped = font;
        shaped.setStyleStrategy(
            QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
        EXPECT_EQ(GlyphsOf(text, font), GlyphsOf(text, shaped))
            << QFontInfo(font).family().toStdString() << " \"" << text.toStdString() << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(DesktopFit, EveryLayout, testing::ValuesIn(kEveryWindow), WindowName);

}  // namespace

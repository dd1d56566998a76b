#include "core/settings_lines.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

#include "core/settings_file_reader.h"
#include "core/settings_lines_fit.h"
#include "core/settings_text.h"
#include "tests/support/files.h"

namespace {

// A small file of one line of each shape, and the form that shows it.
struct Sample {
    int number = 0;
    std::string text;
    std::array<char, 2> characters{};
    int hours = 0;
    int minutes = 0;
    int shownOnly = 0;
};

using Shape = LineShape;
using K = res::ControlKind;
constexpr std::array<std::string_view, 2> kItems{"A", "B"};
constexpr std::array<res::ControlTemplate, 10> kControls{{
    {10, K::Label, "Number", 0, 0, 10, 8, {}, res::kNoFlags, 11},
    {11, K::DropDownList, "", 10, 0, 10, 8, res::ListItems{kItems}},
    {12, K::Label, "Text", 0, 10, 10, 8, {}, res::kNoFlags, 13},
    {13, K::Edit, "", 10, 10, 10, 8},
    {14, K::DropDownList, "", 10, 20, 10, 8, res::ListItems{kItems}},
    {15, K::DropDownList, "", 20, 20, 10, 8, res::ListItems{kItems}},
    {16, K::DropDownList, "", 10, 30, 10, 8, res::Numbers(0, 23)},
    {17, K::DropDownList, "", 20, 30, 10, 8, res::Numbers(0, 59)},
    {18, K::DropDownList, "", 10, 40, 10, 8, res::ListItems{kItems}},
    {19, K::Edit, "", 10, 50, 10, 8},  // the target folder
}};
constexpr res::DialogTemplate kLayout{900, "Sample", 40, 60, 9, kControls};

constexpr std::array<SettingsLine<Sample>, 4> kLines{{
    {"NUM", Shape::Position, 10, {List(11, &Field<&Sample::number>)}},
    {"TXT", Shape::Text, 12, {Edit(13, &Field<&Sample::text>)}},
    {"CHR",
     Shape::Characters,
     10,
     {List(14, &Field<&Sample::characters, 0>), List(15, &Field<&Sample::characters, 1>)}},
    {"TIM",
     Shape::Times,
     12,
     {List(16, &Field<&Sample::hours>), List(17, &Field<&Sample::minutes>)}},
}};
constexpr std::array<SettingsLine<Sample>, 1> kShownOnly{{
    {{}, Shape::Position, 10, {List(18, &Field<&Sample::shownOnly>)}},
}};

// The lines are held against the layout at compile time: a list or edit that holds a value and is
// named by no line or by two, a field in a control of the wrong kind, a line without a label.
static_assert(LinesFitLayout<Sample>(kLayout, kLines, kShownOnly, 19));
static_assert(!LinesFitLayout<Sample>(kLayout, kLines, {}, 19));
static_assert(!LinesFitLayout<Sample>(kLayout, kLines, kShownOnly, 0));
constexpr std::array<SettingsLine<Sample>, 2> kTwice{{kShownOnly[0], kShownOnly[0]}};
static_assert(!LinesFitLayout<Sample>(kLayout, kLines, kTwice, 19));
constexpr std::array<SettingsLine<Sample>, 1> kTextInAList{{
    {{}, Shape::Text, 10, {Edit(18, &Field<&Sample::text>)}},
}};
static_assert(!LinesFitLayout<Sample>(kLayout, kLines, kTextInAList, 19));
constexpr std::array<SettingsLine<Sample>, 1> kNoLabel{{
    {{}, Shape::Position, 11, {List(18, &Field<&Sample::shownOnly>)}},
}};
static_assert(!LinesFitLayout<Sample>(kLayout, kLines, kNoLabel, 19));

std::optional<ReadProblem> ProblemOf(std::string_view text) {
    const ReadFrom<Sample> read = ParseSettingsText(text, Sample{}, kLines);
    return read ? std::nullopt : std::optional<ReadProblem>(read.Reason());
}

TEST(SettingsTextReader, ReadsWhatTheWriterWrote) {
    const Sample written{120, "a=b c", {'X', '7'}, 9, 45, 1};
    const std::string text = ComposeSettingsText(written, kLines);
    EXPECT_EQ(text, "NUM=120\nTXT=a=b c\nCHR=X7\nTIM=09:45\n");

    const ReadFrom<Sample> read = ParseSettingsText(text, Sample{}, kLines);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->number, 120);
    EXPECT_EQ(read->text, "a=b c");
    EXPECT_EQ(read->characters, (std::array<char, 2>{'X', '7'}));
    EXPECT_EQ(read->hours, 9);
    EXPECT_EQ(read->minutes, 45);
    // What only the form shows is not in the file.
    EXPECT_EQ(read->shownOnly, 0);
}

TEST(SettingsTextWriter, WritesTimesInTwoDigitsAtLeast) {
    const std::array<std::pair<std::array<int, 2>, std::string>, 4> cases{{
        {{0, 10}, "TIM=00:10\n"},
        {{23, 59}, "TIM=23:59\n"},
        {{100, 7}, "TIM=100:07\n"},
        {{-5, -12}, "TIM=-5:-12\n"},
    }};
    for (auto [values, line] : cases) {
        Sample sample;
        sample.hours = values[0];
        sample.minutes = values[1];
        const std::string text = ComposeSettingsText(sample, kLines);
        EXPECT_EQ(text.substr(text.find("TIM=")), line);
    }
}

TEST(SettingsTextReader, NamesTheFirstLineThatIsNotWhatTheWriterMakes) {
    using Kind = ReadProblem::Kind;
    const std::string tail = "CHR=X7\nTIM=09:45\n";
    const std::array<std::pair<std::string, ReadProblem>, 14> cases{{
        {"", {Kind::Empty}},
        {std::string(3000, 'x'), {Kind::TextTooLong, {}, 0, {}, {}, 3000}},
        {"NUM=1\n", {Kind::EndOfText, {}, 2, "TXT"}},
        {"NUM=1\nTEXT=a\n" + tail, {Kind::WrongKey, {}, 2, "TXT", "TEXT"}},
        {"NUM=1\nno equals sign\n", {Kind::WrongKey, {}, 2, "TXT", "no equals sign"}},
        {"\x81\x02=1\n", {Kind::WrongKey, {}, 1, "NUM", "\x81\x02"}},
        {"NUM=1\nTXT=a\nCHR=X7\nTIM=09:4", {Kind::NoLineEnd, {}, 4, "TIM"}},
        {"NUM=1\nTXT=tab\there\n", {Kind::NotPrintable, {}, 2, "TXT", "tab\there"}},
        {"NUM=007\n", {Kind::NotANumber, {}, 1, "NUM", "007"}},
        {"NUM=-1\n", {Kind::NotANumber, {}, 1, "NUM", "-1"}},
        {"NUM=1234567890\n", {Kind::NumberOutOfRange, {}, 1, "NUM", "1234567890"}},
        {"NUM=1\nTXT=\nCHR=X\n", {Kind::WrongCharacters, {}, 3, "CHR", "X", 2}},
        {"NUM=1\nTXT=\nCHR=X7\nTIM=9:45\n", {Kind::WrongTimes, {}, 4, "TIM", "9:45", 2}},
        {"NUM=1\nTXT=\n" + tail + "MORE=1\n", {Kind::MoreText, {}, 5, {}, "MORE=1"}},
    }};
    for (const auto& [text, problem] : cases) {
        EXPECT_EQ(ProblemOf(text), problem) << text;
    }
}

TEST(ReadSettingsText, UnscramblesTheFileOrSaysWhyItCannot) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("Set.dat")).toStdString();
    std::string bytes = "NUM=1\n";
    ScrambleSettingsText(bytes.data(), bytes.size(), kMmsScrambleKey);
    WriteFileBytes(QString::fromStdString(path), QByteArray::fromStdString(bytes));
    const ReadFrom<std::string> text = ReadSettingsText(path, kMmsScrambleKey);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "NUM=1\n");

    using Kind = ReadProblem::Kind;
    const auto unreadable = [](std::errc error) {
        return ReadProblem{Kind::Unreadable, std::make_error_code(error)};
    };
    EXPECT_EQ(ReadSettingsText(path + ".missing", kMmsScrambleKey).Reason(),
              unreadable(std::errc::no_such_file_or_directory));
    // Windows refuses to open a folder as a file without saying more.
#if defined(_WIN32)
    EXPECT_EQ(ReadSettingsText(dir.path().toStdString(), kMmsScrambleKey).Reason(),
              unreadable(std::errc::permission_denied));
#else
    EXPECT_EQ(ReadSettingsText(dir.path().toStdString(), kMmsScrambleKey).Reason(),
              unreadable(std::errc::is_a_directory));
#endif
    WriteFileBytes(QString::fromStdString(path), QByteArray(kSettingsTextCapacity, 'x'));
    EXPECT_EQ(ReadSettingsText(path, kMmsScrambleKey).Reason(), ReadProblem{Kind::FileTooLong});
}

}  // namespace

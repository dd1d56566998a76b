#include "core/settings_lines.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

#include "core/settings_file_reader.h"
#include "core/settings_text.h"
#include "tests/support/files.h"

namespace {

// A small file of one line of each kind.
struct Sample {
    int number = 0;
    std::string text;
    std::array<char, 2> characters{};
    int hours = 0;
    int minutes = 0;

    void Walk(SettingsLines& lines) {
        lines.Number("NUM", number);
        lines.Text("TXT", text);
        lines.Characters("CHR", characters);
        lines.Times("TIM", std::array{&hours, &minutes});
    }
};

std::optional<std::string> ProblemOf(std::string_view text) {
    SettingsTextReader reader(text);
    Sample sample;
    sample.Walk(reader);
    return reader.Problem();
}

TEST(SettingsTextReader, ReadsWhatTheWriterWrote) {
    Sample written{120, "a=b c", {'X', '7'}, 9, 45};
    SettingsTextWriter writer;
    written.Walk(writer);
    EXPECT_EQ(writer.Composed(), "NUM=120\nTXT=a=b c\nCHR=X7\nTIM=09:45\n");

    SettingsTextReader reader(writer.Composed());
    Sample read;
    read.Walk(reader);
    EXPECT_EQ(reader.Problem(), std::nullopt);
    EXPECT_EQ(read.number, 120);
    EXPECT_EQ(read.text, "a=b c");
    EXPECT_EQ(read.characters, (std::array<char, 2>{'X', '7'}));
    EXPECT_EQ(read.hours, 9);
    EXPECT_EQ(read.minutes, 45);
}

TEST(SettingsTextWriter, WritesTimesInTwoDigitsAtLeast) {
    const std::array<std::pair<std::array<int, 2>, std::string>, 4> cases{{
        {{0, 10}, "TIM=00:10\n"},
        {{23, 59}, "TIM=23:59\n"},
        {{100, 7}, "TIM=100:07\n"},
        {{-5, -12}, "TIM=-5:-12\n"},
    }};
    for (auto [values, line] : cases) {
        SettingsTextWriter writer;
        writer.Times("TIM", std::array{&values[0], &values[1]});
        EXPECT_EQ(writer.Composed(), line);
    }
}

TEST(SettingsTextReader, NamesTheFirstLineThatIsNotWhatTheWriterMakes) {
    const std::string tail = "CHR=X7\nTIM=09:45\n";
    const std::array<std::pair<std::string, std::string>, 14> cases{{
        {"", "it is empty"},
        {std::string(3000, 'x'),
         "the settings are 3000 bytes long; a settings file holds at most 2999"},
        {"NUM=1\n", "line 2: expected key TXT, found the end of the text"},
        {"NUM=1\nTEXT=a\n" + tail, "line 2: expected key TXT, found \"TEXT\""},
        {"NUM=1\nno equals sign\n", "line 2: expected key TXT, found \"no equals sign\""},
        {"\x81\x02=1\n", "line 1: expected key NUM, found \"\\x81\\x02\""},
        {"NUM=1\nTXT=a\nCHR=X7\nTIM=09:4", "line 4: TIM has no line end: the text is cut short"},
        {"NUM=1\nTXT=tab\there\n",
         "line 2: the value of TXT holds a byte outside printable "
         "ASCII: \"tab\\x09here\""},
        {"NUM=007\n", "line 1: expected a number for NUM, found \"007\""},
        {"NUM=-1\n", "line 1: expected a number for NUM, found \"-1\""},
        {"NUM=1234567890\n", "line 1: the number for NUM is out of range, found \"1234567890\""},
        {"NUM=1\nTXT=\nCHR=X\n", "line 3: expected 2 characters for CHR, found \"X\""},
        {"NUM=1\nTXT=\n"
         "CHR=X7\nTIM=9:45\n",
         "line 4: expected hh:mm for TIM, found \"9:45\""},
        {"NUM=1\nTXT=\n" + tail + "MORE=1\n",
         "line 5: expected the end of the text, found \"MORE=1\""},
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
    const Parsed<std::string> text = ReadSettingsText(path, kMmsScrambleKey);
    ASSERT_TRUE(text) << text.Reason();
    EXPECT_EQ(*text, "NUM=1\n");

    EXPECT_EQ(ReadSettingsText(path + ".missing", kMmsScrambleKey).Reason(),
              "it cannot be read: No such file or directory");
    // Windows refuses to open a folder as a file without saying more.
#if defined(_WIN32)
    EXPECT_EQ(ReadSettingsText(dir.path().toStdString(), kMmsScrambleKey).Reason(),
              "it cannot be read: Permission denied");
#else
    EXPECT_EQ(ReadSettingsText(dir.path().toStdString(), kMmsScrambleKey).Reason(),
              "it cannot be read: Is a directory");
#endif
    WriteFileBytes(QString::fromStdString(path), QByteArray(kSettingsTextCapacity, 'x'));
    EXPECT_EQ(ReadSettingsText(path, kMmsScrambleKey).Reason(),
              "it is longer than the 2999 bytes a settings file holds");
}

}  // namespace

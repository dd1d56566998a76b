#include "core/profile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

class ProfileTest : public testing::Test {
protected:
    // Writes `bytes` as the INI file and looks `key` up in its section "String".
    std::string Lookup(const std::string& bytes, std::string_view key) {
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out << bytes;
        }
        return ReadProfileString(file, "String", key);
    }

    QTemporaryDir folder;
    std::filesystem::path file = folder.filePath("texts.ini").toStdString();
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesNothing) {
    EXPECT_EQ(ReadProfileString(file, "String", "IDD105_Title"), "");
    EXPECT_EQ(ReadProfileString(folder.path().toStdString(), "String", "IDD105_Title"), "");
    EXPECT_EQ(Lookup("IDD105_Title=Outside\n[Other]\nIDD105_Title=Other\n", "IDD105_Title"), "");
    EXPECT_EQ(Lookup("[String]\nIDD105_1076=Modus\n", "IDD105_Title"), "");
    EXPECT_EQ(Lookup("[String]\nIDD105_Title=\n", "IDD105_Title"), "");
    EXPECT_EQ(Lookup("[String]\nIDD105_Title\n", "IDD105_Title"), "");
    EXPECT_EQ(Lookup("[String]\n=Nameless\n", ""), "");
}

TEST_F(ProfileTest, NamesMatchInAnyCaseWithBlanksAroundThem) {
    const std::string ini =
        "  [ sTRING ]  \n"
        "\t idd105_title \t=\t  MMS-Einstellungen  \t\n"
        "IDD105_1076=Modus = Auto\n";
    EXPECT_EQ(Lookup(ini, "IDD105_Title"), "MMS-Einstellungen");
    EXPECT_EQ(Lookup(ini, " IDD105_TITLE "), "MMS-Einstellungen");
    EXPECT_EQ(Lookup(ini, "IDD105_1076"), "Modus = Auto");
}

TEST_F(ProfileTest, CommentsAndOtherSectionsAreNotRead) {
    const std::string ini =
        "[String]\n"
        "; IDD105_Title=Commented\n"
        "  ;IDD105_1076=Commented\n"
        "[Strings]\n"
        "IDD105_1076=Other section\n"
        "[String\n"
        "IDD105_1078=Still in Strings\n"
        "[String]\n"
        "IDD105_Title=Found\n";
    EXPECT_EQ(Lookup(ini, "IDD105_Title"), "Found");
    EXPECT_EQ(Lookup(ini, "IDD105_1076"), "");
    EXPECT_EQ(Lookup(ini, "IDD105_1078"), "");
}

TEST_F(ProfileTest, FirstMatchWinsOverRepeatedKeysAndSections) {
    const std::string ini =
        "[String]\n"
        "IDD105_Title=First\n"
        "IDD105_Title=Second\n"
        "IDD105_1076=\n"
        "IDD105_1076=Never reached\n"
        "[String]\n"
        "IDD105_Title=Third\n"
        "IDD105_1078=Only in the second\n";
    EXPECT_EQ(Lookup(ini, "IDD105_Title"), "First");
    EXPECT_EQ(Lookup(ini, "IDD105_1076"), "");
    EXPECT_EQ(Lookup(ini, "IDD105_1078"), "Only in the second");
}

TEST_F(ProfileTest, OnePairOfMatchingQuotesIsRemoved) {
    const std::string ini =
        "[String]\n"
        "double = \"  kept blanks  \"\n"
        "single='single'\n"
        "mixed=\"mixed'\n"
        "inner=\"\"twice\"\"\n"
        "empty=\"\"\n"
        "lone=\"\n";
    EXPECT_EQ(Lookup(ini, "double"), "  kept blanks  ");
    EXPECT_EQ(Lookup(ini, "single"), "single");
    EXPECT_EQ(Lookup(ini, "mixed"), "\"mixed'");
    EXPECT_EQ(Lookup(ini, "inner"), "\"twice\"");
    EXPECT_EQ(Lookup(ini, "empty"), "");
    EXPECT_EQ(Lookup(ini, "lone"), "\"");
}

TEST_F(ProfileTest, ValuesAreCutTo999CharactersNeverInsideOne) {
    const std::string exact(999, 'x');
    EXPECT_EQ(Lookup("[String]\nkey=" + exact + "\n", "key"), exact);
    EXPECT_EQ(Lookup("[String]\nkey=" + std::string(1200, 'y') + "\n", "key"),
              std::string(999, 'y'));

    std::string umlauts;
    for (int i = 0; i < 1200; ++i) {
        umlauts += "\xC3\xA4";  // ä, two bytes each
    }
    const std::string cut = Lookup("[String]\nkey=" + umlauts + "\n", "key");
    EXPECT_EQ(cut, umlauts.substr(0, 999 * 2));
    // Quotes come off before the cut, so they do not count.
    EXPECT_EQ(Lookup("[String]\nkey=\"" + exact + "z\"\n", "key"), exact);
}

TEST_F(ProfileTest, EveryKindOfLineEndIsALineEnd) {
    EXPECT_EQ(Lookup("[String]\r\na=CRLF\r\nb=last\r\n", "a"), "CRLF");
    EXPECT_EQ(Lookup("[String]\r\na=CRLF\r\nb=last\r\n", "b"), "last");
    EXPECT_EQ(Lookup("[String]\ra=CR\rb=last", "a"), "CR");
    EXPECT_EQ(Lookup("[String]\ra=CR\rb=last", "b"), "last");
    EXPECT_EQ(Lookup("[String]\nb=no final line break", "b"), "no final line break");
    EXPECT_EQ(Lookup("\xEF\xBB\xBF[String]\nb=after a byte-order mark\n", "b"),
              "after a byte-order mark");
}

TEST_F(ProfileTest, GarbageAroundTheEntriesChangesNothingElse) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    }
    const std::string ini = garbage + "\n[String]\n" + garbage + "\nIDD105_Title=Title\n" +
                            std::string(1 << 19, '#') + "\n" + std::string("nul=be\0fore\n", 12) +
                            std::string("IDD105\0_1076=hidden\n", 20) + garbage;
    EXPECT_EQ(Lookup(ini, "IDD105_Title"), "Title");
    EXPECT_EQ(Lookup(ini, "nul"), "be");
    EXPECT_EQ(Lookup(ini, "IDD105_1076"), "");
    EXPECT_EQ(Lookup(std::string(5000, '\0'), "IDD105_Title"), "");
    EXPECT_EQ(Lookup("[String]\nkey=\xFF\xC3", "key"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(ProfileTest, OnlyTheFirstMebibyteOfARegularFileIsRead) {
    const std::string head = "[String]\nfirst=kept\n";
    const std::string last = "\nlast=cut\n";
    const std::string filler(kProfileFileMaxBytes - head.size() - last.size(), '\n');
    EXPECT_EQ(Lookup(head + filler + last, "last"), "cut");
    // One byte more, and the line the limit cuts is not read, not even in part.
    EXPECT_EQ(Lookup(head + filler + "x" + last, "last"), "");
    EXPECT_EQ(Lookup(head + filler + "x" + last, "first"), "kept");
    EXPECT_EQ(Lookup(head + filler + "\n" + last, "last"), "");
}

#if !defined(_WIN32)
TEST_F(ProfileTest, APipeOrADeviceReadsAsMissingWithoutWaiting) {
    const std::filesystem::path pipe = folder.filePath("pipe.ini").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileString(pipe, "String", "IDD105_Title"), "");
    EXPECT_EQ(ReadProfileString("/dev/zero", "String", "IDD105_Title"), "");
}
#endif

TEST(ToValidUtf8, KeepsValidCharactersAndReplacesEveryBrokenByte) {
    EXPECT_EQ(ToValidUtf8("Grüße \xE2\x82\xAC \xF0\x9F\x93\xB7", 100),
              "Grüße \xE2\x82\xAC \xF0\x9F\x93\xB7");
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(ToValidUtf8("\xC0\xAF", 100), replacement + replacement);  // overlong '/'
    EXPECT_EQ(ToValidUtf8("\xED\xA0\x80", 100), replacement + replacement + replacement);
    const std::string four = replacement + replacement + replacement + replacement;
    EXPECT_EQ(ToValidUtf8("\xF4\x90\x80\x80", 100), four);                      // above U+10FFFF
    EXPECT_EQ(ToValidUtf8("a\xE2\x82", 100), "a" + replacement + replacement);  // cut short
    EXPECT_EQ(ToValidUtf8("\xF0\x9F\x93\xB7x", 1), "\xF0\x9F\x93\xB7");
    EXPECT_EQ(ToValidUtf8("abc", 0), "");
}

}  // namespace

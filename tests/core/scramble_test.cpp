#include "core/scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Scrambled(std::string text, const ScrambleKey& key = kCameraScrambleKey) {
    ScrambleSettingsText(text.data(), text.size(), key);
    return text;
}

TEST(ScrambleKey, TablesHoldTheirTenBytes) {
    EXPECT_EQ(kCameraScrambleKey.bytes,
              (std::array<std::uint8_t, 10>{27, 15, 44, 31, 12, 38, 25, 47, 18, 29}));
    EXPECT_EQ(kMmsScrambleKey.bytes,
              (std::array<std::uint8_t, 10>{41, 19, 23, 52, 14, 35, 28, 11, 46, 20}));
    EXPECT_EQ(kSmtpScrambleKey.bytes,
              (std::array<std::uint8_t, 10>{13, 49, 30, 17, 42, 24, 53, 36, 21, 45}));
}

TEST(ScrambleSettingsText, AddsTheKeyByPositionAndMarksLineEnds) {
    // "MODE=0\n" then "PRES": M+27, O+15, D+44, E+31, =+12, 0+38, line end, P+47, R+18, E+29.
    EXPECT_EQ(Scrambled("MODE=0\nPRE"),
              "h^pdIV\x01\x7f"
              "db");
}

TEST(ScrambleSettingsText, KeyPositionRunsOnAcrossLinesAndWraps) {
    // Byte 10 takes key byte 0 again; the line feed at 1 used up key byte 1.
    const std::string text = "A\nBBBBBBBBBC";
    const std::string out = Scrambled(text);
    EXPECT_EQ(static_cast<unsigned char>(out[0]), 'A' + 27);
    EXPECT_EQ(out[1], '\x01');
    EXPECT_EQ(static_cast<unsigned char>(out[2]), 'B' + 44);
    EXPECT_EQ(static_cast<unsigned char>(out[10]), 'B' + 27);
    EXPECT_EQ(static_cast<unsigned char>(out[11]), 'C' + 15);
}

TEST(ScrambleSettingsText, AdditionWrapsAtEightBits) {
    const std::string out = Scrambled("\xF0\xFF", kSmtpScrambleKey);
    EXPECT_EQ(static_cast<unsigned char>(out[0]), (0xF0 + 13) % 256);
    EXPECT_EQ(static_cast<unsigned char>(out[1]), (0xFF + 49) % 256);
}

TEST(ScrambleSettingsText, SevenBitTextGivesLineMarksOnlyForLineFeeds) {
    std::string text;
    for (int c = 0x20; c < 0x7F; ++c) {
        text += static_cast<char>(c);
        if (c % 7 == 0) {
            text += '\n';
        }
    }
    for (const ScrambleKey& key : {kCameraScrambleKey, kMmsScrambleKey, kSmtpScrambleKey}) {
        const std::string out = Scrambled(text, key);
        ASSERT_EQ(out.size(), text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            EXPECT_EQ(out[i] == '\x01', text[i] == '\n') << "at " << i;
            EXPECT_NE(out[i], '\0') << "at " << i;
        }
    }
}

TEST(ScrambleSettingsText, OutputBeforeADifferenceIsTheSame) {
    const std::string a = Scrambled("MODE=0\nPRES=2\n");
    const std::string b = Scrambled("MODE=0\nPRES=1\n");
    EXPECT_EQ(a.substr(0, 12), b.substr(0, 12));
    EXPECT_NE(a[12], b[12]);
}

TEST(ScrambleSettingsText, StoresZeroAfterTheText) {
    char buffer[] = {'A', 'B', 'x', 'y'};
    EXPECT_TRUE(ScrambleSettingsText(buffer, 2, kCameraScrambleKey));
    EXPECT_EQ(buffer[2], '\0');
    EXPECT_EQ(buffer[3], 'y');
}

TEST(ScrambleSettingsText, EmptyTextIsRefusedAndUntouched) {
    char buffer[] = {'Q', 'R'};
    EXPECT_FALSE(ScrambleSettingsText(buffer, 0, kCameraScrambleKey));
    EXPECT_EQ(buffer[0], 'Q');
    EXPECT_EQ(buffer[1], 'R');
}

TEST(UnscrambleSettingsText, UndoesScramblingForEveryPrintableCharacterAtEveryKeyPosition) {
    std::string text;
    for (int shift = 0; shift < 10; ++shift) {  // each character meets each key byte
        for (int c = 0x20; c < 0x7F; ++c) {
            text += static_cast<char>(c);
        }
        text += '\n';
    }
    for (const ScrambleKey& key : {kCameraScrambleKey, kMmsScrambleKey, kSmtpScrambleKey}) {
        EXPECT_EQ(UnscrambleSettingsText(Scrambled(text, key), key), text);
    }
    EXPECT_EQ(UnscrambleSettingsText("", kCameraScrambleKey), "");
}

}  // namespace

#include "core/settings_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AppendSettingsLine, FormatsBehindWhatIsThere) {
    std::string text = "MODE=0\n";
    AppendSettingsLine(text, "PINVT=%02d:%02d\n", 1, 30);
    AppendSettingsLine(text, "CLK=%s\n", "06-12-2026 14:05:09");
    EXPECT_EQ(text, "MODE=0\nPINVT=01:30\nCLK=06-12-2026 14:05:09\n");
}

TEST(AppendSettingsLine, LongValuesAreKeptWhole) {
    std::string text;
    const std::string value(4000, 'v');
    AppendSettingsLine(text, "URL=%s\n", value.c_str());
    EXPECT_EQ(text, "URL=" + value + "\n");
}

}  // namespace

#include "core/clock_text.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace {

TEST(FormatClockText, EachDateOrderHasItsLayout) {
    const std::tm time = FakePlatform::Time(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(FormatClockText(kDateOrderYmd, time), "2026-12-06 14:05:09");
    EXPECT_EQ(FormatClockText(kDateOrderDmy, time), "06-12-2026 14:05:09");
    EXPECT_EQ(FormatClockText(kDateOrderMdy, time), "12-06-2026 14:05:09");
}

TEST(FormatClockText, IsAlwaysNineteenCharactersWithTwoDigitParts) {
    const std::tm time = FakePlatform::Time(2027, 1, 2, 3, 4, 5);
    for (int order : {kDateOrderYmd, kDateOrderDmy, kDateOrderMdy}) {
        EXPECT_EQ(FormatClockText(order, time).size(), 19u) << order;
    }
    EXPECT_EQ(FormatClockText(kDateOrderDmy, time), "02-01-2027 03:04:05");
}

TEST(FormatClockText, UnknownOrderGivesNothing) {
    const std::tm time = FakePlatform::Time(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(FormatClockText(-1, time), "");
    EXPECT_EQ(FormatClockText(3, time), "");
}

TEST(IsClockText, TakesExactlyWhatFormatClockTextMakesInTheOrder) {
    EXPECT_TRUE(IsClockText(kDateOrderYmd, "2026-12-06 14:05:09"));
    EXPECT_TRUE(IsClockText(kDateOrderDmy, "29-02-2028 23:59:59"));
    EXPECT_TRUE(IsClockText(kDateOrderMdy, "12-06-2026 00:00:00"));
    for (const char* wrong :
         {"2026-12-06 14:05:09", "6-12-2026 14:05:09", "06-12-2026 14:05:09 ", "06-12-2026",
          "31-04-2026 10:00:00", "29-02-2027 10:00:00", "06-13-2026 10:00:00",
          "06-12-2026 24:00:00", "06-12-2026 10:60:00", "06-12-2026 10:00:60", ""}) {
        EXPECT_FALSE(IsClockText(kDateOrderDmy, wrong)) << wrong;
    }
    EXPECT_FALSE(IsClockText(3, "06-12-2026 14:05:09"));
}

}  // namespace

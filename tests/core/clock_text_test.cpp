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

}  // namespace

#include "calendar/date_serial.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(DaySerial, Anchors) {
  EXPECT_EQ(serialOf(1899, 12, 30), 0);
  EXPECT_EQ(serialOf(1900, 1, 31), 32);
  EXPECT_EQ(serialOf(2101, 1, 1), 73416);
  EXPECT_EQ(dateOf(32.75), (Date{1900, 1, 31}));
  EXPECT_EQ(dayOfWeek(serialOf(2023, 1, 1)), 1);  // a Sunday
  EXPECT_EQ(dayOfWeek(serialOf(2023, 4, 1)), 7);  // a Saturday
}

TEST(ParseDate, AcceptsShortFieldsRefusesImpossibleDays) {
  EXPECT_EQ(parseDate("1980-1-1"), (Date{1980, 1, 1}));
  EXPECT_EQ(parseDate("1980-01-01"), (Date{1980, 1, 1}));
  EXPECT_FALSE(parseDate("1980-2-30"));
  EXPECT_FALSE(parseDate("19x0-1-1"));
  EXPECT_FALSE(parseDate("2023-2-29"));
  EXPECT_TRUE(parseDate("2024-2-29"));
  EXPECT_FALSE(parseDate("2010-04-31"));
  EXPECT_FALSE(parseDate(""));
  EXPECT_FALSE(parseDate("1980-1"));
  EXPECT_EQ(formatDate({1980, 2, 16}), "1980-02-16");
}

}  // namespace
}  // namespace lumo

#include "files/TimeBounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "support/TimeZone.h"

namespace pellucor {
namespace {

TEST(TimeBounds, DayNumbersCountFrom18991230) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDateTime(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDateTime(1970, 1, 1), 25569.0);
  EXPECT_EQ(EncodeDateTime(2012, 4, 1), 41000.0);
  EXPECT_EQ(EncodeDateTime(2012, 4, 1, 18), 41000.75);
  const TDateTimeParts parts = DecodeDateTime(EncodeDateTime(2024, 2, 29, 23, 59, 58, 250));
  EXPECT_EQ(parts.year, 2024);
  EXPECT_EQ(parts.month, 2);
  EXPECT_EQ(parts.day, 29);
  EXPECT_EQ(parts.hour, 23);
  EXPECT_EQ(parts.minute, 59);
  EXPECT_EQ(parts.second, 58);
  EXPECT_EQ(parts.millisecond, 250);
}

TEST(TimeBounds, BoundsCompareDateTimeOfDayOrBoth) {
  const TDateTime elevenOClock = EncodeDateTime(2020, 5, 17, 11);
  struct Case {
    const char* name;
    TDateTime value, bound;
    bool before, after;
  } cases[] = {
      {"a date bound admits the whole day", 41000.75, 41000.0, true, true},
      {"a date bound and the day after", 41001.25, 41000.0, false, true},
      {"a date bound and the day before", 40999.99, 41000.0, true, false},
      {"a time-of-day bound compares any day's time", elevenOClock, 0.5, true, false},
      {"a time-of-day bound after it", EncodeDateTime(2020, 5, 17, 13), 0.5, false, true},
      {"a full bound rejects a later time that day", 41000.75, 41000.5, false, true},
      {"a full bound is inclusive", 41000.5, 41000.5, true, true},
      {"no bound", 41000.75, 0, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithinBeforeBound(c.value, c.bound), c.before);
    EXPECT_EQ(WithinAfterBound(c.value, c.bound), c.after);
  }
}

TEST(TimeBounds, FileTimesAreConvertedToLocalTime) {
  // A fixed zone without daylight saving: nine hours ahead of UTC.
  const testing::TimeZone zone("JST-9");
  // 2012-04-01 09:00:00.500 UTC is 18:00:00.500 in that zone.
  const TDateTime local = LocalDateTime({1333270800, 500000000});
  EXPECT_NEAR(local, 41000.75 + 0.5 / 86400, 1e-9);
}

}  // namespace
}  // namespace pellucor

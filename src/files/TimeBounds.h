#pragma once

#include "files/FileInfo.h"

// Local date-times as day numbers (day 0 = 1899-12-30, the fraction is the time of day) and the
// time bounds of a search.
namespace pellucor {

/// The day number of a local calendar date and time of day. Months and days are not checked;
/// out-of-range values carry over as the calendar arithmetic gives them.
[[nodiscard]] TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                       int second = 0, int millisecond = 0);

/// The calendar parts of a day number.
struct TDateTimeParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

/// The calendar date and time of day of a day number, to the nearest millisecond.
[[nodiscard]] TDateTimeParts DecodeDateTime(TDateTime value);

/// A file time converted to local time, as a day number. Nanoseconds below the millisecond are
/// dropped. A time the system cannot convert to local time (far outside the calendar) gives 0.
[[nodiscard]] TDateTime LocalDateTime(TFileTime time);

/// True when `value` lies within an inclusive upper bound. A bound of 0 is no bound. A bound
/// with a date and no time of day compares only the date of `value`; a bound below 1 (a time of
/// day without a date) compares only the time of day; any other bound the full value. So a bound
/// of 41000.0 admits 41000.75, a bound of 0.5 admits 11:00 on any day, and a bound of 41000.5
/// rejects 41000.75.
[[nodiscard]] bool WithinBeforeBound(TDateTime value, TDateTime bound);

/// As WithinBeforeBound for an inclusive lower bound.
[[nodiscard]] bool WithinAfterBound(TDateTime value, TDateTime bound);

}  // namespace pellucor

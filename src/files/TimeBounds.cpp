#include "files/TimeBounds.h"

#include <cmath>
#include <ctime>

namespace pellucor {
namespace {

// 1970-01-01 as a day number.
constexpr double kUnixEpochDay = 25569.0;
constexpr double kSecondsPerDay = 86400.0;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, long long month, long long day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  long long year;
  int month;
  int day;
};

// The date of a number of days from 1970-01-01.
CivilDate CivilFromDays(long long days) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// The parts a bound compares: the date alone, the time of day alone or the full value.
enum class BoundKind { None, DateOnly, TimeOnly, Full };

BoundKind KindOf(TDateTime bound) {
  if (bound == 0) return BoundKind::None;
  if (bound == std::floor(bound)) return BoundKind::DateOnly;
  if (bound > 0 && bound < 1) return BoundKind::TimeOnly;
  return BoundKind::Full;
}

// The part of `value` that a bound of `kind` compares against.
TDateTime ComparedPart(TDateTime value, BoundKind kind) {
  switch (kind) {
    case BoundKind::DateOnly:
      return std::floor(value);
    case BoundKind::TimeOnly:
      return value - std::floor(value);
    case BoundKind::None:
    case BoundKind::Full:
      break;
  }
  return value;
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
  const double days = static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDay;
  const double seconds = hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
  return days + seconds / kSecondsPerDay;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
  constexpr long long kMillisecondsPerDay = 86400000;
  const long long milliseconds = std::llround(value * static_cast<double>(kMillisecondsPerDay));
  long long days = milliseconds / kMillisecondsPerDay;
  long long ofDay = milliseconds % kMillisecondsPerDay;
  if (ofDay < 0) {
    ofDay += kMillisecondsPerDay;
    --days;
  }
  const CivilDate date = CivilFromDays(days - static_cast<long long>(kUnixEpochDay));
  TDateTimeParts parts;
  parts.year = static_cast<int>(date.year);
  parts.month = date.month;
  parts.day = date.day;
  parts.hour = static_cast<int>(ofDay / 3600000);
  parts.minute = static_cast<int>(ofDay / 60000 % 60);
  parts.second = static_cast<int>(ofDay / 1000 % 60);
  parts.millisecond = static_cast<int>(ofDay % 1000);
  return parts;
}

TDateTime LocalDateTime(TFileTime time) {
  const std::time_t seconds = static_cast<std::time_t>(time.Seconds);
  std::tm local{};
  if (::localtime_r(&seconds, &local) == nullptr) return 0;
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, static_cast<int>(time.Nanoseconds / 1000000));
}

bool WithinBeforeBound(TDateTime value, TDateTime bound) {
  const BoundKind kind = KindOf(bound);
  return kind == BoundKind::None || ComparedPart(value, kind) <= bound;
}

bool WithinAfterBound(TDateTime value, TDateTime bound) {
  const BoundKind kind = KindOf(bound);
  return kind == BoundKind::None || ComparedPart(value, kind) >= bound;
}

}  // namespace pellucor

#include "search/HttpDate.h"

#include <array>
#include <cstdio>

#include "text/CodePage932.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Reads the fields of a date one at a time; any mismatch leaves it failed.
class DateReader {
 public:
  explicit DateReader(std::string_view text) : text_(text) {}

  void SkipBlanks() {
    while (at_ < text_.size() && text_[at_] == ' ')
      ++at_;
  }
  void Expect(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
    } else {
      ok_ = false;
    }
  }
  // Skips a day name ("Sun" or "Sunday"); the day of the week is not checked.
  void SkipWord() {
    const std::size_t start = at_;
    while (at_ < text_.size() && IsAsciiLetter(static_cast<unsigned char>(text_[at_])))
      ++at_;
    if (at_ == start) ok_ = false;
  }
  int Number(int minDigits, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (at_ < text_.size() && digits < maxDigits && text_[at_] >= '0' && text_[at_] <= '9') {
      value = value * 10 + (text_[at_++] - '0');
      ++digits;
    }
    if (digits < minDigits) ok_ = false;
    return value;
  }
  int Month() {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
      if (text_.substr(at_, 3) == kMonths[i]) {
        at_ += 3;
        return static_cast<int>(i);
      }
    }
    ok_ = false;
    return 0;
  }
  void Zone() {
    SkipBlanks();
    if (text_.substr(at_) != "GMT" && text_.substr(at_) != "UTC") ok_ = false;
    at_ = text_.size();
  }
  [[nodiscard]] bool AtEnd() const { return at_ >= text_.size(); }
  [[nodiscard]] bool ok() const { return ok_; }
  [[nodiscard]] char Peek(std::size_t ahead = 0) const {
    return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

void ReadClock(DateReader& reader, std::tm& fields) {
  fields.tm_hour = reader.Number(2, 2);
  reader.Expect(':');
  fields.tm_min = reader.Number(2, 2);
  reader.Expect(':');
  fields.tm_sec = reader.Number(2, 2);
}

bool InRange(const std::tm& fields) {
  return fields.tm_mday >= 1 && fields.tm_mday <= 31 && fields.tm_hour <= 23 &&
         fields.tm_min <= 59 && fields.tm_sec <= 60 && fields.tm_year >= 0;
}

}  // namespace

std::optional<std::time_t> ParseHttpDate(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  DateReader reader(text);
  std::tm fields{};
  reader.SkipWord();
  if (reader.Peek() == ',') {
    reader.Expect(',');
    reader.SkipBlanks();
    fields.tm_mday = reader.Number(1, 2);
    if (reader.Peek() == '-') {
      // RFC 850: 06-Nov-94
      reader.Expect('-');
      fields.tm_mon = reader.Month();
      reader.Expect('-');
      const int year = reader.Number(2, 4);
      fields.tm_year = year < 70 ? year + 100 : (year < 100 ? year : year - 1900);
    } else {
      // RFC 1123: 06 Nov 1994
      reader.SkipBlanks();
      fields.tm_mon = reader.Month();
      reader.SkipBlanks();
      fields.tm_year = reader.Number(4, 4) - 1900;
    }
    reader.SkipBlanks();
    ReadClock(reader, fields);
    reader.Zone();
  } else {
    // asctime: Nov  6 08:49:37 1994
    reader.SkipBlanks();
    fields.tm_mon = reader.Month();
    reader.SkipBlanks();
    fields.tm_mday = reader.Number(1, 2);
    reader.SkipBlanks();
    ReadClock(reader, fields);
    reader.SkipBlanks();
    fields.tm_year = reader.Number(4, 4) - 1900;
  }
  if (!reader.ok() || !reader.AtEnd() || !InRange(fields)) return std::nullopt;
  const int day = fields.tm_mday;
  const int month = fields.tm_mon;
  const std::time_t moment = ::timegm(&fields);
  // timegm carries an impossible day over into the next month ("31 Feb" becomes 3 March).
  if (moment == static_cast<std::time_t>(-1) || fields.tm_mday != day || fields.tm_mon != month)
    return std::nullopt;
  return moment;
}

std::string JapaneseLocalDateTime(std::time_t moment) {
  std::tm local{};
  ::localtime_r(&moment, &local);
  char text[64];
  std::snprintf(text, sizeof text, "%04d年%02d月%02d日 %02d時%02d分", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
  return SjisFromUtf8Literal(text);
}

}  // namespace pellucor

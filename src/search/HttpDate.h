#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// Dates of HTTP headers, and their display in the probe's summary.
namespace pellucor {

/// The moment an HTTP date names, in any of the three forms servers send: RFC 1123
/// ("Sun, 06 Nov 1994 08:49:37 GMT"), RFC 850 ("Sunday, 06-Nov-94 08:49:37 GMT", two-digit
/// years below 70 taken as 20xx) and asctime ("Sun Nov  6 08:49:37 1994"). The time is
/// Greenwich time; nullopt for any other text or an impossible date.
[[nodiscard]] std::optional<std::time_t> ParseHttpDate(std::string_view text);

/// The moment in the local time zone as "yyyy年mm月dd日 hh時nn分" (Shift_JIS), every field
/// zero-padded and the hour from 00 to 23.
[[nodiscard]] std::string JapaneseLocalDateTime(std::time_t moment);

}  // namespace pellucor

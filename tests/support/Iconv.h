#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace pellucor::testing {

/// The bytes converted by the system's iconv, an independent reference for the converters;
/// nullopt when iconv rejects them.
inline std::optional<std::string> Iconv(const char* from, const char* to, std::string_view in) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 16, '\0');
  char* inPointer = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPointer = out.data();
  std::size_t outLeft = out.size();
  std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
  if (result != static_cast<std::size_t>(-1))
    result = iconv(converter, nullptr, nullptr, &outPointer, &outLeft);  // closing escape
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

/// A UTF-8 literal as Shift_JIS, converted by iconv (so tests of the converters do not check
/// the converters against themselves).
inline std::string Sjis(std::string_view utf8) {
  return Iconv("UTF-8", "CP932", utf8).value_or("<not CP932>");
}

}  // namespace pellucor::testing

#include "web/UrlDecode.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"
#include "text/Base64.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(DecodeUrlText, Modes) {
  struct Case {
    const char* name;
    std::string url;
    UrlDecodeMode mode;
    std::string expected;
  } cases[] = {
      {"none", "http://h/%E6%97%A5", UrlDecodeMode::None, "http://h/%E6%97%A5"},
      {"UTF-8", "http://h/%E6%97%A5%E6%9C%AC.html", UrlDecodeMode::PercentUtf8,
       "http://h/" + Sjis("日本.html")},
      {"UTF-8, plus is a blank", "http://h/a+b", UrlDecodeMode::PercentUtf8, "http://h/a b"},
      {"UTF-8 ends at NUL", "http://h/a%00b", UrlDecodeMode::PercentUtf8, "http://h/a"},
      {"EUC with CR LF", "http://h/%C6%FC%CB%DC%0Ax", UrlDecodeMode::PercentEucCrLf,
       "http://h/" + Sjis("日本") + "\r\nx"},
      {"EUC", "http://h/%C6%FC%CB%DC%0Ax", UrlDecodeMode::PercentEuc,
       "http://h/" + Sjis("日本") + "\nx"},
      {"%25 removed, then UTF-8", "http://h/%25E6%2597%25A5", UrlDecodeMode::Percent25Utf8,
       "http://h/" + Sjis("日")},
      {"Base64", Base64Encode("http://h/a.html"), UrlDecodeMode::Base64, "http://h/a.html"},
      {"unknown mode", "http://h/%41", static_cast<UrlDecodeMode>(6), "http://h/%41"},
      {"negative mode", "http://h/%41", static_cast<UrlDecodeMode>(-1), "http://h/%41"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeUrlText(c.url, c.mode), c.expected);
  }
}

}  // namespace
}  // namespace pellucor

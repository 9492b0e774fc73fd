#include "web/ResultLink.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(DecodeResultLink, Cases) {
  const std::string q(kGoogleJapanRedirectQ);
  const std::string sa(kGoogleJapanRedirectSa);
  struct Case {
    const char* name;
    std::string link, expected;
  } cases[] = {
      {"encoded target behind asterisks", "**http%3A%2F%2Fa%2Fb%3Fc%26d", "http://a/b?c&d"},
      {"encoded https target", "/r?x=1**https%3A%2F%2Fa%2F", "https://a/"},
      {"first marker preferred", "x**http%3A%2F%2Fb**https%3aA%2F", "https:A/"},
      {"plain target behind asterisks", "xyz**http://a/", "http://a/"},
      {"lower-case %3a is not decoded", "**http%3a%2F%2Fa%2F", "http:%2F%2Fa%2F"},
      {"query field up to ei=", "/l?u=http%3A%2F%2Fa%2Fb&ei=x", "http://a/b"},
      {"query field at the start", "=http%3A%2F%2Fa%2F&ei=1", "http://a/"},
      {"query field without ei=", "/l?u=http%3A%2F%2Fa%2F", ""},
      {"Google q= link", q + "http://t/p&sa=U&ved=x", "http://t/p"},
      {"Google q= link without &sa=", q + "http://t/p", ""},
      {"Google sa= link", sa + "t&url=http%3A%2F%2Ft%2Fp&ei=abc", "http://t/p"},
      {"encyclopedia keeps single %", "**http://ja.wikipedia.org/wiki/%25E6%2597%25A5",
       "http://ja.wikipedia.org/wiki/%E6%97%A5"},
      {"other sites keep %25", "**http://example.org/%25E6", "http://example.org/%25E6"},
      {"the encoded forms end before the % rule", "**http%3A%2F%2Fja.wikipedia.org%2F%2541",
       "http://ja.wikipedia.org/%2541"},
      {"ordinary link unchanged", "http://a/b.html", "http://a/b.html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeResultLink(c.link), c.expected);
  }
}

TEST(IsFollowableLink, Cases) {
  struct Case {
    const char* link;
    bool expected;
  } cases[] = {
      {"http://a/b.html", true},  {"http://a/b.PDF", false}, {"http://a/sheet.xls", false},
      {"http://a/b.docx", false}, {"http://a/b.Zip", false}, {"http://a/b.lzh", false},
      {"mailto:a@b.jp", false},   {"http://a/x.nfs", false}, {"http://a/search?q=related:x", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    EXPECT_EQ(IsFollowableLink(c.link), c.expected);
  }
}

}  // namespace
}  // namespace pellucor

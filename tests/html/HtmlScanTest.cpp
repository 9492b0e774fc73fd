#include "html/HtmlScan.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;
using Items = std::vector<std::string>;

TEST(CollectBetween, Cases) {
  // The text is cut after the first end marker anywhere - here the quote of the start marker
  // itself - so the second image's address is found twice.
  EXPECT_EQ(CollectBetween("<img src=\"a.gif\"><img src=\"b\r\n.gif\">", "src=\"", "\""),
            (Items{"a.gif", "b.gif", "b.gif"}));
  EXPECT_EQ(CollectBetween("x [a", "[", "]"), Items{});
  EXPECT_EQ(CollectBetween("x [] [b]", "[", "]"), (Items{"", "b"}));
  EXPECT_EQ(CollectBetween("] [a] [b]", "[", "]"), (Items{"a", "a", "b"}));
}

TEST(GetBaseHref, Cases) {
  struct Case {
    const char* name;
    std::string page;
    std::string base;
  } cases[] = {
      {"none", "<html><head></head></html>", ""},
      {"href", "<head><base href=\"http://h/d/\"></head>", "http://h/d/"},
      {"capitals", "<BASE HREF=\"http://h/\">", "http://h/"},
      {"first quoted value, whatever its attribute", "<base target=\"main\" href=\"http://h/\">",
       "main"},
      {"unquoted: the tag's text", "<base href=http://h/>", "href=http://h/"},
      {"empty tag", "<base >", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetBaseHref(c.page), c.base);
  }
}

TEST(DecodePercentUtf8, Cases) {
  EXPECT_EQ(DecodePercentUtf8("plain"), "");
  EXPECT_EQ(DecodePercentUtf8("%E6%97%A5+%E6%9C%AC"), Sjis("日 本"));
  EXPECT_EQ(DecodePercentUtf8("%25E6%2597%25A5"), Sjis("日"));  // encoded twice
  EXPECT_EQ(DecodePercentUtf8("%252525"), "");                  // still "%" after two rounds
}

TEST(AddHtmlExtension, Cases) {
  EXPECT_EQ(AddHtmlExtension("a.htm"), "a.htm");
  EXPECT_EQ(AddHtmlExtension("a.html"), "a.html");
  EXPECT_EQ(AddHtmlExtension("readme"), "readme.html");
  EXPECT_EQ(AddHtmlExtension("list.php"), "list.php.html");
  EXPECT_EQ(AddHtmlExtension("a.html.backup"), "a.html.backup.html");
}

TEST(RemoveAttributeOpeners, OpenersGoValuesStay) {
  EXPECT_EQ(RemoveAttributeOpeners("<img alt=\"logo\" src=\"a.gif\" width=\"10\" class=\"x\">"),
            "<img logo\" src=\"a.gif\" 10\" x\">");
  EXPECT_EQ(RemoveAttributeOpeners("a<form action=\"x.cgi\" method=post>b"), "ab");
  EXPECT_EQ(RemoveAttributeOpeners("<IMG ALT=\"x\">"), "<IMG ALT=\"x\">");  // case-sensitive
}

}  // namespace
}  // namespace pellucor

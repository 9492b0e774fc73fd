#include "analysis/KeywordSplit.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(EdictScan, Splitting) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> keywords;
  } cases[] = {
      {"one blank", "css js", {"css", "js"}},
      {"two blanks count as one", "css  js", {"css", "js"}},
      {"three blanks leave an empty keyword", "css   js", {"css", "", "js"}},
      {"a full-width blank separates", Sjis("表示　ソフト"), {Sjis("表示"), Sjis("ソフト")}},
      {"two full-width blanks leave an empty keyword", Sjis("a　　b"), {"a", "", "b"}},
      {"blanks at both ends go", Sjis("　 css js \t"), {"css", "js"}},
      {"a quoted keyword holds its blanks as commas", "\"a b\" c", {"a,b", "c"}},
      {"a doubled quote stands for one", "\"x\"\"y\" z", {"x\"y", "z"}},
      {"control characters separate", "a\tb\r\nc", {"a", "b", "c"}},
      {"a comma is kept inside a quoted keyword", "\"a,b\"", {"a,b"}},
      {"outside quotes a comma separates too", "a,b", {"a", "b"}},
      {"a keyword is taken as typed", "Color:#FF0000;", {"Color:#FF0000;"}},
      {"eight keywords are all split", "1 2 3 4 5 6 7 8", {"1", "2", "3", "4", "5", "6", "7", "8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> keywords = {"left", "over"};
    EXPECT_EQ(EdictScan(c.text, keywords), static_cast<int>(c.keywords.size()));
    EXPECT_EQ(keywords, c.keywords);
  }
}

TEST(EdictScan, BlankTextsGiveNothing) {
  for (const std::string& text :
       {std::string(), std::string("   "), Sjis("　 　"), std::string("\r\n")}) {
    std::vector<std::string> keywords = {"left over"};
    EXPECT_EQ(EdictScan(text, keywords), 0);
    EXPECT_TRUE(keywords.empty());
  }
}

}  // namespace
}  // namespace pellucor

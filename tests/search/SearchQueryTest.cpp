#include "search/SearchQuery.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(PrepareSearchKeyword, Forms) {
  struct Case {
    const char* name;
    std::string box;
    std::string trimmed;
    std::string collapsed;
    std::string encoded;
  } cases[] = {
      {"two ASCII blanks", "abc  def", "abc  def", "abc def", "abc+def"},
      {"Japanese letters", Sjis("あいう"), Sjis("あいう"), Sjis("あいう"),
       "%e3%81%82%e3%81%84%e3%81%86"},
      {"a blank after a Japanese letter is escaped", Sjis("あ b"), Sjis("あ b"), Sjis("あ b"),
       "%e3%81%82%20b"},
      {"full-width blanks collapse to one blank", Sjis("第９　　カラヤン"),
       Sjis("第９　　カラヤン"), Sjis("第９ カラヤン"),
       "%e7%ac%ac%ef%bc%99%20%e3%82%ab%e3%83%a9%e3%83%a4%e3%83%b3"},
      {"blanks and control characters at both ends go", " \t abc\r\n ", "abc", "abc", "abc"},
      {"five blanks collapse to two", "a     b", "a     b", "a  b", "a++b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SearchKeyword> keyword = PrepareSearchKeyword(c.box);
    ASSERT_TRUE(keyword.has_value());
    EXPECT_EQ(keyword->trimmed, c.trimmed);
    EXPECT_EQ(keyword->collapsed, c.collapsed);
    EXPECT_EQ(keyword->encoded, c.encoded);
  }
}

TEST(PrepareSearchKeyword, BlankBoxesGiveNothing) {
  for (const char* box : {"", "   ", "\t\r\n"}) {
    SCOPED_TRACE(box);
    EXPECT_FALSE(PrepareSearchKeyword(box).has_value());
  }
}

TEST(SearchQuery, PrefixesAndTails) {
  struct Case {
    const char* name;
    SearchEngine engine;
    int mode;
    std::string prefix;
    bool hasTail;
  } cases[] = {
      {"Google Japan", SearchEngine::Google, 0, "http://www.google.co.jp/search?as_q=", true},
      {"Google international", SearchEngine::Google, 1, "http://www.google.com/search?as_q=", true},
      {"Yahoo! JAPAN", SearchEngine::Yahoo, 0, "http://search.yahoo.co.jp/search?p=", true},
      {"Yahoo international", SearchEngine::Yahoo, 1, "http://search.yahoo.com/search?p=", true},
      {"another mode", SearchEngine::Google, 2, "", false},
      {"a negative mode", SearchEngine::Yahoo, -1, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SearchPrefix(c.engine, c.mode), c.prefix);
    EXPECT_EQ(NewSearchTail(c.engine, c.mode).empty(), !c.hasTail);
  }
  EXPECT_TRUE(NewSearchTail(SearchEngine::Google, 0).starts_with("&num=100&hl=ja&ie=UTF-8"));
  EXPECT_TRUE(NewSearchTail(SearchEngine::Google, 1)
                  .ends_with("&safe=images&btnG=Google+%E6%A4%9C%E7%B4%A2"));
  EXPECT_EQ(NewSearchTail(SearchEngine::Yahoo, 0), NewSearchTail(SearchEngine::Yahoo, 1));
}

TEST(SearchQuery, PagingTails) {
  EXPECT_EQ(PagingTail(SearchEngine::Google, 101),
            "&num=100&hl=ja&lr=&ie=UTF-8&oe=UTF-8&as_qdr=all&start=101&sa=N");
  EXPECT_EQ(PagingTail(SearchEngine::Google, 100),
            "&num=100&hl=ja&lr=&ie=UTF-8&oe=UTF-8&as_qdr=all&start=100&sa=N");
  EXPECT_EQ(PagingTail(SearchEngine::Yahoo, 201), "&aq=-1&ei=UTF-8&pstart=1&fr=ush-jp_full&b=201");
}

}  // namespace
}  // namespace pellucor

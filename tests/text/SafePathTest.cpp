#include "text/SafePath.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(MakeSafeFilePath, Cases) {
  struct Case {
    const char* name;
    std::string in, out;
  } cases[] = {
      {"slashes after =http, then colons", "/s/a.php?u=http://h/b", "/s/a.php@u=http;~~h~b"},
      {"the first http:// keeps its colon", "/s/http://h/a:b", "/s/http:/h/a;b"},
      {"wildcards and pipes", "/s/a*b|c", "/s/a;b~c"},
      {"&amp; only", "/s/a&amp;b&AMP;c", "/s/a&b&c"},
      {"angle brackets removed, quote to apostrophe", "/s/<a>\"b\"", "/s/a'b'"},
      {"escaped URL parts", "/s/a%3A%2F%2Fb%2fc%26d%20e", "/s/a;~~b~c&d e"},
      {"backslashes become separators", "/s\\a\\\\b", "/s/a/b"},
      {"double separators, one pass", "/s///a", "/s//a"},
      {"second bytes are kept", "/s/" + Sjis("表ソ|"), "/s/" + Sjis("表ソ~")},
      {"a pipe as second byte is kept", "/s/\x88\x7C", "/s/\x88\x7C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MakeSafeFilePath(c.in), c.out);
  }
}

TEST(ClassifyPathChars, LastCharacter) {
  EXPECT_EQ(ClassifyPathChars(""), 0);
  EXPECT_EQ(ClassifyPathChars("/a/b.html"), 1);
  EXPECT_EQ(ClassifyPathChars("/a/"), 3);
  EXPECT_EQ(ClassifyPathChars("/a/*"), 4);
  EXPECT_EQ(ClassifyPathChars("/a/?"), 4);
  EXPECT_EQ(ClassifyPathChars("/a/" + Sjis("表")), 1);  // its second byte is no separator
  EXPECT_EQ(ClassifyPathChars(std::string("/a\0", 3)), -1);
  EXPECT_EQ(ClassifyPathChars("/a/\x80"), -1);
}

TEST(ParentFolder, Cases) {
  EXPECT_EQ(ParentFolder("/a/b/"), "/a");
  EXPECT_EQ(ParentFolder("/a/b"), "/a");
  EXPECT_EQ(ParentFolder("/a"), "/");
  EXPECT_EQ(ParentFolder("a"), "");
  EXPECT_EQ(CountBackslashes("/a/b/"), 3u);
}

}  // namespace
}  // namespace pellucor

#include "files/FileMasks.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct MaskCase {
  const char* name;
  std::string text;
  std::string pattern;
  bool match;
};

TEST(WildcardMatch, WalksNameAndPatternFromTheStart) {
  const MaskCase cases[] = {
      {"equal ignoring ASCII case", "ReadMe", "README", true},
      {"question mark takes one character", "abc", "a?c", true},
      {"question mark takes a double-byte character", Sjis("a表c"), "a?c", true},
      {"star takes the whole rest", "abcdef", "ab*", true},
      {"star takes the rest at once, so a tail after it never matches", "a.h", "*.h", false},
      {"name ends first: the rest may be stars and question marks", "a", "a?*", true},
      {"name ends first with a letter left", "a", "ab", false},
      {"pattern ends first", "abc", "ab", false},
      {"empty name and empty pattern", "", "", true},
      {"empty pattern against a name", "a", "", false},
      {"double-byte characters compare exactly", Sjis("表"), Sjis("表"), true},
      {"a second byte 0x5C is not a backslash of the pattern", Sjis("表"), "\x95?", false},
      {"letters fold only as single-byte characters", Sjis("ア"), Sjis("ア"), true},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WildcardMatch(c.text, c.pattern), c.match);
  }
}

TEST(MatchFileMask, MatchesNamePartAndExtensionApart) {
  const MaskCase cases[] = {
      {"star dot extension", "main.h", "*.h", true},
      {"other extension", "main.c", "*.h", false},
      {"extension without case", "MAIN.H", "*.h", true},
      {"a mask without extension matches the name part whatever the extension", "abc.txt", "abc",
       true},
      {"a mask without extension and a different name", "abd.txt", "abc", false},
      {"a file without extension has the extension '.'", "Makefile", "*.", true},
      {"star dot star matches a file without extension", "Makefile", "*.*", true},
      {"a file without extension does not match an extension", "Makefile", "*.h", false},
      {"only the last dot splits", "a.tar.gz", "a.tar.*", true},
      {"name part of a hidden file is empty", ".profile", "*.profile", true},
      {"extension wildcard spans more", "page.html", "*.htm*", true},
      {"shorter extension against a longer mask", "page.htm", "*.html", false},
      {"question marks in the extension", "a.js", "*.j?", true},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MatchFileMask(c.text, c.pattern), c.match);
  }
}

TEST(MatchPathMask, FolderPartMustEndTheFolder) {
  struct Case {
    const char* name;
    std::string folder, file, mask;
    bool match;
  } cases[] = {
      {"mask without folder part", "/a/b/", "x.tmp", "*.tmp", true},
      {"relative folder part at the end", "/a/sub/", "x.tmp", "sub/*.tmp", true},
      {"relative folder part elsewhere", "/a/sub/c/", "x.tmp", "sub/*.tmp", false},
      {"relative folder part is a plain ending, so mysub/ ends in sub/", "/a/mysub/", "x.tmp",
       "sub/*.tmp", true},
      {"folder part without case", "/a/SUB/", "x.tmp", "sub/*.tmp", true},
      {"absolute folder part", "/var/tmp/", "x", "/var/tmp/*", true},
      {"absolute folder part longer than the folder", "/tmp/", "x", "/var/tmp/*", false},
      {"folder part alone matches every file", "/a/sub/", "x.c", "sub/", true},
      {"file part must still match", "/a/sub/", "x.c", "sub/*.tmp", false},
      {"a lettered drive never matches", "/c/a/", "x.tmp", "C:/a/*.tmp", false},
      {"a wildcard drive matches and is dropped", "/c/a/", "x.tmp", "*:/a/*.tmp", true},
      {"a question-mark drive matches any", "/a/", "x.tmp", "?:/a/*.tmp", true},
      {"a wildcard drive alone", "/a/", "x.tmp", "*:/*.tmp", true},
      {"a folder part only at a character start", "/" + Sjis("表") + "/", "x", std::string("\\/*"),
       false},
      {"a double-byte folder part", "/d/" + Sjis("表") + "/", "x", Sjis("表") + "/*", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MatchPathMask(c.folder, c.file, c.mask), c.match);
  }
}

TEST(MatchListingMask, IsTheListingsWildcard) {
  const MaskCase cases[] = {
      {"star anywhere", "main.h", "*.h", true},
      {"star in the middle", "a-long-name.txt", "a*name.t?t", true},
      {"several stars backtrack", "abcabcx", "*abc*x", true},
      {"no match", "main.hpp", "*.h", false},
      {"letters without case", "MAIN.H", "*.h", true},
      {"star dot star matches a name without dot", "Makefile", "*.*", true},
      {"a mask ending in dot star matches the bare name", "abc", "abc.*", true},
      {"and names with extensions", "abc.d.e", "abc.*", true},
      {"star dot matches names without extension", "readme", "*.", true},
      {"but not names with one", "read.me", "*.", false},
      {"question mark is exactly one character", "ab", "a??", false},
      {"question mark takes a double-byte character", Sjis("表.txt"), "?.txt", true},
      {"star over double-byte characters", Sjis("日本語.txt"), Sjis("*語.txt"), true},
      {"a second byte 0x5C is not matched on its own", Sjis("表"), "*\\", false},
      {"star alone", ".hidden", "*", true},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MatchListingMask(c.text, c.pattern), c.match);
  }
}

}  // namespace
}  // namespace pellucor

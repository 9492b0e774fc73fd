#include "web/PathBounds.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(IsInsideFolder, Cases) {
  struct Case {
    const char* name;
    std::string path, folder;
    bool expected;
  } cases[] = {
      {"file below", "/save/a/b.html", "/save/", true},
      {"the folder itself", "/save", "/save/", true},
      {"climbs out", "/save/../etc/passwd", "/save/", false},
      {"climbs out from deeper", "/save/a/../../etc", "/save/", false},
      {"climbs and comes back", "/save/a/../b", "/save/", true},
      {"repeated separators and dots", "/save//a/./b", "/save", true},
      {"folder written loosely", "/save/a", "//save/./", true},
      {"name with the folder as prefix", "/saved/x", "/save/", false},
      {"backslash separates", "/save/..\\x", "/save/", false},
      {"second byte 0x5C does not separate", "/save/" + Sjis("表") + "..\\..", "/save/", true},
      {"above the root is the root", "/../save/x", "/save/", true},
      {"relative below relative", "s/a", "s/", true},
      {"relative climbing", "../s/a", "s/", false},
      {"relative is not below absolute", "save/a", "/save/", false},
      {"absolute is not below relative", "/save/a", "save/", false},
      {"empty path", "", "/save/", false},
      {"empty folder", "/save/a", "", false},
      {"NUL", std::string("/save/a\0/../../x", 16), "/save/", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsInsideFolder(c.path, c.folder), c.expected);
  }
}

TEST(DropDotSegments, Cases) {
  struct Case {
    const char* name;
    std::string text;
    EmptySegments empties;
    std::string expected;
  } cases[] = {
      {"dot segments go", "../a/./b/..", EmptySegments::Keep, "a/b"},
      {"empty segments kept", "a//b/", EmptySegments::Keep, "a//b/"},
      {"leading separator kept", "/x", EmptySegments::Keep, "/x"},
      {"trailing ../ leaves the folder", "a/../", EmptySegments::Keep, "a/"},
      {"any run of dots", "..../x", EmptySegments::Keep, "x"},
      {"dots with vanishing brackets", ".<./<..>/x", EmptySegments::Keep, "x"},
      {"backslash becomes /", "a\\..\\b", EmptySegments::Keep, "a/b"},
      {"second byte 0x5C stays", Sjis("表") + "\\x", EmptySegments::Keep, Sjis("表") + "/x"},
      {"names with dots stay", "a..b/.c/", EmptySegments::Keep, "a..b/.c/"},
      {"empties dropped", "/main//top/", EmptySegments::Drop, "main/top"},
      {"nothing left", "../../", EmptySegments::Drop, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DropDotSegments(c.text, c.empties), c.expected);
  }
}

TEST(SaveFolderProblem, NamesTheFileNamesCannotKeepAreRefused) {
  const std::string refused[] = {
      "",         "/s/a:b/", "/s/a?b/",   "/s/a*b/",   "/s/a|b/",     "/s/a\"b/",         "/s/a<b/",
      "/s/a>b/",  "/s/a+b/", "/s/a%20b/", "/s/a%2Fb/", "/s/a&amp;b/", "/s/x\\..\\..\\t/", "/s//a/",
      "/s/../a/", "/s/./a/", "/s/http:/",
  };
  for (const std::string& folder : refused)
    EXPECT_FALSE(SaveFolderProblem(folder).empty()) << folder;
  const std::string accepted[] = {
      "/tmp/save/", "/tmp/save", "relative/dir/", "/s/a&b/",
      "/s/a b/",    "/s/a=b/",   "/s/a@b/",       "/s/" + Sjis("表示") + "/"};
  for (const std::string& folder : accepted)
    EXPECT_EQ(SaveFolderProblem(folder), "") << folder;
}

TEST(WithVisibleNames, HiddenFoldersAndControlBytesBecomeVisible) {
  const std::pair<std::string, std::string> cases[] = {
      {".config/autostart/x.js", "_config/autostart/x.js"},
      {"/save/a/.ssh/keys", "/save/a/_ssh/keys"},
      {"../img/./a.gif", "../img/./a.gif"},
      {"...", "..."},
      {"a\nb\x1B.gif", "a_b_.gif"},
      {"del\x7F", "del_"},
      {Sjis("表示/.隠し"), Sjis("表示/_隠し")},
      {"plain/name.html", "plain/name.html"},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(WithVisibleNames(path), expected) << path;
    EXPECT_EQ(HasHiddenOrControlNames(path), path != expected) << path;
  }
}

}  // namespace
}  // namespace pellucor

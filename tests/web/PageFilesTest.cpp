#include "web/PageFiles.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct PathCase {
  const char* name;
  std::string in;
  std::string expected;
};

TEST(ExtensionOf, TheFileNamesLastDot) {
  EXPECT_EQ(ExtensionOf("dir/page.php"), ".php");
  EXPECT_EQ(ExtensionOf("dir.d/page"), "");
  EXPECT_EQ(ExtensionOf("a.tar.gz"), ".gz");
  EXPECT_EQ(ExtensionOf("dir/.hidden"), ".hidden");
}

TEST(WithTypeExtension, StyleSheetsAndScriptsWithQueriesEndInTheirType) {
  struct Case {
    const char* path;
    const char* typed;
  } cases[] = {
      {"/s/q.css@v=1", "/s/q.css@v=1.css"},
      {"/s/app.js@v=3", "/s/app.js@v=3.js"},
      {"/s/m.MJS@x", "/s/m.MJS@x.MJS"},
      {"/s/q.css@v=1.css", "/s/q.css@v=1.css"},  // the rule applied twice changes nothing
      {"/s/q.css@file=a.CSS", "/s/q.css@file=a.CSS"},
      {"/s/q.css", "/s/q.css"},
      {"/s/pic.gif@v=2", "/s/pic.gif@v=2"},
      {"/s/list.php@id=3", "/s/list.php@id=3"},
      {"/s/d.css@x/plain", "/s/d.css@x/plain"},  // the "@" of a folder is not the file's
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WithTypeExtension(c.path), c.typed) << c.path;
}

TEST(PagePath, Cases) {
  const PathCase cases[] = {
      {"php page", "http://host/dir/list.php", "/s/dir/list.php.html"},
      {"php page with query keeps its name", "http://host/dir/list.php?id=3",
       "/s/dir/list.php@id=3"},
      {"site root", "http://host/", "/s/index.html"},
      {"folder", "http://host/a/", "/s/a/index.html"},
      {"html page", "http://host/p.html", "/s/p.html"},
      {"no extension", "http://host/dir/page", "/s/dir/page.html"},
      {"shtml", "http://host/x.shtml", "/s/x.shtml.html"},
      {"jsp", "http://host/x.jsp", "/s/x.jsp.html"},
      {"asp", "http://host/x.asp", "/s/x.asp.html"},
      {"extensions compare in lower case only", "http://host/X.PHP", "/s/X.PHP"},
      {"other extension", "http://host/a.cgi", "/s/a.cgi"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PagePath(c.in, "/s/", UrlDecodeMode::None), c.expected);
  }
  EXPECT_EQ(PagePath("//", "/s/", UrlDecodeMode::Base64), "");
}

TEST(AsFetchedPath, LongNamesAreCut) {
  const std::string fortyMore(40, 'x');
  const std::string thirtyFour(34, 'x');
  struct Case {
    const char* name;
    std::string url, expected;
  } cases[] = {
      {"short name", "http://host/a/b.html", "/s/a/ZZOrg_b.html"},
      {"ZZOrg_ + 40 bytes", "http://host/a/" + fortyMore, "/s/a/ZZOrg_" + thirtyFour + ".html"},
      {"exactly 40 bytes stay", "http://host/a/" + thirtyFour, "/s/a/ZZOrg_" + thirtyFour},
      {"no double-byte character split", "http://host/" + std::string(33, 'x') + Sjis("日"),
       "/s/ZZOrg_" + std::string(33, 'x') + ".html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AsFetchedPath(c.url, "/s/", UrlDecodeMode::None), c.expected);
  }
}

TEST(DummyTopFolder, Cases) {
  EXPECT_EQ(DummyTopFolder("/s/", "main/top"), "/s/main/top/");
  EXPECT_EQ(DummyTopFolder("/s/a/", "main\\top/"), "/s/a/main/top/");
  EXPECT_EQ(DummyTopFolder("/s/", "../../x"), "/s/x/");
  EXPECT_EQ(DummyTopFolder("/s/", ".."), "/s/");
}

TEST(MakePageFileSet, WithAndWithoutDummyFolder) {
  const PageFileSet plain = MakePageFileSet("http://host/", "/s/", UrlDecodeMode::None, "");
  EXPECT_EQ(plain.pagePath, "/s/index.html");
  EXPECT_EQ(plain.flatPath, "/s/index.html");
  EXPECT_EQ(plain.asFetchedPath, "/s/ZZOrg_index.html");
  EXPECT_EQ(plain.innerPath, "/s/ZAInner_index.html");

  const PageFileSet dummy = MakePageFileSet("http://host/", "/s/", UrlDecodeMode::None, "main/top");
  EXPECT_EQ(dummy.pagePath, "/s/main/top/index.html");
  EXPECT_EQ(dummy.flatPath, "/s/index.html");
  EXPECT_EQ(dummy.asFetchedPath, "/s/ZZOrg_index.html");
  EXPECT_EQ(dummy.innerPath, "/s/main/top/ZAInner_index.html");

  const PageFileSet deep = MakePageFileSet("http://host/a/b/p.php", "/s/", UrlDecodeMode::None, "");
  EXPECT_EQ(deep.pagePath, "/s/a/b/p.php.html");
  EXPECT_EQ(deep.flatPath, "/s/p.php.html");
  EXPECT_EQ(deep.asFetchedPath, "/s/a/b/ZZOrg_p.php");
  EXPECT_EQ(deep.innerPath, "/s/a/b/ZAInner_p.php.html");

  const PageFileSet refused = MakePageFileSet("//", "/s/", UrlDecodeMode::Base64, "");
  EXPECT_TRUE(refused.pagePath.empty() && refused.flatPath.empty() &&
              refused.asFetchedPath.empty() && refused.innerPath.empty());
}

TEST(PageSavePath, HtmlRule) {
  const PathCase cases[] = {
      {"html page stays", "p.html", "p.html"},
      {"query name", "list.php@id=3", "list.php@id=3.html"},
      {".htm inside a query", "a.htm@x=1", "a.htm@x=1.html"},
      {"htm page stays", "/s/a.htm", "/s/a.htm"},
      {".html followed by more", "/s/old.html.bak", "/s/old.html.bak.html"},
      {"no .htm", "/s/a.cgi", "/s/a.cgi.html"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PageSavePath(c.in), c.expected);
  }
}

TEST(AsFetchedSavePath, HtmlAppendedWithoutHtm) {
  EXPECT_EQ(AsFetchedSavePath("/s/ZZOrg_a.php"), "/s/ZZOrg_a.php.html");
  EXPECT_EQ(AsFetchedSavePath("/s/ZZOrg_a.html"), "/s/ZZOrg_a.html");
  EXPECT_EQ(AsFetchedSavePath("/s/a.htm@x/ZZOrg_b"), "/s/a.htm@x/ZZOrg_b");
}

TEST(ChosenName, Cases) {
  const PathCase cases[] = {
      {"empty", "", "index.html"},
      {"blanks only", "   ", "index.html"},
      {"trimmed and .html added", "  top  ", "top.html"},
      {"htm kept", "a.htm", "a.htm"},
      {"cannot climb", "../x.html", "x.html"},
      {"full-width blanks trimmed", Sjis("　名前　"), Sjis("名前") + ".html"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChosenName(c.in), c.expected);
  }
}

TEST(ChosenNamePaths, Cases) {
  EXPECT_EQ(ChosenNamePath("/s/d/p.html", " x.html "), "/s/d/x.html");
  EXPECT_EQ(ChosenNamePath("/s/d/p.html", ""), "/s/d/index.html");
  EXPECT_EQ(ChosenNameAsFetchedPath("/s/d/ZZOrg_p.html", "x", "/s/"), "/s/d/ZXOrg_x.html");
  EXPECT_EQ(ChosenNameAsFetchedPath("/s/d/ZZOrg_p.html", "", "/s/"), "/s/d/ZXOrg_index.html");
  // The typed name is used untrimmed here.
  EXPECT_EQ(ChosenNameAsFetchedPath("/s/d/ZZOrg_p.html", " x ", "/s/"), "/s/d/ZXOrg_ x .html");
  // A folder made from a query is left for the folder above it.
  EXPECT_EQ(ChosenNameAsFetchedPath("/s/a.php@u=1/ZZOrg_b", "x.html", "/s/"), "/s/ZXOrg_x.html");
  // An "@" of the save folder's own name is left alone.
  EXPECT_EQ(ChosenNameAsFetchedPath("/a@b/ZZOrg_p.html", "x", "/a@b/"), "/a@b/ZXOrg_x.html");
  EXPECT_EQ(ChosenNameAsFetchedPath("/a@b/q.php@u=1/ZZOrg_p", "x", "/a@b/"), "/a@b/ZXOrg_x.html");
}

TEST(InnerRewrittenPath, HtmlRuleApplies) {
  EXPECT_EQ(InnerRewrittenPath("/s/d/p.html"), "/s/d/WInner_@p.html");
  EXPECT_EQ(InnerRewrittenPath("/s/d/list.php@id=3"), "/s/d/WInner_@list.php@id=3.html");
}

TEST(FlatPath, PageNameInTheSaveFolder) {
  EXPECT_EQ(FlatPath("/s/", "/s/a/b/p.html"), "/s/p.html");
  EXPECT_EQ(InnerPath("/s/main/top/index.html"), "/s/main/top/ZAInner_index.html");
  EXPECT_EQ(FolderOfPath("/s/a/p.html"), "/s/a/");
  EXPECT_EQ(FileNameOfPath("/s/a/p.html"), "p.html");
  EXPECT_EQ(FolderOfPath("p.html"), "");
  EXPECT_EQ(FileNameOfPath("p.html"), "p.html");
}

}  // namespace
}  // namespace pellucor

#include "web/UrlForms.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct UrlCase {
  const char* name;
  std::string url;
  std::string expected;
};

TEST(StripSchemeAndWww, PrefixTableListsTheFormsInTheirOrder) {
  // The forms written out from their description, independently of the table.
  std::vector<std::string> forms = {"https://wwwz."};
  for (int n = 19; n >= 1; --n)
    forms.push_back("https://www" + std::to_string(n) + ".");
  for (int n = 9; n >= 1; --n)
    forms.push_back("https://www" + std::to_string(n) + "b.");
  for (int n = 9; n >= 1; --n)
    forms.push_back("https://www" + std::to_string(n) + "a.");
  forms.push_back("https://www.");
  forms.push_back("https://");
  forms.push_back("http://wwwz.");
  for (int n = 19; n >= 1; --n)
    forms.push_back("http://www" + std::to_string(n) + ".");
  forms.push_back("http://www.");
  forms.push_back("http://");

  const auto table = StrippedUrlPrefixes();
  ASSERT_EQ(table.size(), forms.size());
  for (std::size_t i = 0; i < forms.size(); ++i) {
    SCOPED_TRACE(forms[i]);
    EXPECT_EQ(table[i], forms[i]);
    EXPECT_EQ(StripSchemeAndWww(forms[i] + "host/a.html"), "host/a.html");
  }
}

TEST(StripSchemeAndWww, Cases) {
  const UrlCase cases[] = {
      {"scheme and www", "http://www.host/dir/f.html", "host/dir/f.html"},
      {"first occurrence, also inside a query", "http://h/?u=http://www.x/", "h/?u=x/"},
      {"https form with a", "https://www1a.host/", "host/"},
      {"www10 before www1", "https://www10.host/", "host/"},
      {"no a/b forms for http", "http://www1a.host/", "www1a.host/"},
      {"each https form only once", "https://www.a/?u=https://www.b/", "a/?u=www.b/"},
      {"case-sensitive", "HTTP://WWW.host/", "HTTP://WWW.host/"},
      {"no match on a second byte", Sjis("ド") + "ttp://x/", Sjis("ド") + "ttp://x/"},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(StripSchemeAndWww(c.url), c.expected);
  }
}

TEST(UrlRoot, Cases) {
  const UrlCase cases[] = {
      {"page", "http://www.host/dir/f.html", "http://www.host/"},
      {"bare host gets its slash", "http://host", "http://host/"},
      {"port and query", "https://h:8080/a?b", "https://h:8080/"},
      {"no // is unchanged", "host/dir", "host/dir"},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlRoot(c.url), c.expected);
  }
}

TEST(UrlPathPart, Cases) {
  const UrlCase cases[] = {
      {"path below the host", "http://www.host/dir/f.html", "dir/f.html"},
      {"bare host", "http://www.host", "host"},
      {"a second URL in the query stays", "http://h/?u=http://x/y", "?u=http://x/y"},
      {"an unknown scheme's // is masked", "ftp://host/a/b", "a/b"},
      {"no // is unchanged", "dir/f.html", "dir/f.html"},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlPathPart(c.url), c.expected);
  }
}

TEST(UrlDirPath, Cases) {
  const UrlCase cases[] = {
      {"two levels", "http://www.host/a/b/f.html", "a/b"},
      {"file in the root", "http://www.host/f.html", ""},
      {"bare host", "http://host", ""},
      {"directory URL", "http://host/a/", "a"},
      {"no // is unchanged", "a/b/c", "a/b/c"},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlDirPath(c.url), c.expected);
  }
}

TEST(UrlDirectory, Cases) {
  const UrlCase cases[] = {
      {"file", "http://host/a/f.html", "http://host/a/"},
      {"root", "http://host/", "http://host/"},
      {"bare host", "http://host", "http://host/"},
      {"directory", "http://host/a/b/", "http://host/a/b/"},
      {"no // is empty", "host/a", ""},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlDirectory(c.url), c.expected);
  }
}

TEST(UrlFileName, Cases) {
  const UrlCase cases[] = {
      {"query kept", "http://host/a/f.html?x=1", "f.html?x=1"},
      {"directory URL", "http://host/a/", ""},
      {"bare host", "http://www.host", "host"},
      {"an unknown scheme's // is masked", "ftp://host", "ftp://host"},
      {"a / in the query counts", "http://h/a.php?u=x/y", "y"},
      {"no // is kept whole", "dir/f.html", "dir/f.html"},
  };
  for (const UrlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlFileName(c.url), c.expected);
  }
  EXPECT_EQ(UrlFileName("dir/f.html", NoUrlText::TakeLastSegment), "f.html");
  EXPECT_EQ(UrlFileName("f.html", NoUrlText::TakeLastSegment), "f.html");
}

TEST(RootRelativePrefix, Cases) {
  struct Case {
    const char* name;
    std::string url, dummy, expected;
  } cases[] = {
      {"file one level down", "http://host/dir/f.html", "", "../"},
      {"directory one level down", "http://host/dir/", "", "../"},
      {"file two levels down", "http://host/a/b/f.html", "", "../../"},
      {"directory two levels down", "http://host/a/b/", "", "../../"},
      {"site root", "http://host/", "", ""},
      {"file in the root", "http://host/f.html", "", ""},
      {"bare host", "http://host", "", ""},
      {"no //", "host/a/b", "", ""},
      {"dummy folder adds two levels", "http://host/a/f.html", "main/top", "../../../"},
      {"dummy folder, directory", "http://host/a/", "main/top", "../../../"},
      {"dummy folder, file in the root", "http://host/f.html", "main/top", "../../"},
      {"dummy folder, site root", "http://host/", "main/top", "../../"},
      {"dummy folder counts its segments", "http://host/a/f.html", "/main//top/", "../../../"},
      {"dummy folder cannot take levels away", "http://host/a/f.html", "../..", "../"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RootRelativePrefix(c.url, c.dummy), c.expected);
  }
}

TEST(ReplaceUrlRoot, Cases) {
  EXPECT_EQ(ReplaceUrlRoot("http://host/css/a.css", "../"), "../css/a.css");
  EXPECT_EQ(ReplaceUrlRoot("http://host/css/a.css", "http://base/x/"), "http://base/x/css/a.css");
  // "http://host/" does not occur in "http://host".
  EXPECT_EQ(ReplaceUrlRoot("http://host", "../"), "http://host");
  // A text without "//" is its own root.
  EXPECT_EQ(ReplaceUrlRoot("a.css", "../"), "../");
}

TEST(CollectHttpHosts, CollectsEveryHostInOrder) {
  std::vector<std::string> hosts = {"old"};
  EXPECT_TRUE(CollectHttpHosts("a http://h1/x, http://ho\r\nst/y HTTP://h4/ http://h3", hosts));
  EXPECT_EQ(hosts, (std::vector<std::string>{"h1", "host", ""}));
}

TEST(CollectHttpHosts, LeavesTheListWithoutHttp) {
  std::vector<std::string> hosts = {"old"};
  EXPECT_FALSE(CollectHttpHosts("https://secure/ and HTTP://upper/", hosts));
  EXPECT_EQ(hosts, std::vector<std::string>{"old"});
}

}  // namespace
}  // namespace pellucor

// The sieves of the reference scans, rule by rule: what each keeps, cleaned, and what it skips.
#include "download/ReferenceSieves.h"

#include <gtest/gtest.h>

#include "download/PageResourceStages.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct SieveCase {
  const char* name;
  std::string candidate;
  std::optional<SievedKind> kind;  // nullopt: skipped
  std::string reference = {};
  std::string host = {};
};

void ExpectSieve(const SieveCase& c, const std::optional<SievedReference>& kept) {
  SCOPED_TRACE(c.name);
  ASSERT_EQ(kept.has_value(), c.kind.has_value());
  if (!kept) return;
  EXPECT_EQ(kept->kind, *c.kind);
  EXPECT_EQ(kept->reference, c.reference);
  EXPECT_EQ(kept->host, c.host);
}

TEST(SievePageCandidate, Cases) {
  const SieveCase cases[] = {
      {"style sheet, trimmed", "  css/a.css\r\n", SievedKind::StyleOrScript, "css/a.css"},
      {"script list loses the comma", "js/a.js,b.js", SievedKind::StyleOrScript, "js/a.jsb.js"},
      {"quoted inside", "\"s.js\"", SievedKind::StyleOrScript, "s.js"},
      {"a blank makes it no address", "x s.js", std::nullopt},
      {"analytics made the standard script", "http://ssl.google-analytics.com/u.js",
       SievedKind::StyleOrScript, std::string(kPageAnalyticsScript)},
      {"script code is no address", "f(a.js)", std::nullopt},
      {"code in an address is kept", "http://h/f(a).js", SievedKind::StyleOrScript,
       "http://h/f(a).js"},
      {"entity", "&amp;a=1", std::nullopt},
      {"too short", "a=1", std::nullopt},
      {"server page", "x.jsp?a=1", std::nullopt},
      {"google with escapes", "http://google.com/a.js?q=%20", std::nullopt},
      {"image", "img/a.gif", SievedKind::Image, "img/a.gif"},
      {"image with a plus", "img/a+b.gif", std::nullopt},
      {"image with a quote", "img/a'.gif", std::nullopt},
      {"backslash", "css\\a.css", std::nullopt},
      {"folder", "css/", std::nullopt},
      {"page", "page.html", std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const SieveCase& c : cases)
    ExpectSieve(c, SievePageCandidate(c.candidate));
}

TEST(SieveBodyCandidate, Cases) {
  const SieveCase cases[] = {
      {"script", "menu.js", SievedKind::StyleOrScript, "menu.js"},
      {"script in a folder", "js/menu.js", std::nullopt},
      {"script with a blank falls to the images", "a b.js", SievedKind::Image, "a b.js"},
      {"image", "img/a.gif", SievedKind::Image, "img/a.gif"},
      {"quotes removed", "\"img/a.gif\"", SievedKind::Image, "img/a.gif"},
      {"cut at a tag", "pic.png<br", SievedKind::Image, "pic.png"},
      {"a closing tag", "pic.png>", std::nullopt},
      {"query without a folder", "show.php?id=3", SievedKind::Image, "show.php?id=3"},
      {"path without a picture or query", "dir/file.txt", std::nullopt},
      {"no dot and no equals", "plain", std::nullopt},
      {"closing equals", "a.b=", std::nullopt},
      {"bracket", "a[1].gif", std::nullopt},
      {"page link", "img/a.gif?next=page.htm", std::nullopt},
      {"search page", Sjis("検索.gif"), std::nullopt},
      {"protocol-relative", "//cdn.example/i/a.gif", SievedKind::Image,
       "http://cdn.example/i/a.gif", "//cdn.example/"},
      {"protocol-relative with a plus notes its host", "//cdn.example/a+b.gif",
       SievedKind::HostOnly, "http://cdn.example/a+b.gif", "//cdn.example/"},
      {"plus", "img/a+b.gif", std::nullopt},
  };
  for (const SieveCase& c : cases)
    ExpectSieve(c, SieveBodyCandidate(c.candidate));
}

TEST(SieveSheetReference, Cases) {
  const SieveCase cases[] = {
      {"imported sheet", "b.css", SievedKind::StyleOrScript, "b.css"},
      {"url() of an image", "url(../img/bg.gif)", SievedKind::Image, "../img/bg.gif"},
      {"quoted url()", "url('../img/bg.png')", SievedKind::Image, "../img/bg.png"},
      {"src of a script tag", "src=x.js type", SievedKind::StyleOrScript, "x.js"},
      {"cut at a tag", "a.css>b", SievedKind::StyleOrScript, "a.css"},
      {"after href,", "href,c.css", SievedKind::StyleOrScript, "c.css"},
      {"analytics", "http://www.google-analytics.com/urchin.js", SievedKind::StyleOrScript,
       std::string(kSheetAnalyticsScript)},
      {"entity", "&nbsp;", std::nullopt},
      {"too short", "b.c", std::nullopt},
      {"extension alone", ".css", std::nullopt},
      {"DOM code", "Microsoft.XMLDOM.js", std::nullopt},
      {"call", "load(a.js)", std::nullopt},
      {"plus", "a+b.css", std::nullopt},
      {"image linking a page", "a.gif?u=x.htm", std::nullopt},
      {"image with a semicolon", "a.gif;x", std::nullopt},
      {"neither sheet nor image", "readme.doc", std::nullopt},
  };
  for (const SieveCase& c : cases)
    ExpectSieve(c, SieveSheetReference(c.candidate));
}

}  // namespace
}  // namespace pellucor

#include "web/UrlKinds.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct Verdict {
  const char* name;
  std::string text;
  bool expected;
};

TEST(IsWebUrl, Cases) {
  const Verdict cases[] = {
      {"http", "http://a/", true},
      {"https", "https://a/", true},
      {"blanks and line ends trimmed", " \thttps://a/\r\n", true},
      {"case-sensitive", "HTTP://a/", false},
      {"other scheme", "ftp://a/", false},
      {"one slash", "http:/a/", false},
      {"empty", "", false},
  };
  for (const Verdict& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsWebUrl(c.text), c.expected);
  }
}

TEST(IsPageUrl, Cases) {
  const Verdict cases[] = {
      {"site root", "http://host/", true},
      {"html page", "http://host/a.html", true},
      {"bare host", "http://host", false},
      {"path without extension", "http://host/dir/page", false},
      {"other extension", "http://host/a.asp", false},
      {"upper case", "http://HOST/DIR/A.HTM", true},
      {"php with query", "http://host/list.php?id=3", true},
      {"dot only in a folder", "http://host/v1.2/page", false},
      {"directory without //", "dir/", true},
      {"file without //", "a.html", false},
  };
  for (const Verdict& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsPageUrl(c.text), c.expected);
  }
}

TEST(ClassifyResourceUrl, Cases) {
  struct Case {
    const char* reference;
    ResourceClass expected;
  } cases[] = {
      {"a.css", ResourceClass::Text},
      {"logo.PNG", ResourceClass::Image},
      {"page.html", ResourceClass::NotFetched},
      {"a b.css", ResourceClass::NotFetched},
      {"file.pdf", ResourceClass::NotFetched},
      {"file.pdf?x=1", ResourceClass::Text},
      {"a.json", ResourceClass::Text},
      {"x.jpg.html", ResourceClass::NotFetched},
      {"mailto:a@b.jp", ResourceClass::NotFetched},
      {"show.php?type=css", ResourceClass::NotFetched},
      {"pic.gif?v=2", ResourceClass::Image},
      {"favicon.ico", ResourceClass::Image},
      {"feed.RSS", ResourceClass::Text},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(ClassifyResourceUrl(c.reference), c.expected);
  }
}

TEST(IsModernFileReference, Cases) {
  struct Case {
    const char* reference;
    bool expected;
  } cases[] = {
      {"fonts/f.woff2", true},
      {"F.WOFF", true},
      {"f.ttf?v=3", true},
      {"g.eot?#iefix", true},
      {"f.otf#x", true},
      {"img/c.webp", true},
      {"c.AVIF", true},
      {"icon.svg", true},
      {"old.bmp", true},
      {"js/main.mjs", true},
      {"site.webmanifest", true},
      {"a.png", false},
      {"font.php?f=a.woff2", false},
      {"svg.html", false},
      {"a.woff2.txt", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(IsModernFileReference(c.reference), c.expected);
  }
}

TEST(IsLinkStatusText, Cases) {
  const Verdict cases[] = {
      {"link address", "http://a/b.html", true},
      {"script link", "javascript:void(0)", true},
      {"address with Japanese", "http://a/" + Sjis("日本.html"), true},
      {"empty", "", false},
      {"page message", Sjis("ページが表示されました"), false},
      {"download message", Sjis("ダウンロードしています"), false},
      {"blank", "http://a/ b", false},
      {"full-width blank", Sjis("完了　"), false},
      {"image message", Sjis("画像を読み込み中"), false},
      {"content message", Sjis("内容"), false},
      {"selection message", Sjis("選択"), false},
  };
  for (const Verdict& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsLinkStatusText(c.text), c.expected);
  }
}

}  // namespace
}  // namespace pellucor

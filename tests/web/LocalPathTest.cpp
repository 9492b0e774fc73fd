#include "web/LocalPath.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"
#include "text/Base64.h"
#include "web/PageFiles.h"
#include "web/PathBounds.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(UrlToLocalPath, Names) {
  struct Case {
    const char* name;
    std::string url;
    UrlDecodeMode mode;
    LocalName kind;
    std::string expected;
  } cases[] = {
      {"host dropped", "http://www.host/a/b.css", UrlDecodeMode::None, LocalName::Plain,
       "/s/a/b.css"},
      {"as fetched", "http://www.host/a/b.css", UrlDecodeMode::None, LocalName::AsFetched,
       "/s/a/ZZOrg_b.css"},
      {"as fetched, folder URL", "http://host/a/", UrlDecodeMode::None, LocalName::AsFetched,
       "/s/a/ZZOrg_index.html"},
      {"folder URL", "http://host/a/", UrlDecodeMode::None, LocalName::Plain, "/s/a/"},
      {"query", "http://h/dir/list.php?id=3", UrlDecodeMode::None, LocalName::Plain,
       "/s/dir/list.php@id=3"},
      {"port and colon", "http://h:8080/a:b.css", UrlDecodeMode::None, LocalName::Plain,
       "/s/a;b.css"},
      {"URL in the query stays one name", "http://h/a.php?u=http://x/b", UrlDecodeMode::None,
       LocalName::Plain, "/s/a.php@u=http;~x~b"},
      {"https www form", "https://www5b.host/x.png", UrlDecodeMode::None, LocalName::Plain,
       "/s/x.png"},
      {"decoded name", "http://h/%E6%97%A5.html", UrlDecodeMode::PercentUtf8, LocalName::Plain,
       "/s/" + Sjis("日.html")},
      {"backslash separates", "http://h/a\\b.css", UrlDecodeMode::None, LocalName::Plain,
       "/s/a/b.css"},
      {"second byte 0x5C kept", "http://h/" + Sjis("表.css"), UrlDecodeMode::None, LocalName::Plain,
       "/s/" + Sjis("表.css")},
      {"fragment dropped", "http://h/f/g.eot?#iefix", UrlDecodeMode::None, LocalName::Plain,
       "/s/f/g.eot@"},
      {"no // is unchanged", "../a/b.css", UrlDecodeMode::None, LocalName::AsFetched, "../a/b.css"},
      {"nothing left after decoding", "//", UrlDecodeMode::Base64, LocalName::Plain, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UrlToLocalPath(c.url, "/s/", c.mode, c.kind), c.expected);
  }
}

TEST(UrlToLocalPath, EmptySaveFolderGivesARelativePath) {
  EXPECT_EQ(UrlToLocalPath("http://host/a/b.css", "", UrlDecodeMode::None), "a/b.css");
  // The second "//" becomes "|" and the host goes; the leading "/" left over goes too.
  EXPECT_EQ(UrlToLocalPath("ftp://h//etc/passwd", "", UrlDecodeMode::None), "etc/passwd");
}

// However a URL hides "..", no decode mode lets its local file climb out of the save folder.
TEST(UrlToLocalPath, NeverClimbsOutOfTheSaveFolder) {
  const std::string folder = "/save/";
  struct Case {
    const char* name;
    std::string url;
    UrlDecodeMode mode;
    std::string expected;  // empty: only checked to lie inside
  } cases[] = {
      {"plain ..", "http://h/../../etc/passwd", UrlDecodeMode::None, "/save/etc/passwd"},
      {"mixed . and ..", "http://h/a/./../../b", UrlDecodeMode::None, "/save/a/b"},
      {"backslashes", "http://h/..\\..\\etc\\x", UrlDecodeMode::None, "/save/etc/x"},
      {"percent dots undecoded are names", "http://h/%2e%2e/%2E%2E/x", UrlDecodeMode::None,
       "/save/%2e%2e/%2E%2E/x"},
      {"angle brackets that vanish", "http://h/.<./.>./x", UrlDecodeMode::None, "/save/x"},
      {"dots only", "http://h/a/..../x", UrlDecodeMode::None, "/save/a/x"},
      {"lead byte before /", "http://h/\x81/../../x", UrlDecodeMode::None, "/save/\x81/x"},
      {"after =http one name", "http://h/a/../../?u=http://x/../../y", UrlDecodeMode::None,
       "/save/a/@u=http;~x~..~..~y"},
      {"utf-8 %2e%2e", "http://h/%2e%2e/%2E%2E/etc/x", UrlDecodeMode::PercentUtf8, "/save/etc/x"},
      {"utf-8 %2F", "http://h/a%2F..%2F..%2F..%2Fx", UrlDecodeMode::PercentUtf8, "/save/a/x"},
      {"utf-8 %5C", "http://h/..%5C..%5Cx", UrlDecodeMode::PercentUtf8, "/save/x"},
      {"utf-8 %3C", "http://h/.%3C./.%3E./x", UrlDecodeMode::PercentUtf8, "/save/x"},
      {"utf-8 overlong dots", "http://h/%C0%AE%C0%AE/x", UrlDecodeMode::PercentUtf8, ""},
      {"utf-8 NUL", "http://h/..%00/../x", UrlDecodeMode::PercentUtf8, "/save/"},
      {"euc %2e%2e", "http://h/%2e%2e/%2e%2e/x", UrlDecodeMode::PercentEucCrLf, "/save/x"},
      {"web hex %2E%2E%5C", "http://h/%2E%2E%5C%2E%2E%5Cx", UrlDecodeMode::PercentEuc, "/save/x"},
      {"%252e twice encoded", "http://h/%252e%252e/%252e%252e/x", UrlDecodeMode::Percent25Utf8,
       "/save/x"},
      {"%2e under the %25 mode", "http://h/%2e%2e/x", UrlDecodeMode::Percent25Utf8, "/save/x"},
      {"base64 ../", Base64Encode("\xff\xff\xff/../../../etc/passwd"), UrlDecodeMode::Base64,
       "/save/etc/passwd"},
      {"base64 ..\\", Base64Encode("http://h/..\\..\\xy") + "////", UrlDecodeMode::Base64, ""},
      {"unknown mode", "http://h/../x", static_cast<UrlDecodeMode>(9), "/save/x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(c.url.find("//"), std::string::npos) << "a case must be a URL";
    for (const LocalName kind : {LocalName::Plain, LocalName::AsFetched}) {
      const std::string path = UrlToLocalPath(c.url, folder, c.mode, kind);
      EXPECT_FALSE(path.empty());
      EXPECT_TRUE(IsInsideFolder(path, folder)) << path;
      if (kind == LocalName::Plain && !c.expected.empty()) {
        EXPECT_EQ(path, c.expected);
      }
    }
    EXPECT_TRUE(IsInsideFolder(PagePath(c.url, folder, c.mode), folder));
    EXPECT_TRUE(IsInsideFolder(AsFetchedPath(c.url, folder, c.mode), folder));
  }
}

TEST(UrlToLocalPath, JapaneseSaveFolderKeepsItsBackslashByte) {
  const std::string folder = "/" + Sjis("表") + "/";
  const std::string path = UrlToLocalPath("http://h/../x.css", folder, UrlDecodeMode::None);
  EXPECT_EQ(path, folder + "x.css");
  EXPECT_TRUE(IsInsideFolder(path, folder));
}

}  // namespace
}  // namespace pellucor

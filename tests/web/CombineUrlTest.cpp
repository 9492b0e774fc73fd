#include "web/CombineUrl.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

struct Resolution {
  const char* reference;
  const char* expected;
};

constexpr const char* kRfcBase = "http://a/b/c/d;p?q";

// RFC 3986 section 5.4.1.
TEST(CombineUrl, RfcNormalExamples) {
  const Resolution cases[] = {
      {"g:h", "g:h"},
      {"g", "http://a/b/c/g"},
      {"./g", "http://a/b/c/g"},
      {"g/", "http://a/b/c/g/"},
      {"/g", "http://a/g"},
      {"//g", "http://g"},
      {"?y", "http://a/b/c/d;p?y"},
      {"g?y", "http://a/b/c/g?y"},
      {"#s", "http://a/b/c/d;p?q#s"},
      {"g#s", "http://a/b/c/g#s"},
      {"g?y#s", "http://a/b/c/g?y#s"},
      {";x", "http://a/b/c/;x"},
      {"g;x", "http://a/b/c/g;x"},
      {"g;x?y#s", "http://a/b/c/g;x?y#s"},
      {"", "http://a/b/c/d;p?q"},
      {".", "http://a/b/c/"},
      {"./", "http://a/b/c/"},
      {"..", "http://a/b/"},
      {"../", "http://a/b/"},
      {"../g", "http://a/b/g"},
      {"../..", "http://a/"},
      {"../../", "http://a/"},
      {"../../g", "http://a/g"},
  };
  for (const Resolution& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(CombineUrl(kRfcBase, c.reference), c.expected);
  }
}

// RFC 3986 section 5.4.2.
TEST(CombineUrl, RfcAbnormalExamples) {
  const Resolution cases[] = {
      {"../../../g", "http://a/g"},
      {"../../../../g", "http://a/g"},
      {"/./g", "http://a/g"},
      {"/../g", "http://a/g"},
      {"g.", "http://a/b/c/g."},
      {".g", "http://a/b/c/.g"},
      {"g..", "http://a/b/c/g.."},
      {"..g", "http://a/b/c/..g"},
      {"./../g", "http://a/b/g"},
      {"./g/.", "http://a/b/c/g/"},
      {"g/./h", "http://a/b/c/g/h"},
      {"g/../h", "http://a/b/c/h"},
      {"g;x=1/./y", "http://a/b/c/g;x=1/y"},
      {"g;x=1/../y", "http://a/b/c/y"},
      {"g?y/./x", "http://a/b/c/g?y/./x"},
      {"g?y/../x", "http://a/b/c/g?y/../x"},
      {"g#s/./x", "http://a/b/c/g#s/./x"},
      {"g#s/../x", "http://a/b/c/g#s/../x"},
      {"http:g", "http:g"},
  };
  for (const Resolution& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(CombineUrl(kRfcBase, c.reference), c.expected);
  }
}

TEST(CombineUrl, PageReferences) {
  struct Case {
    const char* name;
    std::string base, reference, expected;
  } cases[] = {
      {"relative style sheet", "http://host/d/p.html", "css/a.css", "http://host/d/css/a.css"},
      {"http inside the reference wins", "http://host/d/p.html", "x_http_y.css", "http_y.css"},
      {"redirect reference", "http://host/d/p.html", "/go?to=http://h/x", "http://h/x"},
      {"absolute reference is normalised", "http://host/d/p.html", "http://other/x/../y",
       "http://other/y"},
      {"script-escaped slashes", "http://host/d/p.html", "js\\/a.js", "http://host/d/js/a.js"},
      {"@.css removed in any case", "http://host/d/p.html", "main@.CSS?v=1",
       "http://host/d/main?v=1"},
      {"protocol-relative", "https://host/d/p.html", "//cdn/x.js", "https://cdn/x.js"},
      {"base without path", "http://host", "a.css", "http://host/a.css"},
      {"fragment of the base is not kept", "http://h/a/b?q#f", "c", "http://h/a/c"},
      {"second byte 0x5C is no escape", "http://h/d/", Sjis("表") + "/a.css",
       "http://h/d/" + Sjis("表") + "/a.css"},
      {"relative base cannot resolve", "", "a.css", ""},
      {"cut at NUL", "http://h/a/", std::string("x\0y", 3), "http://h/a/x"},
      {"longer than an address can be", "http://h/", std::string(10240, 'a'), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CombineUrl(c.base, c.reference), c.expected);
  }
}

}  // namespace
}  // namespace pellucor

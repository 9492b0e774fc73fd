#include "html/ReferenceText.h"

#include <gtest/gtest.h>

#include <string>

namespace pellucor {
namespace {

TEST(ReferenceFromAttribute, DecodesWhatStandsForAscii) {
  struct Case {
    const char* written;
    const char* reference;
  } cases[] = {
      {"a.php?x=1&amp;size=2", "a.php?x=1&size=2"},
      {"&quot;c.png&quot;", "c.png"},
      {"&#39;c.png&#x27;", "c.png"},
      {"a&AMP;b&lt;c&gt;&apos;", "a&b<c>'"},
      {"&#65;&#x42;", "AB"},
      {"a&b=1", "a&b=1"},              // a bare ampersand
      {"a&amp", "a&amp"},              // no semicolon
      {"&nbsp;x", "&nbsp;x"},          // not ASCII
      {"&#200;x&#0;", "&#200;x&#0;"},  // past ASCII, or nothing
      {"&#x;", "&#x;"},
      {"\"a.gif'", "\"a.gif'"},  // quotes that do not match stay
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReferenceFromAttribute(c.written), c.reference) << c.written;
}

TEST(ExpandProtocolRelativeIn, WritesTheSchemeBeforeReferencesOnly) {
  struct Case {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"<img src=\"//host.jp/p.gif\">", "<img src=\"https://host.jp/p.gif\">"},
      {"<img src='//127.0.0.1:8080/p.gif'>", "<img src='https://127.0.0.1:8080/p.gif'>"},
      {"<img src=//localhost/p.gif>", "<img src=https://localhost/p.gif>"},
      {"url(//cdn.example/a.png) url(\"//cdn.example/b.png\")",
       "url(https://cdn.example/a.png) url(\"https://cdn.example/b.png\")"},
      {"<a href=\"//host.jp\">", "<a href=\"https://host.jp\">"},
      // Not references: a comment, an address with its scheme, a host without a dot.
      {"x = 1; // the count", "x = 1; // the count"},
      {"<img src=\"http://host.jp/p.gif\">", "<img src=\"http://host.jp/p.gif\">"},
      {"<img src=\"//images/p.gif\">", "<img src=\"//images/p.gif\">"},
      {"<p>a // b</p>", "<p>a // b</p>"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    const bool changed = ExpandProtocolRelativeIn(text, "https");
    EXPECT_EQ(text, c.expanded);
    EXPECT_EQ(changed, text != c.text) << c.text;
  }
}

}  // namespace
}  // namespace pellucor

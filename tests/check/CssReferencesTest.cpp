#include "check/CssReferences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellucor {
namespace {

// References written as "url:x" and "import:x", so that a table row reads as the CSS does.
std::vector<std::string> Found(std::string_view css, CssSource source = CssSource::StyleSheet) {
  std::vector<std::string> found;
  for (const CssReference& reference : FindCssReferences(css, source))
    found.push_back((reference.kind == CssReferenceKind::Import ? "import:" : "url:") +
                    reference.text);
  return found;
}

using Strings = std::vector<std::string>;

TEST(FindCssReferences, UrlValues) {
  struct Case {
    const char* name;
    std::string css;
    Strings expected;
  } cases[] = {
      {"unquoted", "a{background:url(img/a.gif)}", {"url:img/a.gif"}},
      {"double quoted", "a{background:url(\"b c.gif\")}", {"url:b c.gif"}},
      {"single quoted", "a{background:url('d.gif')}", {"url:d.gif"}},
      {"blanks inside the parentheses",
       "a{b:url(  e.gif  )} c{d:url( \"f.gif\" )}",
       {"url:e.gif", "url:f.gif"}},
      {"name in capitals", "a{b:URL(g.gif)}", {"url:g.gif"}},
      {"name written with an escape", "a{b:\\75 rl(h.gif)}", {"url:h.gif"}},
      {"escapes in the value",
       "a{b:url(a\\(1\\).gif)} c{d:url(\"\\6F.gif\")}",
       {"url:a(1).gif", "url:o.gif"}},
      {"escaped quote in a string", "a{b:url(\"q\\\".gif\")}", {"url:q\".gif"}},
      {"line end continued in a string", "a{b:url(\"long\\\nname.gif\")}", {"url:longname.gif"}},
      {"several in one declaration",
       "a{background:url(a.png), url(b.png)}",
       {"url:a.png", "url:b.png"}},
      {"font faces",
       "@font-face{src:url(f.woff2) format(\"woff2\"),url(f.woff)}",
       {"url:f.woff2", "url:f.woff"}},
      {"inside media rules", "@media print{a{b:url(p.gif)}}", {"url:p.gif"}},
      {"image-set strings are URLs",
       "a{b:image-set(\"a.png\" 1x, url(b.png) 2x);c:-webkit-image-set('c.png' 1x)}",
       {"url:a.png", "url:b.png", "url:c.png"}},
      {"strings elsewhere are not", "a{content:\"url(no.gif)\";font-family:'x.gif'}", {}},
      {"empty value", "a{b:url()}", {"url:"}},
      {"value cut off at the end", "a{b:url(cut.gif", {"url:cut.gif"}},
      {"non-ASCII value", "a{b:url(画像.gif)}", {"url:画像.gif"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Found(c.css), c.expected);
  }
}

// What is not a url() token must not count, nor must the values a tokenizer rejects.
TEST(FindCssReferences, LookAlikesAndBadUrls) {
  struct Case {
    const char* name;
    std::string css;
    Strings expected;
  } cases[] = {
      {"in a comment", "/* url(c1.gif) */a{b:url(real.gif)}/* url(c2.gif)", {"url:real.gif"}},
      {"comment holding a quote", "/* it's */a{b:url(x.gif)}", {"url:x.gif"}},
      {"comment marker inside a string", "a{content:\"/*\";b:url(after.gif)}", {"url:after.gif"}},
      {"comment marker inside a URL",
       "a{b:url(a/*b.gif)}c{d:url(e.gif)}",
       {"url:a/*b.gif", "url:e.gif"}},
      {"longer function names", "a{b:myurl(x.gif);c:url-prefix(y);d:-url(z)}", {}},
      {"hash and dimension", "#url(a.gif){} a{width:5url(b.gif)}", {}},
      {"blank before the parenthesis", "a{b:url (x.gif)}", {}},
      {"blank inside an unquoted value", "a{b:url(a b.gif)}c{d:url(ok.gif)}", {"url:ok.gif"}},
      {"quote inside an unquoted value", "a{b:url(a\"b.gif)}c{d:url(ok.gif)}", {"url:ok.gif"}},
      // The rest of the line after the broken string opens another string, which runs to the
      // next line end.
      {"string broken by a line end",
       "a{b:url(\"broken\n.gif\")}\nc{d:url(ok.gif)}",
       {"url:ok.gif"}},
      {"namespace URLs load nothing", "@namespace svg url(http://www.w3.org/2000/svg);a{}", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Found(c.css), c.expected);
  }
}

TEST(FindCssReferences, ImportsWhereBrowsersHonourThem) {
  struct Case {
    const char* name;
    std::string css;
    CssSource source;
    Strings expected;
  } cases[] = {
      {"string", "@import \"a.css\";", CssSource::StyleSheet, {"import:a.css"}},
      {"url()",
       "@import url(b.css);@import url('c.css') screen;",
       CssSource::StyleSheet,
       {"import:b.css", "import:c.css"}},
      {"keyword in capitals, comments around",
       "/* head */ @IMPORT /* x */ 'd.css' /* y */; a{b:url(i.gif)}",
       CssSource::StyleSheet,
       {"import:d.css", "url:i.gif"}},
      {"after @charset and layer statements",
       "@charset \"utf-8\";@layer base;@import 'e.css' layer(base) supports(display:grid);",
       CssSource::StyleSheet,
       {"import:e.css"}},
      {"after a rule: ignored",
       "a{}@import 'late.css';b{c:url(i.gif)}",
       CssSource::StyleSheet,
       {"url:i.gif"}},
      {"after a stray semicolon: ignored", ";@import 'late.css';", CssSource::StyleSheet, {}},
      {"inside a block: ignored", "@media print{@import 'in.css';}", CssSource::StyleSheet, {}},
      {"after a layer block: ignored", "@layer x{}@import 'late.css';", CssSource::StyleSheet, {}},
      {"CDO and CDC of a style element",
       "<!--\n@import 'f.css';\n-->",
       CssSource::StyleSheet,
       {"import:f.css"}},
      {"in declarations: ignored",
       "color:red;@import 'no.css';background:url(bg.gif)",
       CssSource::Declarations,
       {"url:bg.gif"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Found(c.css, c.source), c.expected);
  }
}

// Cut-off and malformed input of every kind ends with what was read so far.
TEST(FindCssReferences, EndsOnTruncatedInput) {
  const std::string css = "@import url(\"a.css\") screen;a{b:url( x \\";
  for (std::size_t length = 0; length <= css.size(); ++length) {
    SCOPED_TRACE(length);
    EXPECT_LE(FindCssReferences(css.substr(0, length), CssSource::StyleSheet).size(), 2u);
  }
  EXPECT_EQ(Found("@import"), Strings{});
  EXPECT_EQ(Found("a{b:url(\\"), Strings{"url:\xEF\xBF\xBD"});
}

}  // namespace
}  // namespace pellucor

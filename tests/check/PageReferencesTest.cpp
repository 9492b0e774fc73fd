#include "check/PageReferences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellucor {
namespace {

using Strings = std::vector<std::string>;

// The references as "kind:text" (resource, sheet, frame), inline style as "style:" or
// "attribute:" and srcdoc as "srcdoc:", so that a table row reads like the page.
Strings Found(std::string_view page) {
  const PageReferences found = FindPageReferences(page);
  Strings lines;
  for (const PageReference& reference : found.references) {
    const char* kind = reference.kind == PageReferenceKind::StyleSheet ? "sheet:"
                       : reference.kind == PageReferenceKind::Frame    ? "frame:"
                                                                       : "resource:";
    lines.push_back(kind + reference.text);
  }
  for (const InlineStyle& style : found.styles)
    lines.push_back((style.source == CssSource::StyleSheet ? "style:" : "attribute:") + style.text);
  for (const std::string& document : found.inlineDocuments)
    lines.push_back("srcdoc:" + document);
  return lines;
}

TEST(FindPageReferences, ElementsThatLoadResources) {
  struct Case {
    const char* name;
    std::string page;
    Strings expected;
  } cases[] = {
      {"image", "<img src='a.gif'>", {"resource:a.gif"}},
      {"character references decoded",
       "<img src=\"a.cgi?x=1&amp;y=2&#x41;\">",
       {"resource:a.cgi?x=1&y=2A"}},
      {"srcset candidates",
       "<img src=a.gif srcset='b.gif 2x, c%20d.gif 3x'>",
       {"resource:a.gif", "resource:b.gif", "resource:c%20d.gif"}},
      {"script", "<script src='s.js'></script>", {"resource:s.js"}},
      {"style sheet link", "<link rel='Alternate StyleSheet' href='a.css'>", {"sheet:a.css"}},
      {"loaded links",
       "<link rel='shortcut icon' href='f.ico'><link rel=preload href=p.woff>"
       "<link rel=modulepreload href=m.js><link rel=manifest href=m.json>",
       {"resource:f.ico", "resource:p.woff", "resource:m.js", "resource:m.json"}},
      {"preloaded image set",
       "<link rel=preload as=image imagesrcset='i1.png 1x, i2.png 2x'>",
       {"resource:i1.png", "resource:i2.png"}},
      {"links that load nothing",
       "<link rel=canonical href=c.html><link rel=next href=n.html><link href=x.css>",
       {}},
      {"frames", "<frameset><frame src='f.html'></frameset>", {"frame:f.html"}},
      {"inline frame", "<iframe src='i.html'></iframe>", {"frame:i.html"}},
      {"srcdoc wins over src",
       "<iframe srcdoc='<img src=&quot;x.gif&quot;>' src='no.html'>",
       {"srcdoc:<img src=\"x.gif\">"}},
      {"media",
       "<video src=v.mp4 poster=p.jpg><source src=s.webm></video><audio src=a.ogg>",
       {"resource:v.mp4", "resource:p.jpg", "resource:s.webm", "resource:a.ogg"}},
      {"picture sources",
       "<picture><source srcset='w.webp 1x'><img src=i.jpg></picture>",
       {"resource:w.webp", "resource:i.jpg"}},
      {"object and embed",
       "<object data=o.swf></object><embed src=e.swf>",
       {"resource:o.swf", "resource:e.swf"}},
      {"image button, not other inputs",
       "<input type=IMAGE src=b.gif><input type=text src=t.gif>",
       {"resource:b.gif"}},
      {"backgrounds",
       "<body background=bg.gif><table background=t.gif><tr><td background=d.gif>"
       "<th background=h.gif></table>",
       {"resource:bg.gif", "resource:t.gif", "resource:d.gif", "resource:h.gif"}},
      {"SVG image, href before xlink:href",
       "<svg><image xlink:href='x.png'/><image href='h.png' xlink:href='old.png'/></svg>",
       {"resource:x.png", "resource:h.png"}},
      {"HTML image tag is an img", "<image src=i.gif>", {"resource:i.gif"}},
      {"style element and attribute",
       "<style>a{b:url(s.gif)}</style><p style='background:url(&quot;p.gif&quot;)'>",
       {"style:a{b:url(s.gif)}", "attribute:background:url(\"p.gif\")"}},
      {"after a noscript",
       "<noscript><img src=n.gif></noscript><img src=after.gif>",
       {"resource:after.gif"}},
      {"SVG style", "<svg><style>a{b:url(v.gif)}</style></svg>", {"style:a{b:url(v.gif)}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Found(c.page), c.expected);
  }
}

// What a browser does not load by itself when it shows the page.
TEST(FindPageReferences, WhatLoadsNothing) {
  struct Case {
    const char* name;
    std::string page;
  } cases[] = {
      {"navigation", "<a href='http://example.com/'>x</a><form action='http://e/'></form>"},
      {"comment", "<!-- <img src='c.gif'> -->"},
      {"script text", "<script>document.write('<img src=w.gif>')</script>"},
      {"template", "<template><img src='t.gif'></template>"},
      {"noscript in the head",
       "<noscript><img src='n.gif'><p style='background:url(p.gif)'>"
       "</noscript>"},
      {"noscript in the body", "<body><p><noscript><img src='n.gif'></NOSCRIPT>"},
      {"text that looks like a tag", "<textarea><img src='t.gif'></textarea>"},
      {"attribute of another element", "<div src='d.gif' background='b.gif'></div>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Found(c.page), Strings{});
  }
}

TEST(FindPageReferences, FirstBaseWithAnHref) {
  EXPECT_FALSE(FindPageReferences("<p>no base</p>").baseHref);
  EXPECT_EQ(FindPageReferences("<base target=_top><base href='a/'><base href='b/'>").baseHref,
            "a/");
  EXPECT_EQ(FindPageReferences("<body><base href='late/'>").baseHref, "late/");
}

}  // namespace
}  // namespace pellucor

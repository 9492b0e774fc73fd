#include "html/FrameSources.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;
using Items = std::vector<std::string>;

TEST(FrameSources, Cases) {
  struct Case {
    const char* name;
    std::string html;
    Items sources;
  } cases[] = {
      {"three quote styles",
       "<frameset><frame src=\"left.html\"><frame src='right.html'>"
       "<frame src=right2.html></frameset>",
       {"left.html", "right.html", "right2.html"}},
      {"inline frames and upper case",
       "<IFRAME SRC='inner.html' width=1></IFRAME><iframe Src = \"b.html\" />",
       {"inner.html", "b.html"}},
      {"unquoted up to a blank or the tag's end",
       "<frame name=a src=menu.php?x=1&amp;y=2 noresize><iframe src=c.html>",
       {"menu.php?x=1&amp;y=2", "c.html"}},
      {"a blank inside quotes is kept", "<frame src=\"my page.html\">", {"my page.html"}},
      {"other tags and names that only end in src",
       "<img src='a.gif'><script src=\"s.js\"></script><frameset src='no.html'>"
       "<iframe data-src='lazy.html'><framed src='x.html'>",
       {}},
      {"src written inside another value",
       "<iframe title=\"src='not.html'\" src='yes.html'>",
       {"yes.html"}},
      {"the first of two src attributes", "<iframe src='1.html' src='2.html'>", {"1.html"}},
      {"no src, an empty src, an end tag", "<iframe></iframe><frame src=''><frame src=>", {}},
      {"a quote missing its end runs to the text's end", "<frame src='open.html>", {"open.html>"}},
      {"Shift_JIS names whose second bytes are ASCII letters",
       Sjis("<iframe title=表示 src='ソース.html'>"),
       {Sjis("ソース.html")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FrameSources(c.html), c.sources);
  }
}

}  // namespace
}  // namespace pellucor

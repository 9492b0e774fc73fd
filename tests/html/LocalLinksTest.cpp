#include "html/LocalLinks.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

TEST(MakeLocalLinks, Cases) {
  struct Case {
    const char* name;
    std::string top;
    std::string in;
    std::string out;
  } cases[] = {
      {"empty link to the top page", "", "<a href=\"\">", "<a href=\"index.html\">"},
      {"directory links in double quotes", "top.html",
       "<a href=\"../../\"><a href=\"../\"><a href=\"d/\">",
       "<a href=\"../../top.html\"><a href=\"../top.html\"><a href=\"d/top.html\">"},
      {"single quotes become double", "top.html", "<a href='../'>", "<a href=\"../top.html\">"},
      {"absolute URLs are kept", "", "<a href=\"http://h/\">", "<a href=\"http://h/index.html\">"},
      {"backslashes become slashes", "", "<a href=\"a\\b.html\">", "<a href=\"a/b.html\">"},
      {"colons of relative links", "", "<a href=\"x:/y\">", "<a href=\"x;/y\">"},
      {"query links after the body", "",
       "<body><a href=\"list.php?id=3\"><a href=\"p.jsp\"><a href='q.asp'><a href=\"d/\" >",
       "<body><a href=\"list.php@id=3.html\"><a href=\"p.jsp.html\"><a href='q.asp.html'>"
       "<a href=\"d/index.html\" >"},
      {"query links before the body stay", "",
       "<link href=\"s.php?x=1\"><body><a href=\"l.php?x=1\">",
       "<link href=\"s.php?x=1\"><body><a href=\"l.php@x=1.html\">"},
      {"a body tag in capitals leaves query links", "", "<BODY><a href=\"list.php?id=3\">",
       "<BODY><a href=\"list.php?id=3\">"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MakeLocalLinks(c.top, c.in), c.out);
  }
}

TEST(MakeLocalLinks, ShiftJisSecondBytesAreNoBackslashes) {
  const std::string name = testing::Sjis("表示.html");
  EXPECT_EQ(MakeLocalLinks("", "<a href=\"" + name + "\">"), "<a href=\"" + name + "\">");
}

}  // namespace
}  // namespace pellucor

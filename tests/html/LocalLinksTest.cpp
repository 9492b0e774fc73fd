#include "html/LocalLinks.h"

#include <gtest/gtest.h>

#include <vector>

#include "html/HtmlScan.h"
#include "support/Iconv.h"
#include "text/TextSearch.h"

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

// The query links as defined: one replace-all after the body tag for every query met, marker
// after marker, each only when its pattern is in the text in its exact case at that moment.
std::string OnePassPerQuery(std::string text) {
  const std::size_t body = PosFrom("<body", text, 0);
  std::vector<std::string> queries;
  for (const char* marker : {".asp?", ".jsp?", ".php?", ".html?"}) {
    for (std::string& query : CollectBetween(text, marker, "\""))
      queries.push_back(std::move(query));
  }
  for (const std::string& query : queries)
    text = ReplaceAllAfter(text, query + "\"", query + ".html\"", body);
  return text;
}

TEST(LinkQueryPages, AgreesWithOnePassPerQuery) {
  std::string many = "<head><a href=\"top.php?id=7\"></head><body>\r\n";
  for (int i = 0; i < 300; ++i) {
    const std::string id = std::to_string(i % 120);
    many += "<a href=\"item.php?id=" + id + "&amp;c=Ab\" class=\"x\">" +
            "<a href=\"other.asp?ID=" + id + "&amp;C=aB\">" + "<img src=\"i" + id + ".gif\">\r\n";
  }
  const struct Case {
    const char* name;
    std::string in;
  } cases[] = {
      {"repeated and distinct queries", many},
      {"matches in any case once the exact case is there",
       "<body><a href=\"x.php?ID=1\"><a href=\"y.php?id=1\"><a href=\"z.txt?Id=1\">"},
      {"a pass that takes the only exact occurrence of a later query",
       "<body><a href=\"a.asp?b.php?x=1\"><a href=\"c.txt?X=1\">"},
      {"and one that keeps another",
       "<body><a href=\"a.asp?b.php?x=1\"><a href=\"c.txt?X=1\"><a href=\"d.txt?y=x=1\">"},
      {"a query that is a suffix of another",
       "<body><a href=\"a.php?x=1\"><a href=\"b.php?ax=1\"><a href=\"c.php?AX=1\">"},
      {"second bytes that are letters keep their case",
       "<body><a href=\"a.php?\x83\x41=1\"><a href=\"b.txt?\x83\x61=1\"><a "
       "href=\"c.txt?\x83\x41=1\">"},
      {"no match on a second byte", "<body><a href=\"a.php?A=1\"><a href=\"b.txt?\x83\x41=1\">"},
      {"queries ending as .html are passed again",
       "<body><a href=\"a.php?f=b.html\"><a href=\"x.html?tml\"><a href=\"y.php?lang=nl\">"
       "<a href=\"z.txt?f=b.html\"><a href=\"w.txt?l\">"},
      {"an empty query", "<body><a href=\"a.php?\"><a href=\"b.php?x\">"},
      {"line ends taken out of a query", "<body><a href=\"a.php?x\r\ny\"><a href=\"b.txt?xy\">"},
      {"a query across the body tag", "<p>a.php?x<body>y\"<a href=\"b.txt?x<body>y\">"},
      {"matches before the body tag stay", "<a href=\"a.php?k=1\"><body><a href=\"b.txt?K=1\">"},
      {"no body tag", "<a href=\"a.php?k=1\"><a href=\"b.php?k=1\">"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string text = c.in;
    LinkQueryPagesIn(text);
    EXPECT_EQ(text, OnePassPerQuery(c.in));
  }
}

}  // namespace
}  // namespace pellucor

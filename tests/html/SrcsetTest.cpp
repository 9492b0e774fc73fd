#include "html/Srcset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellucor {
namespace {

using Strings = std::vector<std::string>;

TEST(SrcsetUrls, SplitsCandidatesAsTheHtmlStandardDoes) {
  struct Case {
    const char* name;
    std::string srcset;
    Strings expected;
  } cases[] = {
      {"one URL", "a.gif", {"a.gif"}},
      {"densities", " a.gif 1x ,b.gif 2x,c.gif 1.5x", {"a.gif", "b.gif", "c.gif"}},
      {"widths", "s.jpg 300w, l.jpg 1024w", {"s.jpg", "l.jpg"}},
      {"comma inside a URL", "a,b.gif 1x, c.gif 2x", {"a,b.gif", "c.gif"}},
      {"trailing commas end a URL", "a.gif,,, b.gif", {"a.gif", "b.gif"}},
      {"comma inside parentheses", "a.gif (x, y), b.gif", {"b.gif"}},
      {"line ends and tabs", "a.gif\n1x,\tb.gif\r\n2x", {"a.gif", "b.gif"}},
      {"invalid descriptors drop the candidate",
       "a.gif 2q, b.gif 1x 2x, c.gif 0w, d.gif 1x",
       {"d.gif"}},
      {"width and density together", "a.gif 100w 1x", {}},
      {"height needs a width", "a.gif 100h, b.gif 100w 50h", {"b.gif"}},
      {"nothing", " , ", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SrcsetUrls(c.srcset), c.expected);
  }
}

TEST(SrcsetCandidates, GiveWhereEachUrlStandsAndWhetherItIsLoaded) {
  const std::string srcset = " a.gif 2q, /b.gif 2x,c.gif";
  const std::vector<SrcsetCandidate> candidates = SrcsetCandidates(srcset);
  ASSERT_EQ(candidates.size(), 3u);
  EXPECT_EQ(candidates[0].offset, 1u);
  EXPECT_FALSE(candidates[0].loaded);
  EXPECT_EQ(candidates[1].offset, srcset.find("/b.gif"));
  EXPECT_EQ(candidates[1].url, "/b.gif");
  EXPECT_TRUE(candidates[1].loaded);
  EXPECT_EQ(candidates[2].url, "c.gif");
  EXPECT_TRUE(candidates[2].loaded);
}

TEST(RewriteSrcsetUrlsIn, RewritesTheCandidatesItIsGivenTextsFor) {
  std::string page =
      "<img srcset=\"/a.png 1x, b.png 2x,/c.png\" src=\"/d.png\">"
      "<source data-srcset='/e.png 100w'><IMG SRCSET = \"/h.png 2x\"><img srcset>"
      "<p>srcset=\"/f.png\"</p><img srcset=\"/g.png";
  RewriteSrcsetUrlsIn(page, [](std::string_view url) -> std::optional<std::string> {
    if (!url.starts_with('/')) return std::nullopt;
    return "../" + std::string(url.substr(1));
  });
  // Text that reads like a value is rewritten as one; a value without its end is left.
  EXPECT_EQ(page,
            "<img srcset=\"../a.png 1x, b.png 2x,../c.png\" src=\"/d.png\">"
            "<source data-srcset='../e.png 100w'><IMG SRCSET = \"../h.png 2x\"><img srcset>"
            "<p>srcset=\"../f.png\"</p><img srcset=\"/g.png");
}

}  // namespace
}  // namespace pellucor

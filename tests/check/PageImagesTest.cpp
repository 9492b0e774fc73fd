#include "check/PageImages.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "check/PageReferences.h"

namespace pellucor {
namespace {

// What the whole page gives, parsed as it is.
PageImages ImagesOfTheWholePage(std::string_view page) {
  const PageReferences found = FindPageReferences(page);
  PageImages images;
  images.baseHref = found.baseHref;
  for (const PageReference& reference : found.references)
    if (reference.kind == PageReferenceKind::Image) images.images.push_back(reference.text);
  return images;
}

// Twenty Japanese characters: a run long enough to be shortened.
const std::string kLongRun = "東京の天気予報、本日は晴れのち曇り。ところにより";

TEST(FindPageImages, AddressesAndBaseHoldingLongRunsAreReadFromThePageItself) {
  const std::string page = "<html><head><base href=\"http://example.com/" + kLongRun +
                           "/\"></head><body><p>" + kLongRun + "</p><img src=\"" + kLongRun +
                           ".gif\"><img src=画像" + kLongRun + ".png alt=" + kLongRun +
                           "></body></html>";
  const PageImages images = FindPageImages(page);
  EXPECT_EQ(images.baseHref, "http://example.com/" + kLongRun + "/");
  EXPECT_EQ(images.images,
            (std::vector<std::string>{kLongRun + ".gif", "画像" + kLongRun + ".png"}));
}

// Pages put together at random from pieces that change how the parser reads what follows
// (comments, scripts, raw text, tables, templates, noscript, unquoted values, a byte order
// mark) and long runs of Japanese text between and inside them: the shortened parse must
// always give what the whole page gives.
TEST(FindPageImages, AgreesWithTheWholePageOnRandomPages) {
  const std::vector<std::string> pieces = {
      kLongRun,
      "日本",
      "<img src=\"a.gif\">",
      "<img src=" + kLongRun + ">",
      "<img alt=\"" + kLongRun + "\" src='b.png'>",
      "<img src=\"c.gif?" + kLongRun + "&amp;x=1\">",
      "<img " + kLongRun + "=x src=d.gif>",
      "<IMAGE SRC=e.gif>",
      "<base href=\"/base/\">",
      "<table><tr><td>",
      "</td></tr></table>",
      "<template>",
      "</template>",
      "<noscript>",
      "</noscript>",
      "<script>var s = '<img src=\"f.gif\">';",
      "</script>",
      "<textarea>",
      "</textarea>",
      "<!--",
      "-->",
      "<",
      ">",
      "\"",
      "'",
      "=",
      " ",
      "&amp",
      "&",
      "<svg><image href=\"g.svg\"/></svg>",
      "<p>",
      "<select><option>",
      "<!DOCTYPE html " + kLongRun + ">",
  };
  std::mt19937 random(5);
  for (int round = 0; round < 2000; ++round) {
    std::string page = round % 7 == 0 ? "\xEF\xBB\xBF" + kLongRun : "";
    const int count = 1 + static_cast<int>(random() % 24);
    for (int k = 0; k < count; ++k)
      page += pieces[random() % pieces.size()];
    const PageImages expected = ImagesOfTheWholePage(page);
    const PageImages found = FindPageImages(page);
    ASSERT_EQ(found.images, expected.images) << "page: " << page;
    ASSERT_EQ(found.baseHref, expected.baseHref) << "page: " << page;
  }
}

}  // namespace
}  // namespace pellucor

#include "flash/FlashPage.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

std::string ExpectedPage(const std::string& movie) {
  const std::string lines[] = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
      "",
      "<title>Flash Player Local Display</title>",
      "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">",
      "<meta http-equiv=\"content-script-type\" content=\"text/javascript\">",
      "</head>",
      "<body>",
      "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" width=\"800\" "
      "height=\"300\" id=\"banner\" align=\"middle\">",
      "<param name=\"movie\" value=\"" + movie + "\" />",
      "<param name=\"quality\" value=\"high\" />",
      "<param name=\"bgcolor\" value=\"#e8e8e8\" />",
      "<param name=\"play\" value=\"true\" />",
      "<param name=\"wmode\" value=\"window\" />",
      "<param name=\"scale\" value=\"showall\" />",
      "<param name=\"menu\" value=\"true\" />",
      "<param name=\"devicefont\" value=\"false\" />",
      "<param name=\"salign\" value=\"\" />",
      "<param name=\"allowScriptAccess\" value=\"sameDomain\" />",
      "</object>",
      "</body>",
      "</html>",
  };
  std::string page;
  for (const std::string& line : lines)
    page += line + "\r\n";
  return page;
}

TEST(MakeFlashHTML, TheFixedPageAroundTheMovieAddress) {
  for (const std::string& movie :
       {std::string("C:/movies/a.swf"), testing::Sjis("/home/user/ソフト/表示.swf"),
        std::string("a\"b<c>.swf"), std::string()}) {
    SCOPED_TRACE(movie);
    // The address goes in as it is, quotes and angle brackets included.
    EXPECT_EQ(MakeFlashHTML(movie), ExpectedPage(movie));
  }
}

}  // namespace
}  // namespace pellucor

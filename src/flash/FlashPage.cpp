#include "flash/FlashPage.h"

#include <array>

namespace pellucor {
namespace {

constexpr std::array<std::string_view, 11> kHead = {
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
};

constexpr std::string_view kMovieParamOpen = "<param name=\"movie\" value=\"";
constexpr std::string_view kMovieParamClose = "\" />";

constexpr std::array<std::string_view, 12> kTail = {
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

void AppendLine(std::string& page, std::string_view line) {
  page.append(line);
  page.append("\r\n");
}

}  // namespace

std::string MakeFlashHTML(std::string_view movieAddress) {
  std::string page;
  for (const std::string_view line : kHead)
    AppendLine(page, line);
  AppendLine(page, std::string(kMovieParamOpen) + std::string(movieAddress) +
                       std::string(kMovieParamClose));
  for (const std::string_view line : kTail)
    AppendLine(page, line);
  return page;
}

}  // namespace pellucor

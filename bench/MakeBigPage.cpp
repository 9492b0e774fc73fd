// make_big_page FOLDER SIZE_MIB KIND: writes a site of one big page, FOLDER/index.html of at
// least SIZE_MIB MiB, and the few files it references, for the page-size runs of
// run_big_page.sh. KIND is
//   lines    a page as sites write them, in UTF-8: line after line of nested tags with
//            attributes, Japanese text, images, a link with a query of its own in every
//            entry, root-relative and absolute links, a style sheet and a script;
//   oneline  the page of the hostile-server test: every tag on one line, a span and an image
//            over and over;
//   queries  a line for each of tens of thousands of images, each with a query of its own
//            ("p7.png?7"), whose local names differ from the references.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00;", 19);

std::string LinesPage(std::size_t size) {
  std::string page =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
      "<html lang=\"ja\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
      "<title>大きなページ</title>\n"
      "<link rel=\"stylesheet\" type=\"text/css\" href=\"css/site.css\">\n"
      "<script type=\"text/javascript\" src=\"js/site.js\"></script>\n"
      "</head>\n<body>\n<div id=\"page\">\n";
  page.reserve(size + 4096);
  for (std::size_t n = 0; page.size() < size; ++n) {
    const std::string number = std::to_string(n);
    const std::string image = std::to_string(n % 16);
    page += "<div class=\"entry\" id=\"e" + number + "\">\n";
    page += "\t<h2 class=\"title\"><a href=\"item.php?id=" + number +
            "&amp;cat=news\">東京の天気予報 第" + number + "回</a></h2>\n";
    page +=
        "\t<p class=\"text\">本日は晴れのち曇り、ところにより雨が降るでしょう。"
        "カタカナ・ひらがな・漢字の文章です。<br>\n";
    page += "\t<img src=\"img/i" + image +
            ".gif\" width=\"16\" height=\"16\" alt=\"アイコン\" border=\"0\">\n";
    page += "\t<span style=\"color:#333333\">価格：1,980円（税込）</span>\n";
    page +=
        "\t<a href=\"/about/index.html\">サイトについて</a> | "
        "<a href=\"http://www.example.com/\">外部のサイト</a></p>\n";
    page += "</div>\n\n";
  }
  page += "</div>\n</body>\n</html>\n";
  return page;
}

std::string OneLinePage(std::size_t size) {
  std::string page =
      "<html><head><link rel=\"stylesheet\" href=\"css/good.css\"></head><body>"
      "<img src=\"img/good.gif\">";
  page.reserve(size + 4096);
  while (page.size() < size)
    page += "<span class=\"x\">text &amp; more</span><img src=\"img/good.gif\"> ";
  page += "</body></html>";
  return page;
}

std::string QueriesPage(std::size_t size) {
  std::string page = "<html><head><title>images</title></head><body>\n";
  page.reserve(size + 4096);
  for (std::size_t n = 0; page.size() < size; ++n)
    page += "<img src=\"p" + std::to_string(n) + ".png?" + std::to_string(n) + "\">\n";
  page += "</body></html>\n";
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make_big_page FOLDER SIZE_MIB lines|oneline|queries\n";
    return 64;
  }
  const fs::path root = argv[1];
  const std::size_t size = std::stoul(argv[2]) << 20;
  const std::string kind = argv[3];
  if (kind != "lines" && kind != "oneline" && kind != "queries") {
    std::cerr << "make_big_page: KIND is lines, oneline or queries\n";
    return 64;
  }
  for (const char* sub : {"img", "css", "js"})
    fs::create_directories(root / sub);
  std::ofstream(root / "img" / "good.gif", std::ios::binary) << kGif;
  for (int i = 0; i < 16; ++i)
    std::ofstream(root / "img" / ("i" + std::to_string(i) + ".gif"), std::ios::binary) << kGif;
  std::ofstream(root / "img" / "bg.gif", std::ios::binary) << kGif;
  std::ofstream(root / "css" / "good.css") << "p { color: red; }\n";
  std::ofstream(root / "css" / "site.css")
      << "body { background: url(../img/bg.gif); }\n.entry { margin: 1em; }\n";
  std::ofstream(root / "js" / "site.js") << "var site = 1;\n";
  std::ofstream(root / "index.html", std::ios::binary) << (kind == "lines"     ? LinesPage(size)
                                                           : kind == "queries" ? QueriesPage(size)
                                                                               : OneLinePage(size));
  return 0;
}

// make_big_page FOLDER SIZE_MIB KIND: writes a site of one big page, FOLDER/index.html of at
// least SIZE_MIB MiB, and the few files it references, for the page-size runs of
// run_big_page.sh. KIND is
//   lines    a page as sites write them, in UTF-8: line after line of nested tags with
//            attributes, Japanese text, images, a link with a query of its own in every
//            entry, root-relative and absolute links, a style sheet and a script;
//   oneline  the page of the hostile-server test: every tag on one line, a span and an image
//            over and over;
//   queries  a line for each of tens of thousands of images, each with a query of its own
//            ("p7.png?7"), whose local names differ from the references;
//   shop     a shop's list page in Shift_JIS: rows of products, each a picture of its own
//            (served), a link to its page, a link to the cart with a query, prices and
//            Japanese text - some 1,280 references per MiB;
//   links    a list of links to other pages, one per line (some 5,500 per MiB), and one image
//            at its end;
//   text     Japanese text in paragraphs with almost no references (a style sheet, one image);
//   images   a line for each of thousands of images, each its own file (served): some 6,000
//            in 0.2 MiB.
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

// Shift_JIS of the UTF-8 literals below, done here so that the generator needs no converter:
// the few texts the shop page uses are written out as their Shift_JIS bytes.
const std::string kSjisPrice("\x89\xbf\x8a\x69\x81\x46", 6);                 // 価格：
const std::string kSjisYen("\x89\x7e\x81\x69\x90\xc5\x8d\x9e\x81\x6a", 10);  // 円（税込）
const std::string kSjisCart("\x83\x4a\x81\x5b\x83\x67\x82\xc9\x93\xfc\x82\xea\x82\xe9",
                            14);  // カートに入れる
const std::string kSjisText(
    "\x96\x7b\x93\xfa\x82\xcc\x82\xa8\x82\xb7\x82\xb7\x82\xdf\x8f\xa4\x95\x69\x82"
    "\xc5\x82\xb7\x81\x42\x91\x97\x97\xbf\x96\xb3\x97\xbf\x81\x42",
    34);  // 本日のおすすめ商品です。送料無料。

std::string ShopPage(std::size_t size) {
  std::string page =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
      "<html lang=\"ja\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\n"
      "<title>shop</title>\n"
      "<link rel=\"stylesheet\" type=\"text/css\" href=\"css/site.css\">\n"
      "<script type=\"text/javascript\" src=\"js/site.js\"></script>\n"
      "</head>\n<body>\n<table class=\"items\" width=\"100%\" cellpadding=\"4\">\n";
  page.reserve(size + 4096);
  for (std::size_t n = 0; page.size() < size; ++n) {
    const std::string number = std::to_string(10000 + n);
    page += "<tr class=\"item\">\n\t<td class=\"photo\" width=\"120\" valign=\"top\">";
    page += "<a href=\"item/" + number + ".html\" title=\"item " + number +
            "\"><img src=\"photo/p" + number +
            ".gif\" width=\"100\" height=\"100\" border=\"0\" alt=\"item " + number +
            "\"></a></td>\n";
    page += "\t<td class=\"name\" valign=\"top\"><a href=\"item/" + number + ".html\">" +
            kSjisText + " No." + number + "</a><br>\n\t\t<span class=\"text\">" + kSjisText +
            kSjisText + kSjisText + "</span><br>\n";
    // The product's description: most of a real row's bytes are its text.
    page += "\t\t<div class=\"description\">";
    for (int line = 0; line < 72; ++line)
      page += kSjisText;
    page += "</div>\n";
    page += "\t\t<span class=\"price\" style=\"color:#cc0000\">" + kSjisPrice +
            std::to_string(980 + n % 9000) + kSjisYen + "</span></td>\n";
    page += "\t<td class=\"cart\" valign=\"middle\"><a href=\"cart.cgi?add=" + number +
            "&amp;qty=1\" onclick=\"return add(" + number + ");\">" + kSjisCart + "</a></td>\n";
    page += "</tr>\n<tr><td colspan=\"3\"><hr size=\"1\" noshade></td></tr>\n";
  }
  page += "</table>\n</body>\n</html>\n";
  return page;
}

// How many products ShopPage(size) lists, so that their pictures can be written.
std::size_t ShopItems(const std::string& page) {
  std::size_t items = 0;
  for (std::size_t at = page.find("<tr class=\"item\">"); at != std::string::npos;
       at = page.find("<tr class=\"item\">", at + 1))
    ++items;
  return items;
}

std::string LinksPage(std::size_t size) {
  std::string page =
      "<html><head><meta charset=\"utf-8\"><title>links</title></head><body>\n<ul>\n";
  page.reserve(size + 4096);
  for (std::size_t n = 0; page.size() < size; ++n) {
    const std::string number = std::to_string(n);
    page += "<li><a href=\"archive/2024/page" + number + ".html\">記事 " + number +
            " の見出し（東京・大阪・名古屋）</a> <span class=\"date\">2024-01-01</span></li>\n";
  }
  page += "</ul>\n<img src=\"img/good.gif\" alt=\"end\">\n</body></html>\n";
  return page;
}

std::string TextPage(std::size_t size) {
  std::string page =
      "<html><head><meta charset=\"utf-8\"><title>text</title>"
      "<link rel=\"stylesheet\" href=\"css/good.css\"></head><body>\n"
      "<img src=\"img/good.gif\" alt=\"top\">\n";
  page.reserve(size + 4096);
  for (std::size_t n = 0; page.size() < size; ++n)
    page += "<p>第" + std::to_string(n) +
            "段落。本日は晴れのち曇り、ところにより雨が降るでしょう。"
            "カタカナ・ひらがな・漢字の文章が続きます。<b>太字</b>と<i>斜体</i>もあります。</p>\n";
  page += "</body></html>\n";
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr
        << "usage: make_big_page FOLDER SIZE_MIB lines|oneline|queries|shop|links|text|images\n";
    return 64;
  }
  const fs::path root = argv[1];
  const auto size = static_cast<std::size_t>(std::stod(argv[2]) * (1 << 20));
  const std::string kind = argv[3];
  if (kind != "lines" && kind != "oneline" && kind != "queries" && kind != "shop" &&
      kind != "links" && kind != "text" && kind != "images") {
    std::cerr << "make_big_page: KIND is lines, oneline, queries, shop, links, text or images\n";
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
  std::string page;
  if (kind == "lines") page = LinesPage(size);
  if (kind == "oneline") page = OneLinePage(size);
  if (kind == "queries") page = QueriesPage(size);
  if (kind == "links") page = LinksPage(size);
  if (kind == "text") page = TextPage(size);
  if (kind == "images") {
    page = "<html><head><title>images</title></head><body>\n";
    fs::create_directories(root / "pictures");
    for (std::size_t n = 0; page.size() < size; ++n) {
      const std::string name = "p" + std::to_string(n) + ".gif";
      page += "<img src=\"pictures/" + name + "\" alt=\"\">\n";
      std::ofstream(root / "pictures" / name, std::ios::binary) << kGif;
    }
    page += "</body></html>\n";
  }
  if (kind == "shop") {
    page = ShopPage(size);
    fs::create_directories(root / "photo");
    for (std::size_t n = 0, items = ShopItems(page); n < items; ++n)
      std::ofstream(root / "photo" / ("p" + std::to_string(10000 + n) + ".gif"), std::ios::binary)
          << kGif;
  }
  std::ofstream(root / "index.html", std::ios::binary) << page;
  return 0;
}

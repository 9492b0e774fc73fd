// Whole runs of pages whose files a browser reads otherwise than they are written: protocol-
// relative addresses, character references in attribute values, queries in the names of style
// sheets and scripts, scripts that do not say their charset, a base tag, and the references of
// newer pages: srcset candidates, lazy-loading attributes, fonts, module scripts, preloads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "SiteRun.h"
#include "check/OfflineCheck.h"
#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::kGif;

class ReferenceFormsRun : public testing::SiteRun {
 protected:
  ReferenceFormsRun() : SiteRunWith(HttpClientOptions{}, "site/") {}

  bool Requested(const std::string& path) const {
    const std::vector<std::string> paths = server_.RequestedPaths();
    return std::find(paths.begin(), paths.end(), path) != paths.end();
  }
};

TEST_F(ReferenceFormsRun, ProtocolRelativeAndEncodedReferencesLeadToTheirFiles) {
  const std::string host = server_.Url("/").substr(std::string("http:").size());  // "//127..."
  server_.Serve("/d/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"../css/s.css\"></head><body>"
                "<img src=\"" +
                    host +
                    "img/p.gif\">"
                    "<div style=\"background:url(&quot;../img/c.gif&quot;)\">x</div>"
                    "</body></html>");
  server_.Serve("/css/s.css", "body { background: url(\"" + host + "img/s.gif\"); }\n", "text/css");
  for (const char* image : {"/img/p.gif", "/img/c.gif", "/img/s.gif"})
    server_.Serve(image, kGif, "image/gif");
  ASSERT_EQ(DownloadUrl(server_.Url("/d/index.html")), 0);

  // The addresses the page means were fetched, not the text around them.
  for (const char* image : {"/img/p.gif", "/img/c.gif", "/img/s.gif"})
    EXPECT_TRUE(Requested(image)) << image;
  for (const char* file : {"img/p.gif", "img/c.gif", "img/s.gif"})
    EXPECT_TRUE(Exists(file)) << file;
  EXPECT_NE(Saved("d/index.html").find("<img src=\"../img/p.gif\">"), std::string::npos)
      << Saved("d/index.html");
  EXPECT_NE(Saved("css/s.css").find("url(\"../img/s.gif\")"), std::string::npos)
      << Saved("css/s.css");
  const OfflineCheckResult check = CheckSavedPage(folder_ + "d/index.html");
  EXPECT_EQ(check.referenceCount, 4u);
  EXPECT_TRUE(check.findings.empty()) << check.findings.front().reference;
}

// A style sheet or script with a query is saved under a name that ends in its type, and the page
// and the sheets refer to it by that name: from the disk "q.css@v=1" is no style sheet.
TEST_F(ReferenceFormsRun, StyleSheetsAndScriptsWithQueriesKeepTheirType) {
  server_.Serve("/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"q.css?v=1\">"
                "<script src=\"app.js?v=3\"></script></head><body><p>x</p></body></html>");
  server_.Serve("/q.css", "@import \"b.css?v=2\";\nbody { background: url(img/i.png?3); }\n",
                "text/css");
  server_.Serve("/b.css", "p { color: red; }\n", "text/css");
  server_.Serve("/app.js", "var a = 1;\n", "application/javascript");
  server_.Serve("/img/i.png", kGif, "image/gif");
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);

  for (const char* file : {"q.css@v=1.css", "b.css@v=2.css", "app.js@v=3.js", "img/i.png@3"})
    EXPECT_TRUE(Exists(file)) << file;
  const std::string page = Saved("index.html");
  EXPECT_NE(page.find("href=\"q.css@v=1.css\""), std::string::npos) << page;
  EXPECT_NE(page.find("src=\"app.js@v=3.js\""), std::string::npos) << page;
  const std::string sheet = Saved("q.css@v=1.css");
  EXPECT_NE(sheet.find("@import \"b.css@v=2.css\";"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("url(img/i.png@3)"), std::string::npos) << sheet;
  const OfflineCheckResult check = CheckSavedPage(folder_ + "index.html");
  EXPECT_EQ(check.referenceCount, 4u);
  EXPECT_TRUE(check.findings.empty()) << check.findings.front().reference;
}

// A script that does not say its charset is written in its page's: an EUC-JP page's script is
// converted with the page, so the text it writes stays readable.
TEST_F(ReferenceFormsRun, AScriptWithoutACharsetIsReadInItsPages) {
  const auto euc = [](const char* utf8) {
    return testing::Iconv("UTF-8", "EUC-JP", utf8).value_or("<no EUC-JP>");
  };
  server_.Serve("/index.html",
                euc("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=EUC-JP\"><script src=\"js/w.js\"></script></head>"
                    "<body><p>ページ</p></body></html>"));
  server_.Serve("/js/w.js", euc("document.write('日本語の文');\n"), "application/javascript");
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);
  EXPECT_NE(Saved("js/w.js").find(testing::Sjis("document.write('日本語の文');")),
            std::string::npos)
      << Saved("js/w.js");
  EXPECT_NE(Saved("index.html").find(testing::Sjis("<p>ページ</p>")), std::string::npos);
}

// A base tag decides where every relative reference of the page leads, scripts and images as
// well as style sheets: each is fetched from there and saved at that address's local path, and
// the saved page leads to it whatever is done with the tag - kept as a folder of the save
// folder (modes 0 and 1), or commented out (modes 2 and 3). Root-relative references climb to
// the save folder from where the page's references lead.
TEST_F(ReferenceFormsRun, ABaseTagLeadsEveryReferenceToItsFileInEachMode) {
  server_.Serve("/s4/page.html",
                "<html><head><base href=\"" + server_.Url("/s4/deep/") +
                    "\"><link rel=\"stylesheet\" href=\"st.css\">"
                    "<script src=\"app.js\"></script></head>\n<body><img src=\"pic.png\">\n"
                    "<div style=\"background:url(bgattr.png)\">x</div>\n"
                    "<img src=\"/root4.gif\"></body></html>");
  server_.Serve("/s4/deep/st.css", "p { color: red; }\n", "text/css");
  server_.Serve("/s4/deep/app.js", "var a = 1;\n", "application/javascript");
  for (const char* image : {"/s4/deep/pic.png", "/s4/deep/bgattr.png", "/root4.gif"})
    server_.Serve(image, kGif, "image/gif");

  struct ModeCase {
    int mode;
    std::vector<std::string> written;  // as the saved page writes its references
  };
  const ModeCase cases[] = {
      {0, {"src=\"app.js\"", "url(bgattr.png)", "src=\"../../root4.gif\""}},
      {1, {"href=\"st.css\"", "src=\"pic.png\"", "src=\"../../root4.gif\""}},
      {2,
       {"href=\"deep/st.css\"", "src=\"deep/app.js\"", "src=\"deep/pic.png\"",
        "url(deep/bgattr.png)", "src=\"../root4.gif\""}},
      {3,
       {"href=\"deep/st.css\"", "src=\"deep/app.js\"", "url(deep/bgattr.png)",
        "src=\"../root4.gif\""}},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode));
    const std::string folder = folder_ + "mode" + std::to_string(c.mode) + "/";
    std::filesystem::create_directories(folder);
    engine_.tab.BtnEditWBPageSaveFolder = folder;
    engine_.tab.RadioGroupRemoveBaseHref = c.mode;
    dialogs_.answers = {Answer::Yes};  // mode 0 asks first whether to go on
    ASSERT_EQ(DownloadUrl(server_.Url("/s4/page.html")), 0);

    for (const char* file :
         {"s4/deep/st.css", "s4/deep/app.js", "s4/deep/pic.png", "s4/deep/bgattr.png", "root4.gif"})
      EXPECT_TRUE(std::filesystem::exists(folder + file)) << file;
    const std::string page = testing::ReadBytes(folder + "s4/page.html");
    for (const std::string& reference : c.written)
      EXPECT_NE(page.find(reference), std::string::npos) << reference << "\n" << page;
    if (c.mode <= 1) {
      EXPECT_NE(page.find("<base href=\"file://" + folder + "s4/deep/"), std::string::npos) << page;
    }
    const OfflineCheckResult check = CheckSavedPage(folder + "s4/page.html");
    EXPECT_EQ(check.referenceCount, 5u);
    EXPECT_TRUE(check.findings.empty()) << check.findings.front().reference;
  }
}

// The references of newer pages, which the text scan knew nothing of: every srcset candidate
// (in <img>, <picture> sources and data-srcset), lazy-loading addresses, web fonts of the style
// sheets and of preload links, module scripts, a manifest and SVG images are saved, and the
// page leads to each. Module scripts and fonts are saved as they came and keep their integrity
// attributes; the style sheet, converted and rewritten, loses its.
TEST_F(ReferenceFormsRun, ModernReferencesAreSavedAndLeadToTheirFiles) {
  server_.Serve("/index.html",
                "<html><head>"
                "<link rel=\"preload\" href=\"fonts/f.woff2\" as=\"font\" crossorigin>"
                "<link rel=\"modulepreload\" href=\"js/mod.mjs\">"
                "<link rel=\"manifest\" href=\"site.webmanifest\">"
                "<link rel=\"stylesheet\" href=\"css/s.css\" integrity=\"sha384-A\">"
                "<script type=\"module\" src=\"js/main.mjs\" integrity=\"sha384-B\"></script>"
                "</head>\n<body>\n"
                "<img src=\"img/a.png\" srcset=\"img/a-2x.png 2x, /img/a-3x.png 3x\">\n"
                "<picture><source srcset=\"img/c.webp 1x, img/c-2.avif 2x\">"
                "<img src=\"img/c.jpg\"></picture>\n"
                "<img data-src=\"img/lazy.png\" data-srcset=\"img/lazy-2x.png 2x\" "
                "src=\"img/placeholder.gif\">\n"
                "<svg><image href=\"img/svg1.png\"/><image xlink:href=\"img/svg2.png\"/></svg>\n"
                "</body></html>");
  server_.Serve("/css/s.css",
                "@font-face { font-family: F; src: url(../fonts/f.woff2) format(\"woff2\"),\n"
                "  url(\"../fonts/g.eot?#iefix\") format(\"embedded-opentype\"); }\n",
                "text/css");
  const std::string module = "import {a} from \"./mod.mjs\";\ndocument.title = a;\n";
  server_.Serve("/js/main.mjs", module, "text/javascript");
  server_.Serve("/js/mod.mjs", "export const a = 1;\n", "text/javascript");
  server_.Serve("/site.webmanifest", "{\"name\": \"m\"}\n", "application/manifest+json");
  for (const char* font : {"/fonts/f.woff2", "/fonts/g.eot"})
    server_.Serve(font, std::string("wOF2\0\x01", 6), "font/woff2");
  const char* images[] = {"a.png",           "a-2x.png", "a-3x.png", "c.webp",
                          "c-2.avif",        "c.jpg",    "lazy.png", "lazy-2x.png",
                          "placeholder.gif", "svg1.png", "svg2.png"};
  for (const char* image : images)
    server_.Serve(std::string("/img/") + image, kGif, "image/gif");
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);

  for (const char* image : images)
    EXPECT_TRUE(Exists(std::string("img/") + image)) << image;
  for (const char* file : {"fonts/f.woff2", "fonts/g.eot@", "js/mod.mjs", "site.webmanifest"})
    EXPECT_TRUE(Exists(file)) << file;
  EXPECT_EQ(Saved("js/main.mjs"), module);
  EXPECT_TRUE(engine_.tab.ListBoxPGTab02LTab06DLImageNotFound.empty())
      << engine_.tab.ListBoxPGTab02LTab06DLImageNotFound.front();
  const std::string page = Saved("index.html");
  EXPECT_NE(page.find("srcset=\"img/a-2x.png 2x, img/a-3x.png 3x\""), std::string::npos) << page;
  EXPECT_NE(page.find("<link rel=\"stylesheet\" href=\"css/s.css\">"), std::string::npos) << page;
  EXPECT_NE(page.find("src=\"js/main.mjs\" integrity=\"sha384-B\""), std::string::npos) << page;
  const OfflineCheckResult check = CheckSavedPage(folder_ + "index.html");
  EXPECT_EQ(check.referenceCount, 16u);
  EXPECT_TRUE(check.findings.empty()) << check.findings.front().reference;
}

// A style sheet's url() without a picture's extension is an image when its server says so: it is
// saved, and the sheet leads to it; one that turns out to be a page is not saved as an image.
TEST_F(ReferenceFormsRun, AStyleSheetsImageWithoutAnExtensionIsSavedWhenServedAsOne) {
  server_.Serve("/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"s.css\"></head><body>x</body></html>");
  server_.Serve("/s.css",
                "div { background: url(img.php?id=4); }\np { background: url(\"/bg\"); }\n"
                "q { background: url(page.php?x=1); }\n",
                "text/css");
  server_.Serve("/img.php", kGif, "image/gif");
  server_.Serve("/bg", kGif, "IMAGE/PNG; charset=binary");
  server_.Serve("/page.php", "<html><body>not an image</body></html>", "text/html");
  ASSERT_EQ(DownloadUrl(server_.Url("/index.html")), 0);

  EXPECT_EQ(Saved("img.php@id=4"), kGif);
  EXPECT_EQ(Saved("bg"), kGif);
  EXPECT_FALSE(Exists("page.php@x=1"));
  const std::string sheet = Saved("s.css");
  EXPECT_NE(sheet.find("url(img.php@id=4)"), std::string::npos) << sheet;
  // The page's reference leads nowhere offline as it led to no image online.
  const OfflineCheckResult check = CheckSavedPage(folder_ + "index.html");
  ASSERT_EQ(check.findings.size(), 1u);
  EXPECT_EQ(check.findings.front().reference, "page.php?x=1");
}

}  // namespace
}  // namespace pellucor

#include "check/OfflineCheck.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;
using Strings = std::vector<std::string>;

// A saved site: file names below the folder and their bytes. "{folder}" in a text stands for
// the folder's absolute path.
using Files = std::vector<std::pair<std::string, std::string>>;

std::string WithFolder(std::string text, const std::string& folder) {
  for (std::size_t at = text.find("{folder}"); at != std::string::npos;
       at = text.find("{folder}", at + folder.size()))
    text.replace(at, 8, folder);
  return text;
}

// The findings as "missing FILE: REFERENCE -> TARGET" with FILE and TARGET below the folder
// written relative to it, so that a table row reads like the site.
Strings Lines(const OfflineCheckResult& result, const std::string& folder) {
  const auto shown = [&folder](const std::string& path) {
    return path.starts_with(folder + "/") ? path.substr(folder.size() + 1) : path;
  };
  Strings lines;
  for (const OfflineFinding& finding : result.findings)
    lines.push_back((finding.kind == FindingKind::Missing ? "missing " : "leak ") +
                    shown(finding.file) + ": " + finding.reference + " -> " +
                    shown(finding.target));
  return lines;
}

struct Case {
  const char* name;
  Files files;  // the page checked is index.html
  std::size_t references;
  Strings findings;
};

const std::string kImage = "GIF89a";

const Case kCases[] = {
    {"everything saved",
     {{"index.html",
       "<html><head><link rel=stylesheet href='css/site.css'><script src='js/a.js'></script>"
       "<link rel=icon href=favicon.ico></head><body background='img/bg.gif'>"
       "<img src='img/a.gif'><a href='http://example.com/'>web link</a>"
       "<form action='https://example.com/post'></form>"
       "<img src='data:image/gif;base64,R0lGODlh'><a href='#top'>top</a><img src=''>"
       "<iframe src='inner/news.html'></iframe></body></html>"},
      {"css/site.css", "@import 'base.css';\nbody { background: url(../img/bg.gif) }"},
      {"css/base.css", "h1 { background: url(\"../img/a.gif\") }"},
      {"js/a.js", "var a;"},
      {"favicon.ico", kImage},
      {"img/bg.gif", kImage},
      {"img/a.gif", kImage},
      {"inner/news.html", "<p>news<img src='../img/a.gif'></p>"}},
     10,
     {}},
    {"missing image",
     {{"index.html", "<img src='img/here.gif'><img src='img/gone.gif'>"}, {"img/here.gif", kImage}},
     2,
     {"missing index.html: img/gone.gif -> img/gone.gif"}},
    {"a folder is no file",
     {{"index.html", "<img src='img'>"}, {"img/x.gif", kImage}},
     1,
     {"missing index.html: img -> img"}},
    {"leaks: http, https and protocol-relative",
     {{"index.html",
       "<script src='http://example.com/a.js'></script><img src='HTTPS://example.com/b.gif'>"
       "<link rel=stylesheet href='//cdn.example/c.css'>"}},
     3,
     {"leak index.html: http://example.com/a.js -> http://example.com/a.js",
      "leak index.html: HTTPS://example.com/b.gif -> HTTPS://example.com/b.gif",
      "leak index.html: //cdn.example/c.css -> //cdn.example/c.css"}},
    {"srcset candidates",
     {{"index.html",
       "<img src=a.gif srcset='a.gif 1x, b%202.gif 2x, http://e.example/c.gif 3x'>"
       "<picture><source srcset='w.webp 100w, x.webp 200w'><img src=a.gif></picture>"},
      {"a.gif", kImage},
      {"b 2.gif", kImage},
      {"w.webp", kImage}},
     7,
     {"leak index.html: http://e.example/c.gif -> http://e.example/c.gif",
      "missing index.html: x.webp -> x.webp"}},
    {"base pointing to the web",
     {{"index.html",
       "<head><base href='http://example.com/site/'></head><img src='a.gif'>"
       "<style>p{background:url(/bg.gif)}</style>"},
      {"a.gif", kImage}},
     2,
     {"leak index.html: a.gif -> http://example.com/site/a.gif",
      "leak index.html: /bg.gif -> http://example.com/bg.gif"}},
    {"relative base",
     {{"index.html", "<base href='files/'><img src='a.gif'><img src='../b.gif'>"},
      {"files/a.gif", kImage},
      {"a.gif", kImage}},
     2,
     {"missing index.html: ../b.gif -> b.gif"}},
    {"character references in attributes",
     {{"index.html", "<img src='a&amp;b.gif'><img src='c&#x26;d.gif'><img src='e&f.gif'>"},
      {"a&b.gif", kImage},
      {"c&d.gif", kImage},
      {"e&f.gif", kImage}},
     3,
     {}},
    {"CSS url() quoted, unquoted and in comments",
     {{"index.html", "<link rel=stylesheet href=s.css>"},
      {"s.css",
       "/* url(commented.gif) */ a { background: url(a.gif) }\n"
       "b { background: url( \"b.gif\" ) } c { background: url('c.gif') }\n"
       "d { content: \"url(text.gif)\" } /* unclosed url(x.gif)"},
      {"a.gif", kImage},
      {"b.gif", kImage}},
     4,
     {"missing s.css: c.gif -> c.gif"}},
    {"style sheets resolve against their own folder",
     {{"index.html", "<link rel=stylesheet href='css/s.css'><p style='background:url(p.gif)'>"},
      {"css/s.css", "a{background:url(img/x.gif)} b{background:url(../img/x.gif)}"},
      {"img/x.gif", kImage}},
     4,
     {"missing index.html: p.gif -> p.gif", "missing css/s.css: img/x.gif -> css/img/x.gif"}},
    {"@import chain and a cycle",
     {{"index.html",
       "<link rel=stylesheet href=a.css><style>@import url(b.css);</style>"
       "<link rel=stylesheet href='./a.css'>"},
      {"a.css", "@import \"b.css\";\na{background:url(gone-a.gif)}"},
      {"b.css", "@import url(a.css);\n@import 'c.css';\nb{background:url(gone-b.gif)}"},
      {"c.css", "@import 'missing.css';"}},
     9,
     {"missing a.css: gone-a.gif -> gone-a.gif", "missing b.css: gone-b.gif -> gone-b.gif",
      "missing c.css: missing.css -> missing.css"}},
    {"inner frame missing an image",
     {{"index.html", "<iframe src='inner/news.html'></iframe>"},
      {"inner/news.html", "<img src='../img/photo.jpg'><iframe src='../index.html'></iframe>"}},
     3,
     {"missing inner/news.html: ../img/photo.jpg -> img/photo.jpg"}},
    {"frames of a frameset, one a missing page",
     {{"index.html", "<frameset><frame src='menu.html'><frame src='main.html'></frameset>"},
      {"menu.html", "<link rel=stylesheet href='http://example.com/m.css'>"}},
     3,
     {"missing index.html: main.html -> main.html",
      "leak menu.html: http://example.com/m.css -> http://example.com/m.css"}},
    {"a frame showing an image is no page",
     {{"index.html", "<iframe src='a.gif'></iframe>"}, {"a.gif", "GIF89a<img src=x.gif>"}},
     1,
     {}},
    {"srcdoc resolves against the page",
     {{"index.html", "<iframe srcdoc=\"<img src='a.gif'><img src='gone.gif'>\"></iframe>"},
      {"a.gif", kImage}},
     2,
     {"missing index.html: gone.gif -> gone.gif"}},
    {"query strings and fragments",
     {{"index.html",
       "<link rel=stylesheet href='a.css?v=1'><img src='b.gif#frag'><img src='c.php?id=2'>"},
      {"a.css", "a{background:url(b.gif?size=2)}"},
      {"b.gif", kImage},
      {"c.php@id=2", kImage}},
     4,
     {"missing index.html: c.php?id=2 -> c.php"}},
    {"percent-encoded names",
     {{"index.html", "<img src='my%20photo.gif'><img src='100%25.gif'><img src='a%2Fb.gif'>"},
      {"my photo.gif", kImage},
      {"100%.gif", kImage}},
     3,
     {"missing index.html: a%2Fb.gif -> a%2Fb.gif"}},
    {"root-relative references name the system root",
     {{"index.html", "<img src='/img/logo.gif'>"}, {"img/logo.gif", kImage}},
     1,
     {"missing index.html: /img/logo.gif -> /img/logo.gif"}},
    {"file URLs",
     {{"index.html",
       "<img src='file://{folder}/a.gif'><img src='file://localhost{folder}/b.gif'>"
       "<img src='file://server/share/a.gif'>"},
      {"a.gif", kImage}},
     3,
     {"missing index.html: file://localhost{folder}/b.gif -> b.gif",
      "missing index.html: file://server/share/a.gif -> file://server/share/a.gif"}},
    {"Shift_JIS page naming a Japanese file",
     {{"index.html",
       Sjis("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
            "<img src='画像/表示.gif'><img src='画像/ない.gif'>")},
      {"画像/表示.gif", kImage}},
     2,
     {"missing index.html: 画像/ない.gif -> 画像/ない.gif"}},
    {"EUC-JP page and a Shift_JIS style sheet without declarations",
     {{"index.html",
       *Iconv("UTF-8", "EUC-JP",
              "<meta charset=\"euc-jp\"><img src='写真.jpg'><link rel=stylesheet href='s.css'>")},
      {"s.css", Sjis("a{background:url(背景.gif)} b{background:url(ない.gif)}")},
      {"写真.jpg", kImage},
      {"背景.gif", kImage}},
     4,
     {"missing s.css: ない.gif -> ない.gif"}},
    {"references that load nothing are not counted",
     {{"index.html",
       "<img src='javascript:void(0)'><iframe src='about:blank'></iframe>"
       "<img src='blob:x'><img src='#x'><img src='  '><a href='gone.html'>x</a>"
       "<img src='mailto:a@b'><img src='res://x.gif'>"}},
     1,
     {"missing index.html: res://x.gif -> res://x.gif"}},
};

TEST(CheckSavedPage, FindsWhatIsMissingAndWhatLeaks) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    for (const auto& [name, bytes] : c.files)
      WriteBytes(folder / name, WithFolder(bytes, folder.path()));
    const OfflineCheckResult result = CheckSavedPage(folder / "index.html");
    ASSERT_TRUE(result.ok()) << result.failure;
    Strings expected;
    for (const std::string& line : c.findings)
      expected.push_back(WithFolder(line, folder.path()));
    EXPECT_EQ(Lines(result, folder.path()), expected);
    EXPECT_EQ(result.referenceCount, c.references);
    EXPECT_EQ(result.Count(FindingKind::Missing) + result.Count(FindingKind::Leak),
              result.findings.size());
  }
}

TEST(CheckSavedPage, ARelativePathIsTakenFromTheWorkingFolder) {
  TempFolder folder;
  WriteBytes(folder / "site/index.html", "<img src='a.gif'>");
  const std::string working = std::filesystem::current_path().string();
  std::filesystem::current_path(folder.path());
  const OfflineCheckResult result = CheckSavedPage("site/../site/./index.html");
  std::filesystem::current_path(working);
  EXPECT_EQ(result.page, folder / "site/index.html");
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].target, folder / "site/a.gif");
}

TEST(CheckSavedPage, APageThatCannotBeReadIsAFailure) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "folder.html");
  ASSERT_EQ(::mkfifo((folder / "pipe.html").c_str(), 0600), 0);
  struct FailureCase {
    const char* name;
    std::string path;
    std::string failure;
  } cases[] = {
      {"no such file", folder / "none.html",
       "cannot read " + (folder / "none.html") + ": no such file"},
      {"a folder", folder / "folder.html",
       "cannot read " + (folder / "folder.html") + ": not a regular file"},
      // Refused at once: waiting for a writer would hang the check.
      {"a named pipe", folder / "pipe.html",
       "cannot read " + (folder / "pipe.html") + ": not a regular file"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    const OfflineCheckResult result = CheckSavedPage(c.path);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_EQ(result.referenceCount, 0u);
    EXPECT_TRUE(result.findings.empty());
  }
}

}  // namespace
}  // namespace pellucor

#include "download/ReportFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;
using List = std::vector<std::string>;

TEST(RemoveDownloadMark, EveryMarkGoesAnywhere) {
  for (const char* mark : {"●", "■", "▼", "▲", "★", "◆", "〓", "◎", "○", "△", "▽", "□", "◇"}) {
    SCOPED_TRACE(mark);
    EXPECT_EQ(RemoveDownloadMark(Sjis(mark) + "/s/a " + Sjis(mark) + ".css" + Sjis(mark)),
              "/s/a .css");
  }
}

TEST(RemoveDownloadMark, Cases) {
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"blanks and other characters stay", Sjis("◎ /s/表示　x.css"), Sjis(" /s/表示　x.css")},
      {"several marks in a row", Sjis("●■▼/s/x.gif"), "/s/x.gif"},
      // "＝" is 81 81 and the next character starts with 9C: the bytes 81 9C of "●" straddle
      // the two characters and are no mark.
      {"a mark's bytes across two characters", "\x81\x81\x9C\x40", "\x81\x81\x9C\x40"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RemoveDownloadMark(c.in), c.out);
  }
  ASSERT_TRUE(testing::Iconv("CP932", "UTF-8", "\x81\x81\x9C\x40").has_value());
}

TEST(DownloadReportLine, Cases) {
  struct Case {
    const char* name;
    std::string line;
    int width;
    std::string out;
  } cases[] = {
      {"a fetched style sheet", Sjis("◎") + "/s/css/a.css", kStyleScriptReportWidth,
       "a.css" + std::string(34, ' ') + "\t\t" + Sjis("◎  ") + "/css/a.css"},
      {"a failed image", Sjis("●") + "/s/img/x.gif", kImageReportWidth,
       "x.gif" + std::string(74, ' ') + "\t\t" + Sjis("●  ") + "/img/x.gif"},
      {"an image already on disk is reported as done", Sjis("○") + "/s/img/y.gif",
       kImageReportWidth, "y.gif" + std::string(74, ' ') + "\t\t" + Sjis("◎  ") + "/img/y.gif"},
      {"a sheet left as it was is reported as done", Sjis("□") + "/s/b.css",
       kStyleScriptReportWidth, "b.css" + std::string(34, ' ') + "\t\t" + Sjis("◎  ") + "/b.css"},
      {"a name longer than the width gets three blanks",
       Sjis("◎") + "/s/" + std::string(41, 'n') + ".js", kStyleScriptReportWidth,
       std::string(41, 'n') + ".js   \t\t" + Sjis("◎  ") + "/" + std::string(41, 'n') + ".js"},
      {"a path outside the save folder is kept whole", Sjis("◎") + "/t/c.css",
       kStyleScriptReportWidth,
       "c.css" + std::string(34, ' ') + "\t\t" + Sjis("◎  ") + "//t/c.css"},
      {"a Japanese name keeps its second bytes", Sjis("◎/s/表/ソ.css"), kStyleScriptReportWidth,
       Sjis("ソ.css") + std::string(33, ' ') + "\t\t" + Sjis("◎  /表/ソ.css")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DownloadReportLine(c.line, "/s/", c.width), c.out);
  }
}

TEST(ReportFilePathsFor, NamesBesideTheSavedPage) {
  const ReportFilePaths paths = ReportFilePathsFor("/s/d/list.php@x=1.html");
  EXPECT_EQ(paths.styleScriptList, "/s/d/ZU_list.php@x=1" + Sjis("_CSS_JS_一覧.txt"));
  EXPECT_EQ(paths.mergedStyleScript, "/s/d/ZU_list.php@x=1" + Sjis("_CSS_JS_統合.txt"));
  EXPECT_EQ(paths.imageList, "/s/d/ZU_list.php@x=1" + Sjis("_Image_一覧.txt"));
  EXPECT_EQ(ReportFilePathsFor("/s/index").imageList, "/s/ZU_index" + Sjis("_Image_一覧.txt"));
}

// A save folder with a page, style sheets, scripts and the panes a run left.
class PostProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(temp_ / "index.html", "<html></html>");
    WriteBytes(temp_ / "css/a.css", "p{color:red}\r\n");
    WriteBytes(temp_ / "js/b.js", "var b=1;\r\n");
    WriteBytes(temp_ / "css/html.css", "<html><BODY>404</BODY></html>\r\n");
    WriteBytes(temp_ / "data/c.xml", "<x/>\r\n");
  }

  [[nodiscard]] PostProcessInput Input() const {
    PostProcessInput input;
    input.BtnEditWBLocalFilename = folder_ + "index.html";
    input.BtnEditWBPageSaveFolder = folder_;
    input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS = {
        Sjis("◎") + folder_ + "css/a.css", Sjis("○") + folder_ + "css/a.css",
        Sjis("◎") + folder_ + "js/b.js", Sjis("▼") + folder_ + "css/html.css",
        Sjis("■") + folder_ + "css/missing.css"};
    input.ListBoxPGTab02LTab03PageImageDownloaedImage = {
        Sjis("◎") + folder_ + "img/x.gif", Sjis("●") + folder_ + "img/bad.gif",
        Sjis("○") + folder_ + "img/old.gif", Sjis("◎") + folder_ + "img/x.gif"};
    return input;
  }

  [[nodiscard]] std::string Header() const { return Sjis("　　　　【 ") + folder_ + Sjis(" 】"); }

  [[nodiscard]] std::string Merged(const std::string& path, const std::string& lines) const {
    return Sjis("▼▼▼【 ") + folder_ + path + Sjis(" 】▽▽▽") + "\r\n\r\n\r\n" + lines + "\r\n\r\n" +
           Sjis("△△△【 ") + folder_ + path + Sjis(" 】▲▲▲") + "\r\n";
  }

  [[nodiscard]] std::string Report(const char* utf8Suffix) const {
    return temp_ / ("ZU_index" + std::string(utf8Suffix));
  }

  TempFolder temp_;
  std::string folder_ = temp_.path() + "/";
};

TEST_F(PostProcessTest, WritesTheThreeReports) {
  PostProcessInput input = Input();
  List counts;
  List paths;
  input.progress = [&](std::string_view count, std::string_view path) {
    counts.emplace_back(count);
    paths.emplace_back(path);
  };
  List clipboard;
  input.effects.setClipboardText = [&](std::string_view text) { clipboard.emplace_back(text); };

  const PostProcessResult result = DLPostProcess(input);

  const std::string pad34(34, ' ');
  EXPECT_EQ(ReadBytes(Report("_CSS_JS_一覧.txt")),
            Header() + "\r\n\r\n\r\n" +                                      //
                "a.css" + pad34 + "\t\t" + Sjis("◎  ") + "/css/a.css\r\n" +  //
                "a.css" + pad34 + "\t\t" + Sjis("◎  ") + "/css/a.css\r\n" +  //
                "b.js" + std::string(35, ' ') + "\t\t" + Sjis("◎  ") + "/js/b.js\r\n" + "html.css" +
                std::string(31, ' ') + "\t\t" + Sjis("◎  ") + "/css/html.css\r\n" + "missing.css" +
                std::string(28, ' ') + "\t\t" + Sjis("◎  ") + "/css/missing.css\r\n");
  // Listed twice in a row, merged once; the HTML answer and the missing file are not merged.
  EXPECT_EQ(ReadBytes(Report("_CSS_JS_統合.txt")),
            Merged("css/a.css", "p{color:red}\r\n") + Merged("js/b.js", "var b=1;\r\n"));
  const std::string pad74(74, ' ');
  EXPECT_EQ(ReadBytes(Report("_Image_一覧.txt")),
            std::string("\r\n\r\n") + "bad.gif" + std::string(72, ' ') + "\t\t" + Sjis("●  ") +
                "/img/bad.gif\r\n" + "old.gif" + std::string(72, ' ') + "\t\t" + Sjis("◎  ") +
                "/img/old.gif\r\n" + "x.gif" + pad74 + "\t\t" + Sjis("◎  ") + "/img/x.gif\r\n" +  //
                Header() + "\r\n");

  const ReportFilePaths expected = ReportFilePathsFor(folder_ + "index.html");
  EXPECT_EQ(result.BtnEditLocalFileCSSJSList, expected.styleScriptList);
  EXPECT_EQ(result.BtnEditLocalFileTotalCSSJS, expected.mergedStyleScript);
  EXPECT_EQ(result.BtnEditLocalFileImageList, expected.imageList);
  EXPECT_EQ(result.error, "");

  EXPECT_EQ(counts, (List{Sjis("【 1 / 5 】"), Sjis("【 3 / 5 】"), Sjis("【 4 / 5 】"),
                          Sjis("【 5 / 5 】")}));
  EXPECT_EQ(paths.front(), Sjis("【 ") + folder_ + "css/a.css" + Sjis(" 】"));
  EXPECT_EQ(clipboard.back(), expected.imageList);
}

TEST_F(PostProcessTest, ReportsAreNeverOverwritten) {
  ASSERT_FALSE(DLPostProcess(Input()).BtnEditLocalFileCSSJSList.empty());
  const std::string list = ReadBytes(Report("_CSS_JS_一覧.txt"));
  const std::string merged = ReadBytes(Report("_CSS_JS_統合.txt"));
  const std::string images = ReadBytes(Report("_Image_一覧.txt"));

  PostProcessInput second = Input();
  second.ListBoxPGTab02LTab02PageFileDownloaedCSSJS = {Sjis("◎") + folder_ + "data/c.xml"};
  second.ListBoxPGTab02LTab03PageImageDownloaedImage = {Sjis("◎") + folder_ + "img/new.gif"};
  const PostProcessResult result = DLPostProcess(second);

  EXPECT_EQ(ReadBytes(Report("_CSS_JS_一覧.txt")), list);
  EXPECT_EQ(ReadBytes(Report("_CSS_JS_統合.txt")), merged);
  EXPECT_EQ(ReadBytes(Report("_Image_一覧.txt")), images);
  // The boxes of the merged text and the images name the reports that are there.
  const ReportFilePaths expected = ReportFilePathsFor(folder_ + "index.html");
  EXPECT_EQ(result.BtnEditLocalFileCSSJSList, "");
  EXPECT_EQ(result.BtnEditLocalFileTotalCSSJS, expected.mergedStyleScript);
  EXPECT_EQ(result.BtnEditLocalFileImageList, expected.imageList);
}

TEST_F(PostProcessTest, AnythingAtAReportPathIsKept) {
  WriteBytes(Report("_Image_一覧.txt"), "kept");
  std::filesystem::create_directory(Report("_CSS_JS_統合.txt"));
  std::filesystem::create_symlink(temp_ / "nowhere", Report("_CSS_JS_一覧.txt"));
  const PostProcessResult result = DLPostProcess(Input());
  EXPECT_EQ(ReadBytes(Report("_Image_一覧.txt")), "kept");
  EXPECT_TRUE(std::filesystem::is_directory(Report("_CSS_JS_統合.txt")));
  EXPECT_FALSE(std::filesystem::exists(temp_ / "nowhere"));
  EXPECT_EQ(result.BtnEditLocalFileCSSJSList, "");
}

TEST_F(PostProcessTest, CssOnlyListsScriptsButMergesStyleSheets) {
  PostProcessInput input = Input();
  input.CheckBoxDLCSSOnly = MergeScope::StyleSheetsOnly;
  input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(Sjis("◎") + folder_ + "data/c.xml");
  EXPECT_EQ(DLPostProcess(input).error, "");
  const std::string list = ReadBytes(Report("_CSS_JS_一覧.txt"));
  EXPECT_NE(list.find("/js/b.js\r\n"), std::string::npos);
  EXPECT_EQ(ReadBytes(Report("_CSS_JS_統合.txt")),
            Merged("css/a.css", "p{color:red}\r\n") + Merged("data/c.xml", "<x/>\r\n"));
}

TEST_F(PostProcessTest, WhatCountsAsTheFileMergedLast) {
  struct Case {
    const char* name;
    List files;  // below the save folder, each marked "◎"
    std::string merged;
  } cases[] = {
      {"the same file twice in a row is merged once", {"css/a.css", "css/a.css"}, "a"},
      {"an HTML answer between does not count", {"css/a.css", "css/html.css", "css/a.css"}, "a"},
      {"a missing file between does count", {"css/a.css", "css/none.css", "css/a.css"}, "aa"},
      {"a file that is not merged between does not count",
       {"css/a.css", "img/p.gif", "css/a.css"},
       "a"},
      {"the same file again later is merged again", {"css/a.css", "js/b.js", "css/a.css"}, "aba"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    const std::string folder = temp.path() + "/";
    WriteBytes(temp / "css/a.css", "a\r\n");
    WriteBytes(temp / "js/b.js", "b\r\n");
    WriteBytes(temp / "css/html.css", "<body>\r\n");
    PostProcessInput input;
    input.BtnEditWBLocalFilename = folder + "p.html";
    input.BtnEditWBPageSaveFolder = folder;
    for (const std::string& file : c.files)
      input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(Sjis("◎") + folder + file);
    EXPECT_EQ(DLPostProcess(input).error, "");
    std::string found;
    const std::string merged = ReadBytes(temp / ("ZU_p" + std::string("_CSS_JS_統合.txt")));
    const std::string opened = Sjis(" 】▽▽▽") + "\r\n\r\n\r\n";
    for (std::size_t at = merged.find(opened); at != std::string::npos;
         at = merged.find(opened, at + 1))
      found += merged[at + opened.size()];
    EXPECT_EQ(found, c.merged);
  }
}

TEST_F(PostProcessTest, EmptyPanesWriteNothing) {
  PostProcessInput input = Input();
  input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.clear();
  input.ListBoxPGTab02LTab03PageImageDownloaedImage.clear();
  const PostProcessResult result = DLPostProcess(input);
  EXPECT_FALSE(std::filesystem::exists(Report("_CSS_JS_一覧.txt")));
  EXPECT_FALSE(std::filesystem::exists(Report("_CSS_JS_統合.txt")));
  EXPECT_FALSE(std::filesystem::exists(Report("_Image_一覧.txt")));
  EXPECT_EQ(result.BtnEditLocalFileCSSJSList, "");
  EXPECT_EQ(result.BtnEditLocalFileTotalCSSJS, "");
  EXPECT_EQ(result.BtnEditLocalFileImageList, "");
}

TEST_F(PostProcessTest, NothingIsWrittenOutsideTheSaveFolder) {
  TempFolder elsewhere;
  for (const std::string& page :
       {elsewhere / "index.html", std::string("index.html"), folder_ + "../" + "index.html"}) {
    SCOPED_TRACE(page);
    PostProcessInput input = Input();
    input.BtnEditWBLocalFilename = page;
    const PostProcessResult result = DLPostProcess(input);
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
    EXPECT_FALSE(std::filesystem::exists(ReportFilePathsFor(page).imageList));
    EXPECT_EQ(result.BtnEditLocalFileImageList, "");
  }
}

TEST_F(PostProcessTest, AnUnreadableSheetStopsTheStage) {
  // A regular file whose reading fails even for root: the process's own memory at offset 0.
  std::filesystem::create_symlink("/proc/self/mem", temp_ / "css/mem.css");
  PostProcessInput input = Input();
  input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.insert(
      input.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.begin() + 1,
      Sjis("◎") + folder_ + "css/mem.css");
  const PostProcessResult result = DLPostProcess(input);
  EXPECT_NE(result.error.find("mem.css"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Report("_CSS_JS_一覧.txt")));
  EXPECT_FALSE(std::filesystem::exists(Report("_CSS_JS_統合.txt")));
  EXPECT_FALSE(std::filesystem::exists(Report("_Image_一覧.txt")));
}

}  // namespace
}  // namespace pellucor

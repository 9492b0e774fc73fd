#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"
#include "text/CodePage932.h"

namespace pellucor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// The window and the two tabs the settings speak of, as a fresh start has them.
struct Window {
  MainWindowState window;
  NetSearchTab search;
  DownloadTab download;
  SettingsTargets Targets() { return {window, search, download}; }
};

std::string Sjis(const char* utf8) {
  return SjisFromUtf8Literal(utf8);
}

std::string PairsFile(int from, int to) {
  std::string text = "[DLUrl]\n";
  for (int i = from; i < to; ++i)
    text += std::to_string(i) + "=http://h/" + std::to_string(1000 + i) + "|/save/\n";
  return text;
}

TEST(Settings, WhatAFileGives) {
  struct Case {
    const char* name;
    std::string file;  // empty: no file
    void (*expect)(const Window&);
  } cases[] = {
      {"no file: the initial values stay", "",
       [](const Window& w) {
         EXPECT_EQ(w.download.RadioGroupDLFilnalOpenIE, 1);
         EXPECT_EQ(w.window.PanelPGSearchTabTop, 329);
         EXPECT_EQ(w.download.EditTopPageHTMLFilename, "index.html");
         EXPECT_TRUE(w.window.RegisteredUrlFolders.empty());
       }},
      {"an existing file without the keys gives their missing values", "[NS]\nKeyword=x\n",
       [](const Window& w) {
         EXPECT_EQ(w.download.RadioGroupDLFilnalOpenIE, 0);
         EXPECT_EQ(w.window.PanelPGSearchTabTop, 0);
         EXPECT_EQ(w.download.EditTopPageHTMLFilename, "");
         EXPECT_EQ(w.search.ComboBoxSearchKeyWord, "x");
       }},
      {"a gap in DLUrl ends the list",
       "[DLUrl]\n0=http://b|/s/\n1=http://a|/t/\n2=http://c|/u/\n3=http://e|/v/\n4=http://d|/w/\n"
       "5=\n6=http://f|/x/\n",
       [](const Window& w) {
         ASSERT_EQ(w.window.RegisteredUrlFolders.size(), 5u);
         EXPECT_EQ(w.window.RegisteredUrlFolders.front(), "http://a|/t/");
         EXPECT_EQ(w.window.RegisteredUrlFolders.back(), "http://e|/v/");
       }},
      {"at most 100 pairs are read", PairsFile(0, 150),
       [](const Window& w) { EXPECT_EQ(w.window.RegisteredUrlFolders.size(), 100u); }},
      {"pairs that differ only in case are one", "[DLUrl]\n0=http://A|/s/\n1=http://a|/S/\n",
       [](const Window& w) { EXPECT_EQ(w.window.RegisteredUrlFolders.size(), 1u); }},
      {"numbers: hexadecimal, junk, flags",
       "[NS]\nPageTopHeight=0x20\nIMEMode=one\n[Menu]\nMaximized=5\nInitialize=0\n"
       "[DL]\nDontRedraw=1\nCSSOnly=0\nRemoveBaseHref=2\n",
       [](const Window& w) {
         EXPECT_EQ(w.window.PanelPGSearchTabTop, 32);
         EXPECT_EQ(w.search.RadioGroupIMEMode, 0);
         EXPECT_TRUE(w.window.MenuViewMaximized);
         EXPECT_FALSE(w.window.MenuSettingsReInitialize);
         EXPECT_TRUE(w.download.CheckBoxDLDontReDraw);
         EXPECT_FALSE(w.download.CheckBoxDLCSSOnly);
         EXPECT_EQ(w.download.RadioGroupRemoveBaseHref, 2);
       }},
      {"stored paths that no longer exist are dropped",
       "[Project]\nFile=/no/such/file\n[Folder]\nDefault=/no/such/folder\n",
       [](const Window& w) {
         EXPECT_EQ(w.window.ProjectFile, "");
         EXPECT_EQ(w.window.DefaultFolder, "");
       }},
      {"lines that are no INI lines are passed over",
       "garbage\n[DL\nUrl=http://x/\n[DL]\nUrl=http://y/\n",
       [](const Window& w) { EXPECT_EQ(w.download.ComboBoxWBUrl, "http://y/"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder / "pellucor.inf";
    if (!c.file.empty()) WriteBytes(path, c.file);
    Window w;
    LoadIniSettings(path, w.Targets());
    c.expect(w);
  }
}

// Japanese keywords and folders come back unchanged, and the file on disk reads as UTF-8.
TEST(Settings, JapaneseValuesRoundTrip) {
  TempFolder folder;
  const std::string path = folder / "sub/pellucor.inf";
  Window first;
  first.search.ComboBoxSearchKeyWord = Sjis("表示 ソフト");
  first.download.BtnEditWBPageSaveFolder = Sjis("/home/利用者/保存/");
  first.download.RadioGroupDLFilnalOpenIE = 2;
  first.window.MenuViewMaximized = true;
  first.download.EditDLSaveFilename = "written.html";
  ASSERT_TRUE(SaveIniSettings(path, first.Targets()));
  EXPECT_NE(ReadBytes(path).find("Keyword=表示 ソフト"), std::string::npos) << ReadBytes(path);

  Window second;
  LoadIniSettings(path, second.Targets());
  EXPECT_EQ(second.search.ComboBoxSearchKeyWord, first.search.ComboBoxSearchKeyWord);
  EXPECT_EQ(second.download.BtnEditWBPageSaveFolder, first.download.BtnEditWBPageSaveFolder);
  EXPECT_EQ(second.download.RadioGroupDLFilnalOpenIE, 2);
  EXPECT_TRUE(second.window.MenuViewMaximized);
  // Written at save only, never read back.
  EXPECT_NE(ReadBytes(path).find("SaveFilename=written.html"), std::string::npos);
  EXPECT_EQ(second.download.EditDLSaveFilename, "");
}

TEST(Settings, RegisteredPairsThroughTheMenuCommands) {
  TempFolder folder;
  Window w;
  w.window.SettingsPath = folder / "pellucor.inf";
  WriteBytes(w.window.SettingsPath, PairsFile(0, 150));
  LoadIniSettings(w.window.SettingsPath, w.Targets());
  // Saving rewrites the section with the 100 pairs read.
  ManuSettingsSaveClick(w.Targets());
  Window reread;
  LoadIniSettings(w.window.SettingsPath, reread.Targets());
  EXPECT_EQ(reread.window.RegisteredUrlFolders.size(), 100u);
  EXPECT_EQ(ReadBytes(w.window.SettingsPath).find("\n100="), std::string::npos);

  // Removing all pairs erases the section at once; closing then leaves none.
  MenuDLSettingsRemoveClick(w.Targets());
  EXPECT_EQ(ReadBytes(w.window.SettingsPath).find("[DLUrl]"), std::string::npos);
  ASSERT_TRUE(SaveIniSettings(w.window.SettingsPath, w.Targets()));
  EXPECT_EQ(ReadBytes(w.window.SettingsPath).find("[DLUrl]"), std::string::npos);

  // Registering a pair and closing writes it as key "0"; a URL already in the history is not
  // registered again.
  w.download.ComboBoxWBUrl = "http://h/page.html";
  w.download.BtnEditWBPageSaveFolder = "/save/";
  MenuDLSettingsAppendClick(w.Targets());
  MenuDLSettingsAppendClick(w.Targets());
  w.download.ComboBoxWBUrl = "HTTP://H/PAGE.HTML";
  MenuDLSettingsAppendClick(w.Targets());
  EXPECT_EQ(w.window.RegisteredUrlFolders, std::vector<std::string>{"http://h/page.html|/save/"});
  EXPECT_EQ(w.download.ComboBoxWBUrlItems, std::vector<std::string>{"http://h/page.html"});
  ASSERT_TRUE(SaveIniSettings(w.window.SettingsPath, w.Targets()));
  EXPECT_NE(ReadBytes(w.window.SettingsPath).find("[DLUrl]\n0=http://h/page.html|/save/"),
            std::string::npos)
      << ReadBytes(w.window.SettingsPath);

  // At start the history becomes the URL parts of the pairs.
  Window started;
  LoadIniSettings(w.window.SettingsPath, started.Targets());
  started.download.ComboBoxWBUrlItems = {"old"};
  ApplyRegisteredUrls(started.Targets());
  EXPECT_EQ(started.download.ComboBoxWBUrlItems, std::vector<std::string>{"http://h/page.html"});
}

TEST(Settings, ReinitialisingAndTheOneLineTopHeight) {
  TempFolder folder;
  Window w;
  w.window.SettingsPath = folder / "pellucor.inf";
  w.search.ComboBoxSearchKeyWord = "k";
  w.search.RadioGroupIMEMode = 1;
  w.download.ComboBoxWBUrl = "http://h/";
  w.download.CheckBoxDLCSSOnly = true;
  w.download.CheckBoxDLDontReDraw = true;
  MenuSettingsReInitializeClick(w.Targets());
  EXPECT_TRUE(w.window.MenuSettingsReInitialize);
  EXPECT_EQ(w.search.ComboBoxSearchKeyWord, "");
  EXPECT_EQ(w.search.RadioGroupIMEMode, 0);
  EXPECT_EQ(w.download.ComboBoxWBUrl, "");
  EXPECT_FALSE(w.download.CheckBoxDLCSSOnly);
  EXPECT_TRUE(w.download.CheckBoxDLDontReDraw);  // not one of the options it clears
  EXPECT_EQ(w.window.PanelPGSearchTabTop, 500);
  EXPECT_EQ(w.window.PanelDLPGMainTabTop, 500);
  EXPECT_NE(ReadBytes(w.window.SettingsPath).find("Initialize=1"), std::string::npos);

  MenuViewStdTopHeightClick(w.Targets());
  EXPECT_FALSE(w.window.MenuSettingsReInitialize);
  EXPECT_EQ(w.window.PanelPGSearchTabTop, 62);
  EXPECT_NE(ReadBytes(w.window.SettingsPath).find("PageTopHeight=62"), std::string::npos);
  MenuViewStdTopHeightClick(w.Targets());
  EXPECT_EQ(w.window.PanelPGSearchTabTop, 140);
}

// A settings file that cannot be read (here a folder stands in its place) is told once, and
// nothing is written in its place.
TEST(Settings, AnUnreadableFileIsToldAndKept) {
  TempFolder folder;
  const std::string path = folder / "pellucor.inf";
  std::filesystem::create_directories(path + "/inside");
  Window w;
  w.download.ComboBoxWBUrl = "http://kept/";
  LoadIniSettings(path, w.Targets());
  EXPECT_NE(w.window.StartupNotice.find(path), std::string::npos);
  EXPECT_EQ(w.download.ComboBoxWBUrl, "http://kept/");
  EXPECT_FALSE(SaveIniSettings(path, w.Targets()));
  EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
}

// A menu command whose write fails says so for the status bar; one that writes clears it.
TEST(Settings, AFailedWriteOfAMenuCommandIsTold) {
  TempFolder folder;
  WriteBytes(folder / "file", "x");
  Window w;
  w.window.SettingsPath = folder / "file/pellucor.inf";  // below a file: no folder can be made
  ManuSettingsSaveClick(w.Targets());
  EXPECT_NE(w.window.WriteNotice.find(w.window.SettingsPath), std::string::npos);
  w.window.SettingsPath = folder / "pellucor.inf";
  ManuSettingsSaveClick(w.Targets());
  EXPECT_EQ(w.window.WriteNotice, "");
}

TEST(Settings, WhereTheFileIs) {
  TempFolder folder;
  const std::string program = folder / "bin/pellucor";
  std::filesystem::create_directories(folder / "bin");
  // No settings file beside the program: the user's configuration folder.
  EXPECT_EQ(SettingsPathFor(program, folder / "config"), folder / "config/pellucor/pellucor.inf");
  // A folder named like one is passed over; a file is taken.
  std::filesystem::create_directories(folder / "bin/HRAVEXA-dir.inf");
  EXPECT_EQ(GetInf(folder / "bin"), "");
  WriteBytes(folder / "bin/HRAVEXA12.inf", "");
  EXPECT_EQ(GetInf(folder / "bin"), "HRAVEXA12.inf");
  EXPECT_EQ(SettingsPathFor(program, folder / "config"), folder / "bin/HRAVEXA12.inf");
}

}  // namespace
}  // namespace pellucor

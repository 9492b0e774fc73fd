#include "text/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileSizeLimit.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::ReadBytes;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;

TEST(IniFile, ReadsSectionsAndKeysWithoutCase) {
  TempFolder folder;
  WriteBytes(
      folder / "s.inf",
      "; comment\r\n[DL]\r\nUrl = http://a/ \r\nSaveFolder=\"/s/\"\r\n[NS]\r\nKeyword=検索\r\n");
  const std::string path = folder / "s.inf";
  EXPECT_EQ(ReadIniString(path, "dl", "URL"), "http://a/");
  EXPECT_EQ(ReadIniString(path, "DL", "SaveFolder"), "/s/");
  EXPECT_EQ(ReadIniString(path, "NS", "Keyword"), Sjis("検索"));
  EXPECT_EQ(ReadIniString(path, "NS", "Url", "none"), "none");
  EXPECT_EQ(ReadIniString(path, "Menu", "Url", "none"), "none");
  EXPECT_EQ(ReadIniString(folder / "missing.inf", "DL", "Url", "none"), "none");
}

// A file in the code page, as settings files once were, keeps its Japanese values and is
// written back as UTF-8.
TEST(IniFile, AShiftJisFileIsReadAsSuch) {
  TempFolder folder;
  const std::string path = folder / "s.inf";
  WriteBytes(path, Sjis("[NS]\r\nKeyword=表示ソフト\r\n[DL]\r\nSaveFolder=D:\\保存\\\r\n"));
  EXPECT_EQ(ReadIniString(path, "NS", "Keyword"), Sjis("表示ソフト"));
  EXPECT_EQ(ReadIniString(path, "DL", "SaveFolder"), Sjis("D:\\保存\\"));
  ASSERT_TRUE(WriteIniString(path, "NS", "IMEMode", "1"));
  EXPECT_EQ(ReadBytes(path), "[NS]\nKeyword=表示ソフト\nIMEMode=1\n[DL]\nSaveFolder=D:\\保存\\\n");
}

TEST(IniFile, WritesKeepOtherLinesAndAreUtf8OnDisk) {
  TempFolder folder;
  const std::string path = folder / "s.inf";
  WriteBytes(path, "; keep me\n[DL]\nUrl=old\n\n[NS]\nIMEMode=1\n");
  ASSERT_TRUE(WriteIniString(path, "dl", "url", "new"));
  ASSERT_TRUE(WriteIniString(path, "DL", "SaveFolder", Sjis("/保存/")));
  ASSERT_TRUE(WriteIniString(path, "Menu", "Maximized", "1"));
  EXPECT_EQ(
      ReadBytes(path),
      "; keep me\n[DL]\nurl=new\nSaveFolder=/保存/\n\n[NS]\nIMEMode=1\n[Menu]\nMaximized=1\n");
  EXPECT_EQ(ReadIniString(path, "DL", "SaveFolder"), Sjis("/保存/"));
}

TEST(IniFile, ListsEraseTheirSectionAndStopAtTheFirstEmptyEntry) {
  TempFolder folder;
  const std::string path = folder / "s.inf";
  ASSERT_TRUE(WriteIniList(path, "DLUrl", "", {"a", "b", "c"}));
  ASSERT_TRUE(WriteIniList(path, "DLUrl", "", {"x", "", "z"}));
  EXPECT_EQ(ReadIniListItem(path, "DLUrl", "", 0), "x");
  EXPECT_EQ(ReadIniListItem(path, "DLUrl", "", 1), "");
  EXPECT_EQ(ReadIniListItem(path, "DLUrl", "", 2), "");
  ASSERT_TRUE(WriteIniList(path, "Hist", "Key", {"k0", "k1"}));
  EXPECT_EQ(ReadIniListItem(path, "hist", "key", 1), "k1");
  ASSERT_TRUE(EraseIniSection(path, "DLUrl"));
  EXPECT_EQ(ReadBytes(path), "[Hist]\nKey0=k0\nKey1=k1\n");
}

TEST(IniFile, LongValuesAreCutAt2047Bytes) {
  TempFolder folder;
  const std::string path = folder / "s.inf";
  ASSERT_TRUE(WriteIniString(path, "A", "ascii", std::string(3000, 'x')));
  EXPECT_EQ(ReadIniString(path, "A", "ascii").size(), 2047u);
  std::string kanji;
  for (int i = 0; i < 1500; ++i)
    kanji += Sjis("漢");
  ASSERT_TRUE(WriteIniString(path, "A", "kanji", kanji));
  EXPECT_EQ(ReadIniString(path, "A", "kanji"), kanji.substr(0, 2046));  // never half a character
}

TEST(IniFile, AFailedWriteLeavesTheOldFile) {
  TempFolder folder;
  EXPECT_FALSE(WriteIniString(folder / "no/such/folder/s.inf", "A", "k", "v"));
  EXPECT_FALSE(WriteIniString("", "A", "k", "v"));
  // A full disk: the settings written before stay whole.
  ASSERT_TRUE(WriteIniString(folder / "s.inf", "A", "k", "before"));
  {
    testing::FileSizeLimit full(4);
    EXPECT_FALSE(WriteIniString(folder / "s.inf", "A", "k", std::string(100, 'x')));
  }
  EXPECT_EQ(ReadIniString(folder / "s.inf", "A", "k", ""), "before");
}

TEST(IniFile, ALinkedSettingsFileIsWrittenWhereItLives) {
  TempFolder folder;
  TempFolder dotfiles;
  ASSERT_TRUE(WriteIniString(dotfiles / "s.inf", "A", "k", "v1"));
  std::filesystem::create_symlink(dotfiles / "s.inf", folder / "s.inf");
  ASSERT_TRUE(WriteIniString(folder / "s.inf", "A", "k", "v2"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "s.inf"));
  EXPECT_EQ(ReadIniString(dotfiles / "s.inf", "A", "k", ""), "v2");
}

}  // namespace
}  // namespace pellucor

#include "text/TextFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

// Side effects that record what the helpers asked of the host.
struct RecordedEffects {
  std::vector<std::string> clipboard;
  int pumps = 0;

  [[nodiscard]] FileSideEffects Effects() {
    return {[this](std::string_view text) { clipboard.emplace_back(text); }, [this] { ++pumps; }};
  }
};

TEST(LoadTextFile, LineEndsBecomeCrLf) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "a\r\r\nb\nc\rd\r\ne");
  EXPECT_EQ(LoadTextFile(folder / "a.txt"), "a\r\n\r\nb\r\nc\r\nd\r\ne");
}

TEST(LoadTextFile, MissingAndUnreadableFiles) {
  TempFolder folder;
  EXPECT_EQ(ReadTextFile(folder / "none.txt").status, FileReadStatus::Missing);
  EXPECT_EQ(ReadTextFile(folder.path()).status, FileReadStatus::Missing);  // a folder
  EXPECT_EQ(ReadTextFile("").status, FileReadStatus::Missing);

  // A regular file whose reading fails even for root: the process's own memory at offset 0.
  const LoadedTextFile memory = ReadTextFile("/proc/self/mem");
  EXPECT_EQ(memory.status, FileReadStatus::Unreadable);
  EXPECT_NE(memory.error.find("/proc/self/mem"), std::string::npos);
  EXPECT_EQ(LoadTextFile("/proc/self/mem"), "");

  WriteBytes(folder / "secret.txt", "x");
  std::filesystem::permissions(folder / "secret.txt", std::filesystem::perms::none);
  if (::access((folder / "secret.txt").c_str(), R_OK) == 0) return;  // root reads it anyway
  const LoadedTextFile loaded = ReadTextFile(folder / "secret.txt");
  EXPECT_EQ(loaded.status, FileReadStatus::Unreadable);
  EXPECT_NE(loaded.error.find(folder / "secret.txt"), std::string::npos);
}

TEST(LoadTextFile, ShiftJisPathIsTheUtf8NameOnDisk) {
  TempFolder folder;
  WriteBytes(folder / "表示.txt", "x");
  EXPECT_EQ(LoadTextFile(folder.path() + "/" + Sjis("表示.txt")), "x");
}

TEST(ForceSafeFolder, CreatesTheSafeFolder) {
  TempFolder folder;
  RecordedEffects host;
  const std::string asked = folder.path() + "/a?b/c+d/e";
  EXPECT_EQ(ForceSafeFolder(asked, host.Effects()), folder.path() + "/a@b/c_d/e");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "a@b/c_d/e"));
  EXPECT_EQ(host.clipboard, std::vector<std::string>{asked});
  EXPECT_EQ(host.pumps, 1);
}

TEST(ForceSafeFolder, RefusesEmptyLongAndImpossibleFolders) {
  TempFolder folder;
  EXPECT_EQ(ForceSafeFolder("  "), "");
  std::string longFolder = folder.path() + "/";
  longFolder.append(201 - longFolder.size(), 'x');
  ASSERT_EQ(longFolder.size(), 201u);
  EXPECT_EQ(ForceSafeFolder(longFolder), "");
  EXPECT_FALSE(std::filesystem::exists(longFolder));
  WriteBytes(folder / "file", "x");
  EXPECT_EQ(ForceSafeFolder(folder / "file"), "");
  EXPECT_EQ(ForceSafeFolder(folder / "bad\x80"), "");
}

TEST(SaveTextFile, WritesUnderTheMappedName) {
  TempFolder folder;
  RecordedEffects host;
  EXPECT_EQ(SaveTextFile("page", folder / "s/a?b.html", host.Effects()).outcome,
            SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(folder / "s/a@b.html"), "page");
  ASSERT_FALSE(host.clipboard.empty());
  EXPECT_EQ(host.clipboard.back(), folder / "s/a@b.html");
  EXPECT_EQ(SaveTextFile("x", folder / "a|b:c.txt").outcome, SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(folder / "a~b;c.txt"), "x");
  EXPECT_EQ(SaveTextFile("x", folder / "a=http~~h/b.txt").outcome, SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(folder / "a=http~~h~b.txt"), "x");
  EXPECT_EQ(SaveTextFile("new", folder / "s/a?b.html").outcome, SaveOutcome::Written);
  EXPECT_EQ(ReadBytes(folder / "s/a@b.html"), "new");
}

TEST(SaveTextFile, RefusedPathsWriteNothing) {
  TempFolder folder;
  const std::string refused[] = {
      folder / "a+b.html", folder / "http:/x.html",
      folder / "dir/",     "   ",
      "relative.txt",      folder / ("a" + std::string(250, 'x')),
      folder / "bad\x80",
  };
  for (const std::string& path : refused) {
    EXPECT_EQ(SaveTextFile("text", path).outcome, SaveOutcome::Refused) << path;
  }
  EXPECT_EQ(SaveTextFile("", folder / "empty.txt").outcome, SaveOutcome::Refused);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(SaveTextFile, DoesNotWriteThroughASymbolicLink) {
  TempFolder folder;
  TempFolder outside;
  WriteBytes(outside / "target.txt", "keep");
  std::filesystem::create_symlink(outside / "target.txt", folder / "link.txt");
  EXPECT_EQ(SaveTextFile("overwritten", folder / "link.txt").outcome, SaveOutcome::WriteFailed);
  EXPECT_EQ(ReadBytes(outside / "target.txt"), "keep");
}

}  // namespace
}  // namespace pellucor

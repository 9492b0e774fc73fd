// The file search places over a temporary tree: the worker's rows reach the owner's thread in
// order through a task queue that the test serves as the window's event loop would.
#include "explorer/FileSearchPlace.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <mutex>

#include "files/FoundFileText.h"
#include "support/FakeClipboard.h"
#include "support/FakeLauncher.h"
#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::WriteBytes;

// The window's event loop: tasks posted from any thread, run on this one.
class TaskQueue {
 public:
  void Post(std::function<void()> task) {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  void RunPending() {
    for (;;) {
      std::function<void()> task;
      {
        const std::lock_guard lock(mutex_);
        if (tasks_.empty()) return;
        task = std::move(tasks_.front());
        tasks_.pop_front();
      }
      task();
    }
  }

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

class FileSearchPlaceTest : public ::testing::Test {
 protected:
  FileSearchPlace& Place(SearchPlaceKind kind) {
    place_ = std::make_unique<FileSearchPlace>(
        kind, FileSearchHost{clipboard_, launcher_,
                             [this](std::function<void()> task) { queue_.Post(std::move(task)); },
                             [this] { queue_.RunPending(); }, [this] { ++changes_; }});
    return *place_;
  }
  void RunToTheEnd(FileSearchPlace& place) {
    while (place.finder().IsBusy())
      queue_.RunPending();
    queue_.RunPending();
  }
  std::vector<std::string> Names(const FileSearchPlace& place) const {
    std::vector<std::string> names;
    for (const FoundRow& row : place.values.rows)
      names.push_back(row.name);
    return names;
  }

  testing::TempFolder temp_;
  std::string root_ = temp_.path();
  testing::FakeClipboard clipboard_;
  testing::FakeLauncher launcher_;
  TaskQueue queue_;
  int changes_ = 0;
  std::unique_ptr<FileSearchPlace> place_;
};

TEST_F(FileSearchPlaceTest, MasksPhraseSizesAndTheSummary) {
  std::filesystem::create_directories(root_ + "/sub");
  WriteBytes(root_ + "/a.htm", "x abc");
  WriteBytes(root_ + "/b.html", "xabc");
  WriteBytes(root_ + "/sub/c.html", std::string(1025, 'y'));
  WriteBytes(root_ + "/d.txt", "");
  FileSearchPlace& place = Place(SearchPlaceKind::Explorer);
  place.values.mask = "*.htm*;*.html";
  place.values.folder = root_;
  place.Start();
  EXPECT_FALSE(place.values.startEnabled);
  RunToTheEnd(place);
  std::vector<std::string> names = Names(place);
  std::sort(names.begin(), names.end());
  // A name that both masks take is listed once per mask.
  EXPECT_EQ(names, (std::vector<std::string>{"a.htm", "b.html", "b.html", "c.html", "c.html"}));
  EXPECT_TRUE(place.values.startEnabled);
  EXPECT_FALSE(place.values.abortEnabled);
  EXPECT_NE(place.values.status[1].find(testing::Sjis("【 5 】個のファイルを検出しました")),
            std::string::npos);
  EXPECT_GT(changes_, 0);

  // A phrase as typed: a blank and "abc".
  place.values.mask = "*.*";
  place.values.phrase = " abc";
  place.Start();
  RunToTheEnd(place);
  EXPECT_EQ(Names(place), std::vector<std::string>{"a.htm"});

  // Sizes in kilobytes, a remainder counting whole; sorting the size column twice descends.
  place.values.phrase.clear();
  place.Start();
  RunToTheEnd(place);
  place.SortBy(2);
  place.SortBy(2);
  EXPECT_EQ(place.SortColumn, 2);
  EXPECT_TRUE(place.SortDescending);
  std::vector<std::string> sizes;
  for (const FoundRow& row : place.values.rows)
    sizes.push_back(row.size);
  EXPECT_EQ(sizes, (std::vector<std::string>{"2KB", "1KB", "1KB", "0KB"}));
}

TEST_F(FileSearchPlaceTest, AbortKeepsTheRowsAndSaysSo) {
  for (int i = 0; i < 200; ++i) {
    const std::string folder = root_ + "/f" + std::to_string(i);
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/page.html", "p");
  }
  FileSearchPlace& place = Place(SearchPlaceKind::FileSearchTab);
  place.values.mask = "*.html";
  place.values.folder = root_;
  place.Start();
  place.Abort();
  RunToTheEnd(place);
  EXPECT_EQ(place.values.status[1], FileSearchAbortedText());
  EXPECT_TRUE(place.values.startEnabled);
  EXPECT_LE(place.values.rows.size(), 200u);
}

TEST_F(FileSearchPlaceTest, RowClicksAndDoubleClicks) {
  WriteBytes(root_ + "/a.css", "a");
  WriteBytes(root_ + "/b.gif", "b");
  FileSearchPlace& place = Place(SearchPlaceKind::FileSearchTab);
  place.values.mask = "*.*";
  place.values.folder = root_;
  place.Start();
  RunToTheEnd(place);
  place.SortBy(0);
  ASSERT_EQ(Names(place), (std::vector<std::string>{"a.css", "b.gif"}));
  place.RowClick(0);
  EXPECT_EQ(clipboard_.Text(), root_ + "/a.css");
  place.RowDoubleClick(0);
  place.RowDoubleClick(1);
  EXPECT_EQ(launcher_.opened, (std::vector<std::string>{"editor " + root_ + "/a.css",
                                                        "associated " + root_ + "/b.gif"}));
  // A blank mask or folder starts nothing.
  place.values.mask = " ";
  place.Start();
  EXPECT_FALSE(place.finder().IsBusy());
}

}  // namespace
}  // namespace pellucor

#include "files/FindFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/SearchTree.h"

namespace pellucor {
namespace {

using testing::SearchTree;

// A tree of many folders and files, walked in the threaded cases: 24 folders of 12 files.
void AddLargeTree(const SearchTree& tree) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (int folder = 0; folder < 24; ++folder) {
    for (int file = 0; file < 12; ++file)
      entries.emplace_back("d" + std::to_string(folder % 6) + "/e" + std::to_string(folder) + "/f" +
                               std::to_string(file) + ".txt",
                           "x");
  }
  tree.Add(entries);
}
constexpr std::size_t kLargeTreeFiles = 24 * 12;

// A one-shot signal between threads.
class Signal {
 public:
  void Raise() {
    {
      const std::lock_guard lock(mutex_);
      raised_ = true;
    }
    changed_.notify_all();
  }
  void Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return raised_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool raised_ = false;
};

// Counts of the events of one search and the threads they came on.
struct EventLog {
  std::mutex mutex;
  int begins = 0, finishes = 0, aborts = 0;
  std::size_t matches = 0;
  bool matchAfterAbortReturned = false;
  std::thread::id finishThread, matchThread;
  bool busyInFinish = false;

  void Attach(TFindFile& finder) {
    finder.OnSearchBegin = [this](TFindFile&) { ++begins; };
    finder.OnSearchFinish = [this](TFindFile& sender) {
      ++finishes;
      finishThread = std::this_thread::get_id();
      busyInFinish = sender.IsBusy();
    };
    finder.OnSearchAbort = [this](TFindFile&) { ++aborts; };
  }
};

TEST(FindFileThreads, AThreadedSearchFindsWhatTheCallersThreadFinds) {
  SearchTree tree;
  AddLargeTree(tree);
  std::vector<std::string> found[2];
  for (const bool threaded : {false, true}) {
    SCOPED_TRACE(threaded ? "threaded" : "caller's thread");
    TFindFile finder;
    finder.Threaded = threaded;
    tree.Aim(finder, "f1*.txt");
    EventLog log;
    log.Attach(finder);
    std::thread::id matchThread;
    finder.OnFolderChange = [&](TFindFile&, const std::string&, TFolderIgnore&) {
      matchThread = std::this_thread::get_id();
    };
    found[threaded] = tree.Matches(finder);
    EXPECT_FALSE(finder.IsBusy());
    EXPECT_EQ(log.begins, 1);
    EXPECT_EQ(log.finishes, 1);
    EXPECT_EQ(log.aborts, 0);
    EXPECT_TRUE(log.busyInFinish);  // finishing raises its event before the search is idle
    EXPECT_EQ(log.finishThread, std::this_thread::get_id());
    EXPECT_EQ(matchThread == std::this_thread::get_id(), !threaded);
  }
  EXPECT_EQ(found[0].size(), 24u * 3);  // f1, f10 and f11 of each folder
  EXPECT_EQ(found[0], found[1]);
}

TEST(FindFileThreads, TheWorkerHandsFinishingToTheOwner) {
  SearchTree tree;
  AddLargeTree(tree);
  std::mutex mutex;
  std::condition_variable posted;
  std::deque<std::function<void()>> tasks;
  TFindFile finder;
  finder.Threaded = true;
  tree.Aim(finder, "*.txt");
  finder.PostToOwner = [&](std::function<void()> task) {
    {
      const std::lock_guard lock(mutex);
      tasks.push_back(std::move(task));
    }
    posted.notify_all();
  };
  EventLog log;
  log.Attach(finder);
  std::atomic<std::size_t> matches{0};
  finder.OnFileMatch = [&](TFindFile&, const std::string&, const TFileInfo&) { ++matches; };
  ASSERT_EQ(finder.Execute(), ExecuteResult::Started);
  EXPECT_EQ(finder.Execute(), ExecuteResult::Busy);
  // The owner's event loop: run what the worker hands over until the search is idle.
  while (finder.IsBusy()) {
    std::unique_lock lock(mutex);
    posted.wait(lock, [&] { return !tasks.empty(); });
    const std::function<void()> task = std::move(tasks.front());
    tasks.pop_front();
    lock.unlock();
    task();
  }
  EXPECT_EQ(matches.load(), kLargeTreeFiles);
  EXPECT_EQ(log.finishes, 1);
  EXPECT_EQ(log.finishThread, std::this_thread::get_id());
  EXPECT_TRUE(tasks.empty());
}

TEST(FindFileThreads, AbortFromAnotherThreadWhileALargeTreeIsWalked) {
  SearchTree tree;
  AddLargeTree(tree);
  TFindFile finder;
  finder.Threaded = true;
  tree.Aim(finder, "*.txt");
  EventLog log;
  log.Attach(finder);
  Signal firstMatch, aborting;
  finder.OnSearchAbort = [&](TFindFile& sender) {
    ++log.aborts;
    EXPECT_TRUE(sender.IsAborted());
    aborting.Raise();
  };
  bool abortReturned = false;
  finder.OnFileMatch = [&](TFindFile&, const std::string&, const TFileInfo&) {
    {
      const std::lock_guard lock(log.mutex);
      if (abortReturned) log.matchAfterAbortReturned = true;
      ++log.matches;
    }
    if (log.matches == 1) {
      firstMatch.Raise();
      aborting.Wait();  // the worker holds here until the abort is under way
    }
  };
  ASSERT_EQ(finder.Execute(), ExecuteResult::Started);
  firstMatch.Wait();
  finder.Abort();
  {
    const std::lock_guard lock(log.mutex);
    abortReturned = true;
  }
  EXPECT_FALSE(finder.IsBusy());
  EXPECT_TRUE(finder.IsAborted());
  EXPECT_EQ(log.matches, 1u);
  EXPECT_FALSE(log.matchAfterAbortReturned);
  EXPECT_EQ(log.aborts, 1);
  EXPECT_EQ(log.finishes, 1);
  finder.Abort();  // idle: nothing
  EXPECT_EQ(log.aborts, 1);
}

TEST(FindFileThreads, AbortFromAWorkerHandlerStopsTheWalk) {
  SearchTree tree;
  AddLargeTree(tree);
  for (const bool threaded : {true, false}) {
    SCOPED_TRACE(threaded ? "threaded" : "caller's thread");
    TFindFile finder;
    finder.Threaded = threaded;
    tree.Aim(finder, "*.txt");
    EventLog log;
    log.Attach(finder);
    int folderEvents = 0;
    finder.OnFolderChange = [&](TFindFile&, const std::string&, TFolderIgnore&) { ++folderEvents; };
    finder.OnFileMatch = [&](TFindFile& sender, const std::string&, const TFileInfo&) {
      ++log.matches;
      sender.Abort();
      sender.Abort();  // already aborted: nothing
    };
    finder.Execute();
    finder.WaitFor();
    EXPECT_FALSE(finder.IsBusy());
    EXPECT_EQ(log.matches, 1u);
    EXPECT_EQ(log.aborts, 1);
    EXPECT_EQ(log.finishes, 1);
    EXPECT_LT(folderEvents, 10);  // no folder is entered once the search is aborted
  }
}

TEST(FindFileThreads, AbortServesThePumpWhileItWaits) {
  SearchTree tree;
  AddLargeTree(tree);
  TFindFile finder;
  finder.Threaded = true;
  tree.Aim(finder, "*.txt");
  Signal firstMatch, pumped;
  std::atomic<int> pumps{0};
  finder.AbortPump = [&] {
    if (pumps.fetch_add(1) == 0) pumped.Raise();
  };
  std::atomic<int> matches{0};
  finder.OnFileMatch = [&](TFindFile&, const std::string&, const TFileInfo&) {
    if (matches.fetch_add(1) == 0) {
      firstMatch.Raise();
      pumped.Wait();  // ends only because Abort serves the pump while it waits
    }
  };
  ASSERT_EQ(finder.Execute(), ExecuteResult::Started);
  firstMatch.Wait();
  finder.Abort();
  EXPECT_FALSE(finder.IsBusy());
  EXPECT_GE(pumps.load(), 1);
  EXPECT_EQ(matches.load(), 1);
}

TEST(FindFileThreads, DestroyingABusySearchAbortsItSilently) {
  SearchTree tree;
  AddLargeTree(tree);
  auto finder = std::make_unique<TFindFile>();
  finder->Threaded = true;
  tree.Aim(*finder, "*.txt");
  EventLog log;
  log.Attach(*finder);
  Signal firstMatch, pumped;
  finder->AbortPump = [&] { pumped.Raise(); };
  std::atomic<int> matches{0};
  finder->OnFileMatch = [&](TFindFile& sender, const std::string&, const TFileInfo&) {
    if (matches.fetch_add(1) == 0) {
      firstMatch.Raise();
      pumped.Wait();
      EXPECT_TRUE(sender.IsAborted());
    }
  };
  ASSERT_EQ(finder->Execute(), ExecuteResult::Started);
  firstMatch.Wait();
  finder.reset();
  EXPECT_EQ(matches.load(), 1);
  EXPECT_EQ(log.aborts, 0);
  EXPECT_EQ(log.finishes, 0);
}

TEST(FindFileThreads, FailingHandlersEndTheSearchAsUsual) {
  SearchTree tree;
  AddLargeTree(tree);
  for (const bool threaded : {false, true}) {
    SCOPED_TRACE(threaded ? "threaded" : "caller's thread");
    TFindFile finder;
    finder.Threaded = threaded;
    tree.Aim(finder, "*.txt");
    EventLog log;
    log.Attach(finder);
    finder.OnFileMatch = [&](TFindFile&, const std::string&, const TFileInfo&) {
      ++log.matches;
      throw std::runtime_error("handler failed");
    };
    // The finish event tells the failure from a search that ran to its end.
    std::string failureAtFinish = "not finished";
    finder.OnSearchFinish = [&](TFindFile& sender) {
      ++log.finishes;
      failureAtFinish = sender.Failure();
    };
    if (threaded) {
      EXPECT_EQ(finder.Execute(), ExecuteResult::Started);
      finder.WaitFor();
      EXPECT_EQ(failureAtFinish, "handler failed");
    } else {
      // In the caller's thread the exception itself reaches the caller.
      EXPECT_THROW(finder.Execute(), std::runtime_error);
      EXPECT_EQ(failureAtFinish, "");
    }
    EXPECT_FALSE(finder.IsBusy());
    EXPECT_FALSE(finder.IsAborted());
    EXPECT_EQ(log.matches, 1u);
    EXPECT_EQ(log.finishes, 1);
  }
  // The next search starts with no failure.
  TFindFile finder;
  finder.Threaded = true;
  tree.Aim(finder, "*.txt");
  finder.OnFileMatch = [](TFindFile&, const std::string&, const TFileInfo&) {
    throw std::runtime_error("first");
  };
  ASSERT_EQ(finder.Execute(), ExecuteResult::Started);
  finder.WaitFor();
  finder.OnFileMatch = nullptr;
  ASSERT_EQ(finder.Execute(), ExecuteResult::Started);
  finder.WaitFor();
  EXPECT_EQ(finder.Failure(), "");
}

TEST(FindFileThreads, TheWorkerRunsAtItsPriority) {
  SearchTree tree;
  tree.Add({{"a", "x"}});
  TFindFile finder;
  finder.Threaded = true;
  finder.ThreadPriority = ThreadPriority::Lower;
  finder.Criteria.Files.Location = tree.root();
  const int own = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
  int worker = own;
  finder.OnFolderChange = [&](TFindFile&, const std::string&, TFolderIgnore&) {
    worker = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
  };
  finder.Execute();
  finder.WaitFor();
  EXPECT_EQ(worker, std::min(own + 5, 19));
  EXPECT_EQ(::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid())), own);
}

}  // namespace
}  // namespace pellucor

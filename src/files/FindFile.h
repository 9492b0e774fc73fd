#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "files/FileInfo.h"
#include "files/FolderWalk.h"
#include "files/SearchCriteria.h"
#include "files/SearchPlan.h"

namespace pellucor {

enum class ThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

/// What Execute did.
enum class ExecuteResult {
  Busy,         // a search was running already; nothing was done
  Finished,     // the search ran in the caller's thread and has finished
  Started,      // the worker thread runs the search
  StartFailed,  // the worker thread could not be started; the search has finished as usual
};

/// The file search component: it walks the folders that `Criteria` names and reports every
/// matching entry through its events, in the caller's thread or on a worker thread (`Threaded`).
///
/// Threads. The component belongs to the thread that calls Execute (its owner): WaitFor,
/// destruction and the tasks handed to PostToOwner run there. Abort may be called from any
/// thread, handlers of the worker included. OnSearchBegin runs on the owner before the walk;
/// OnFolderChange, OnFileMatch, OnNameSkipped and AcceptFile run on the thread of the walk (the
/// worker when Threaded), so their handlers must hand any user-interface work to the owner
/// themselves. OnSearchFinish runs on the owner once the walk has ended: when the worker ends it
/// hands the finishing to PostToOwner; without PostToOwner, finishing waits for WaitFor, Abort
/// or destruction. Handlers and PostToOwner must not be changed while IsBusy().
class TFindFile {
 public:
  using TFileMatchEvent =
      std::function<void(TFindFile& Sender, const std::string& Folder, const TFileInfo& FileInfo)>;
  using TFolderChangeEvent = std::function<void(TFindFile& Sender, const std::string& Folder,
                                                TFolderIgnore& IgnoreFolder)>;
  using TNotifyEvent = std::function<void(TFindFile& Sender)>;
  using TNameSkippedEvent = std::function<void(TFindFile& Sender, const std::string& Folder,
                                               std::string_view SystemName)>;

  TFindFile();
  /// A busy component is aborted first (without OnSearchAbort or OnSearchFinish) and its worker
  /// waited for. A derived class that overrides AcceptFile or a Do... operation must call
  /// Abort() and WaitFor() in its own destructor, while its overrides still exist.
  virtual ~TFindFile();
  TFindFile(const TFindFile&) = delete;
  TFindFile& operator=(const TFindFile&) = delete;

  TSearchCriteria Criteria;
  bool Threaded = false;
  /// The worker's scheduling priority; the priorities above normal need the right to raise it
  /// and otherwise stay normal.
  pellucor::ThreadPriority ThreadPriority = pellucor::ThreadPriority::Normal;

  TFileMatchEvent OnFileMatch;
  TFolderChangeEvent OnFolderChange;
  TNotifyEvent OnSearchBegin;
  TNotifyEvent OnSearchFinish;
  TNotifyEvent OnSearchAbort;
  /// An entry the search would look at (a name that matches a mask, a subfolder) whose name has
  /// no exact Shift_JIS form; the search leaves it out and a folder of such a name unsearched.
  TNameSkippedEvent OnNameSkipped;
  /// A folder of the search that could not be opened or listed (with the system's error
  /// number); it is left unsearched. Runs on the thread of the walk.
  std::function<void(TFindFile& Sender, const std::string& Folder, int Error)> OnFolderUnreadable;

  /// Hands a task to the owner's thread (a GUI queues it on its event loop). Called by the
  /// worker; must queue the task, never run it there and then.
  std::function<void(std::function<void()>)> PostToOwner;
  /// Called again and again on the aborting thread while Abort waits for the worker, about every
  /// 10 ms: a GUI lets its pending events run there, dropping keyboard and mouse input.
  std::function<void()> AbortPump;

  /// When IsBusy, nothing (Busy). Otherwise builds the plan against the current folder, clears
  /// IsAborted, sets IsBusy and raises OnSearchBegin; then starts the worker (Started, or
  /// StartFailed after finishing as usual when no thread can be made), or walks and finishes in
  /// the caller's thread (Finished). An exception of a handler during a walk in the caller's
  /// thread finishes the search as usual and is then passed on.
  ExecuteResult Execute();

  /// When not busy or already aborted, nothing. Otherwise sets IsAborted, raises OnSearchAbort
  /// and, when a worker runs, waits for it to end (serving AbortPump) and, on the owner, finishes.
  /// From a handler of the worker it only marks the search aborted: the walk stops after the
  /// handler returns.
  void Abort();

  /// On the owner: when the worker's walk runs or has run, waits for it to end and finishes
  /// (OnSearchFinish). Nothing otherwise.
  void WaitFor();

  [[nodiscard]] bool IsBusy() const { return busy_.load(); }
  /// Why the last threaded search failed: a handler of the worker threw, which ended the walk
  /// (the exception's text, or "unknown error"); empty when it did not. Set before
  /// OnSearchFinish runs, so the handler can tell a failed search from a finished one.
  [[nodiscard]] std::string Failure() const;
  [[nodiscard]] bool IsAborted() const { return aborted_.load(); }
  /// The depth of the folder being walked (the target folder is 1; 0 between target folders).
  [[nodiscard]] std::uint16_t CurrentLevel() const { return level_.load(); }
  /// How many entries the last search left out for their names (see OnNameSkipped).
  [[nodiscard]] std::uint64_t SkippedNames() const { return skippedNames_.load(); }
  /// How many folders the last search could not open or list (see OnFolderUnreadable).
  [[nodiscard]] std::uint64_t UnreadableFolders() const { return unreadableFolders_.load(); }

  /// The plan's tests (see FileAcceptance.h) on `FileInfo` of `Folder`; false when no search
  /// runs. Runs on the thread of the walk.
  virtual bool AcceptFile(const std::string& Folder, const TFileInfo& FileInfo);

 protected:
  virtual void DoSearchBegin();
  virtual void DoSearchFinish();
  virtual void DoSearchAbort();
  /// Not raised once IsAborted is set: the folder is then skipped with fiThisAndSubfolders.
  virtual void DoFolderChange(const std::string& Folder, TFolderIgnore& IgnoreFolder);
  /// Not raised once IsAborted is set.
  virtual void DoFileMatch(const std::string& Folder, const TFileInfo& FileInfo);

 private:
  class WalkHost;

  void Walk();
  void WorkerMain(std::uint64_t run);
  void ApplyThreadPriority() const;
  // Waits until the worker of the current run has ended, serving `pump` when given.
  void WaitForWorkerEnd(const std::function<void()>& pump);
  // On the owner: joins the worker of `run` and finishes that run, unless that happened already.
  void FinishRun(std::uint64_t run);
  void Finish();

  mutable std::mutex mutex_;
  std::condition_variable workerEnded_;
  bool workerRunning_ = false;  // guarded by mutex_
  std::string failure_;         // guarded by mutex_
  std::thread worker_;
  std::atomic<std::thread::id> workerId_{};
  std::atomic<std::thread::id> ownerId_{};
  std::atomic<bool> busy_{false};
  std::atomic<bool> aborted_{false};
  std::atomic<bool> threadedRun_{false};
  std::atomic<std::uint64_t> run_{0};
  std::atomic<std::uint16_t> level_{0};
  std::atomic<std::uint64_t> skippedNames_{0};
  std::atomic<std::uint64_t> unreadableFolders_{0};
  bool destroying_ = false;
  std::unique_ptr<TTargetSearch> plan_;
  // Posted finishing tasks hold a weak reference, so a task that outlives the component does
  // nothing.
  std::shared_ptr<TFindFile*> alive_;
};

}  // namespace pellucor

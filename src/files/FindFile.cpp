#include "files/FindFile.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "files/FileAcceptance.h"

namespace pellucor {
namespace {

// Nice values of the priorities, relative to the process's own.
int NiceOffset(ThreadPriority priority) {
  switch (priority) {
    case ThreadPriority::Idle:
      return 19;
    case ThreadPriority::Lowest:
      return 10;
    case ThreadPriority::Lower:
      return 5;
    case ThreadPriority::Normal:
      return 0;
    case ThreadPriority::Higher:
      return -5;
    case ThreadPriority::Highest:
      return -10;
    case ThreadPriority::TimeCritical:
      return -20;
  }
  return 0;
}

// The current folder as a Shift_JIS text; empty when it has none, which leaves relative folders
// relative (the system then resolves them itself).
std::string CurrentFolder() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (error) return {};
  return ShiftJisName(current.string()).value_or(std::string());
}

}  // namespace

// The walk's questions, answered by the component's virtual operations.
class TFindFile::WalkHost final : public TFolderWalkHost {
 public:
  explicit WalkHost(TFindFile& owner) : owner_(owner) {}

  TFolderIgnore FolderEntered(const std::string& folder, std::uint16_t level) override {
    owner_.level_.store(level);
    TFolderIgnore action = TFolderIgnore::fiNone;
    owner_.DoFolderChange(folder, action);
    return action;
  }
  void FolderLeft(std::uint16_t level) override { owner_.level_.store(level); }
  bool Accept(const std::string& folder, const TFileInfo& entry) override {
    return owner_.AcceptFile(folder, entry);
  }
  void FileMatched(const std::string& folder, const TFileInfo& entry) override {
    owner_.DoFileMatch(folder, entry);
  }
  void NameSkipped(const std::string& folder, std::string_view systemName) override {
    owner_.skippedNames_.fetch_add(1);
    if (owner_.OnNameSkipped && !owner_.IsAborted())
      owner_.OnNameSkipped(owner_, folder, systemName);
  }
  void FolderUnreadable(const std::string& folder, int error) override {
    owner_.unreadableFolders_.fetch_add(1);
    if (owner_.OnFolderUnreadable && !owner_.IsAborted())
      owner_.OnFolderUnreadable(owner_, folder, error);
  }
  [[nodiscard]] bool Aborted() const override { return owner_.IsAborted(); }

 private:
  TFindFile& owner_;
};

TFindFile::TFindFile() : alive_(std::make_shared<TFindFile*>(this)) {}

TFindFile::~TFindFile() {
  destroying_ = true;
  Abort();
  // Abort from another thread leaves the worker to the owner; whoever destroys the component
  // takes that part now.
  FinishRun(run_.load());
  alive_.reset();
}

ExecuteResult TFindFile::Execute() {
  if (busy_.load()) return ExecuteResult::Busy;
  plan_ = std::make_unique<TTargetSearch>(BuildSearchPlan(Criteria, CurrentFolder()));
  const std::uint64_t run = run_.fetch_add(1) + 1;
  ownerId_.store(std::this_thread::get_id());
  workerId_.store(std::thread::id());
  threadedRun_.store(Threaded);
  skippedNames_.store(0);
  unreadableFolders_.store(0);
  level_.store(0);
  aborted_.store(false);
  {
    const std::lock_guard lock(mutex_);
    failure_.clear();
  }
  busy_.store(true);
  try {
    DoSearchBegin();
    if (!Threaded) {
      Walk();
      Finish();
      return ExecuteResult::Finished;
    }
  } catch (...) {
    Finish();
    throw;
  }
  {
    const std::lock_guard lock(mutex_);
    workerRunning_ = true;
  }
  try {
    worker_ = std::thread([this, run] { WorkerMain(run); });
  } catch (const std::system_error&) {
    {
      const std::lock_guard lock(mutex_);
      workerRunning_ = false;
    }
    threadedRun_.store(false);
    Finish();
    return ExecuteResult::StartFailed;
  }
  return ExecuteResult::Started;
}

void TFindFile::Abort() {
  if (!busy_.load()) return;
  bool expected = false;
  if (!aborted_.compare_exchange_strong(expected, true)) return;
  const std::uint64_t run = run_.load();
  DoSearchAbort();
  if (!threadedRun_.load() || std::this_thread::get_id() == workerId_.load()) return;
  WaitForWorkerEnd(AbortPump);
  if (std::this_thread::get_id() == ownerId_.load()) FinishRun(run);
}

void TFindFile::WaitFor() {
  if (!busy_.load() || !threadedRun_.load()) return;
  FinishRun(run_.load());
}

std::string TFindFile::Failure() const {
  const std::lock_guard lock(mutex_);
  return failure_;
}

bool TFindFile::AcceptFile(const std::string& Folder, const TFileInfo& FileInfo) {
  return plan_ != nullptr && pellucor::AcceptFile(*plan_, Folder, FileInfo, &aborted_);
}

void TFindFile::DoSearchBegin() {
  if (!destroying_ && OnSearchBegin) OnSearchBegin(*this);
}

void TFindFile::DoSearchFinish() {
  if (!destroying_ && OnSearchFinish) OnSearchFinish(*this);
}

void TFindFile::DoSearchAbort() {
  if (!destroying_ && OnSearchAbort) OnSearchAbort(*this);
}

void TFindFile::DoFolderChange(const std::string& Folder, TFolderIgnore& IgnoreFolder) {
  if (IsAborted()) {
    IgnoreFolder = TFolderIgnore::fiThisAndSubfolders;
    return;
  }
  if (OnFolderChange) OnFolderChange(*this, Folder, IgnoreFolder);
}

void TFindFile::DoFileMatch(const std::string& Folder, const TFileInfo& FileInfo) {
  if (!IsAborted() && OnFileMatch) OnFileMatch(*this, Folder, FileInfo);
}

void TFindFile::Walk() {
  WalkHost host(*this);
  for (const TTargetFolder& target : plan_->TargetFolders.Folders()) {
    if (IsAborted()) break;
    level_.store(0);
    WalkTargetFolder(target, host);
  }
  level_.store(0);
}

void TFindFile::WorkerMain(std::uint64_t run) {
  workerId_.store(std::this_thread::get_id());
  ApplyThreadPriority();
  // A failing handler ends the walk; finishing follows as for any other end, and the owner
  // learns why through Failure().
  std::string failure;
  try {
    Walk();
  } catch (const std::exception& exception) {
    failure = exception.what();
    if (failure.empty()) failure = "unknown error";
  } catch (...) {
    failure = "unknown error";
  }
  {
    const std::lock_guard lock(mutex_);
    failure_ = std::move(failure);
    workerRunning_ = false;
  }
  workerEnded_.notify_all();
  if (PostToOwner) {
    PostToOwner([alive = std::weak_ptr<TFindFile*>(alive_), run] {
      if (const std::shared_ptr<TFindFile*> component = alive.lock()) (*component)->FinishRun(run);
    });
  }
}

void TFindFile::ApplyThreadPriority() const {
  const int offset = NiceOffset(ThreadPriority);
  if (offset == 0) return;
  // On Linux a nice value set for a thread id applies to that thread alone.
  const id_t thread = static_cast<id_t>(::gettid());
  errno = 0;
  const int current = ::getpriority(PRIO_PROCESS, thread);
  if (errno != 0) return;
  ::setpriority(PRIO_PROCESS, thread, std::clamp(current + offset, -20, 19));
}

void TFindFile::WaitForWorkerEnd(const std::function<void()>& pump) {
  const std::uint64_t run = run_.load();
  std::unique_lock lock(mutex_);
  while (workerRunning_ && run_.load() == run) {
    if (!pump) {
      workerEnded_.wait(lock);
      continue;
    }
    if (workerEnded_.wait_for(lock, std::chrono::milliseconds(10)) == std::cv_status::no_timeout)
      continue;
    lock.unlock();
    pump();
    lock.lock();
  }
}

void TFindFile::FinishRun(std::uint64_t run) {
  if (run != run_.load() || !busy_.load()) return;
  if (worker_.joinable()) {
    WaitForWorkerEnd(nullptr);
    worker_.join();
  }
  if (run == run_.load() && busy_.load()) Finish();
}

void TFindFile::Finish() {
  // The plan is freed and the component idle again even when the handler fails.
  struct Idle {
    TFindFile& owner;
    ~Idle() {
      owner.plan_.reset();
      owner.threadedRun_.store(false);
      owner.busy_.store(false);
    }
  } idle{*this};
  DoSearchFinish();
}

}  // namespace pellucor

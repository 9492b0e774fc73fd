#include "cli/FindCommand.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "files/FindFile.h"
#include "files/FoundFileText.h"
#include "files/SearchPlan.h"
#include "text/CodePage932.h"

namespace pellucor::cli {
namespace {

const std::vector<std::string> kValueOptions = {"--mask",      "--dir",       "--phrase",
                                                "--min-level", "--max-level", "--exclude"};
const std::vector<std::string> kFlags = {"-h", "--help", "--whole-word", "--case"};

// What the SIGINT handler may touch: a flag and the write end of the wake-up pipe.
std::atomic<bool> interrupted{false};
std::atomic<int> wakeDescriptor{-1};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
  interrupted.store(true);
  const int descriptor = wakeDescriptor.load();
  if (descriptor >= 0) {
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(descriptor, "i", 1);
    errno = saved;
  }
}

// The wake-up pipe of the command's own thread and the SIGINT handler that writes into it,
// installed for the run and taken down after it.
class InterruptWatch {
 public:
  InterruptWatch() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) pipe_[0] = pipe_[1] = -1;
    interrupted.store(false);
    wakeDescriptor.store(pipe_[1]);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // reads and listings of the walk go on unharmed
    ::sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptWatch() {
    ::sigaction(SIGINT, &previous_, nullptr);
    wakeDescriptor.store(-1);
    for (const int descriptor : pipe_) {
      if (descriptor >= 0) ::close(descriptor);
    }
  }
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  [[nodiscard]] bool ok() const { return pipe_[0] >= 0; }

  /// Wakes Wait() from another thread.
  void Wake() const { [[maybe_unused]] const ssize_t written = ::write(pipe_[1], "w", 1); }

  /// Waits until the pipe has something (a wake-up or an interrupt) and empties it.
  void Wait() const {
    pollfd readable{pipe_[0], POLLIN, 0};
    while (::poll(&readable, 1, -1) < 0 && errno == EINTR) {
    }
    char drained[64];
    while (::read(pipe_[0], drained, sizeof drained) > 0) {
    }
  }

 private:
  int pipe_[2] = {-1, -1};
  struct sigaction previous_ {};
};

// Tasks the search's worker hands to this thread.
class TaskQueue {
 public:
  explicit TaskQueue(const InterruptWatch& watch) : watch_(watch) {}
  void Post(std::function<void()> task) {
    {
      const std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    watch_.Wake();
  }
  void RunAll() {
    std::deque<std::function<void()>> ready;
    {
      const std::lock_guard lock(mutex_);
      ready.swap(tasks_);
    }
    for (const std::function<void()>& task : ready)
      task();
  }

 private:
  const InterruptWatch& watch_;
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

std::optional<std::uint16_t> LevelNumber(const std::string& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const unsigned long value = std::stoul(text);
  if (value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// Every value of a repeatable option, in order (the option parser keeps only the last).
std::vector<std::string> AllValues(const std::vector<std::string>& arguments,
                                   const std::string& option) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") break;
    if (argument.starts_with(option + "=")) {
      values.push_back(argument.substr(option.size() + 1));
    } else if (argument == option && i + 1 < arguments.size()) {
      values.push_back(arguments[++i]);
    } else if (std::find(kValueOptions.begin(), kValueOptions.end(), argument) !=
               kValueOptions.end()) {
      ++i;  // the value of another option, whatever it looks like
    }
  }
  return values;
}

// Shift_JIS forms of the typed texts; nullopt with a message when one has none.
std::optional<std::string> TypedText(const std::string& text, const char* what,
                                     std::ostream& error) {
  std::optional<std::string> sjis = Utf8ToSjisExact(text);
  if (!sjis) error << what << " cannot be written in Shift_JIS: " << text << "\n";
  return sjis;
}

// The folders of a Location list that are no folder, as the user typed them.
std::optional<std::string> MissingFolder(const std::string& location) {
  for (const std::string& piece : SplitSearchList(location, RepeatCompare::Exact)) {
    std::string_view folder = piece;
    if (folder.starts_with('<') || folder.starts_with('>')) folder.remove_prefix(1);
    const std::string utf8 = SjisToUtf8(folder);
    std::error_code failure;
    if (!std::filesystem::is_directory(utf8.empty() ? "." : utf8, failure)) return utf8;
  }
  return std::nullopt;
}

// Writes the matches, one line each, keeping the UTF-8 form of the last folder.
class MatchPrinter {
 public:
  explicit MatchPrinter(std::ostream& out) : out_(out) {}
  void Print(const std::string& folder, const TFileInfo& entry) {
    if (folder != folder_) {
      folder_ = folder;
      folderText_ = SjisToUtf8(folder);
    }
    std::string line = SjisToUtf8(entry.Name);
    line += '\t';
    line += folderText_;
    line += '\t';
    line += FoundFileSizeText(entry);
    line += '\t';
    line += FoundFileTimeText(entry.Time);
    line += '\n';
    out_ << line;
  }

 private:
  std::ostream& out_;
  std::string folder_;
  std::string folderText_;
};

}  // namespace

const char* const kFindUsage =
    "usage: pellucor-cli find --mask MASKS --dir FOLDERS [options]\n"
    "\n"
    "Searches the folders FOLDERS and their subfolders for files whose names match one of\n"
    "MASKS, and prints one line per match: name, folder, size in kilobytes (\"3KB\") and last\n"
    "write time, separated by TABs; then the summary of the search. A file that matches two\n"
    "masks is printed twice. Ctrl-C aborts the search, which still prints its summary.\n"
    "\n"
    "  --mask MASKS       file masks with \"*\" and \"?\", separated by \";\" (\"*.htm*;*.css\");\n"
    "                     letters match without case\n"
    "  --dir FOLDERS      folders separated by \";\"; \"<\" before a folder searches it without\n"
    "                     its subfolders\n"
    "  --phrase TEXT      only files that contain TEXT (its Shift_JIS bytes, blanks included)\n"
    "  --whole-word       TEXT must stand between bytes that are no ASCII letter or digit\n"
    "  --case             TEXT must match in case too\n"
    "  --min-level N      report files only from folders N levels deep or deeper (the named\n"
    "                     folder is level 1)\n"
    "  --max-level N      do not descend below level N\n"
    "  --exclude MASK     leave out files matching MASK, which may start with a folder\n"
    "                     (\"sub/*.tmp\" leaves them out of folders whose path ends in sub/);\n"
    "                     may be given several times\n"
    "\n"
    "Hidden files and read-only files are included, folders are not, and symbolic links to\n"
    "folders are not followed. Names with no Shift_JIS form are left out with a warning.\n"
    "Exit status: 0 files were found, 1 nothing was found or the search was aborted, 2 a\n"
    "folder that does not exist or a text with no Shift_JIS form, 64 usage error.\n";

namespace {

// What the command line asks of one search, checked: the criteria of the file search tabs
// with the masks, folders and phrase it names. Without one, `status` is the exit status (help,
// a usage error, a text or folder that cannot be used).
struct ParsedFind {
  std::optional<TSearchCriteria> criteria;
  int status = kDone;
};

ParsedFind ParseFind(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, kValueOptions, kFlags, error);
  if (!line) return {{}, kUsageError};
  if (line->Has("-h") || line->Has("--help")) {
    out << kFindUsage;
    return {{}, kDone};
  }
  const std::optional<std::string> masks = line->Value("--mask");
  const std::optional<std::string> folders = line->Value("--dir");
  if (!masks || !folders || !line->Positional().empty()) {
    error << "find needs --mask and --dir and nothing else (see pellucor-cli find --help)\n";
    return {{}, kUsageError};
  }
  TSearchCriteria criteria;
  TFileCriteria& files = criteria.Files;
  for (const auto& [option, level] :
       {std::pair{"--min-level", &files.MinLevel}, std::pair{"--max-level", &files.MaxLevel}}) {
    if (const std::optional<std::string> value = line->Value(option)) {
      const std::optional<std::uint16_t> number = LevelNumber(*value);
      if (!number) {
        error << option << " takes a number from 0 to 65535\n";
        return {{}, kUsageError};
      }
      *level = *number;
    }
  }

  const std::optional<std::string> fileName = TypedText(*masks, "the masks", error);
  const std::optional<std::string> location = TypedText(*folders, "the folders", error);
  const std::optional<std::string> phrase =
      TypedText(line->Value("--phrase").value_or(""), "the phrase", error);
  if (!fileName || !location || !phrase) return {{}, kBadInput};
  for (const std::string& exclude : AllValues(arguments, "--exclude")) {
    const std::optional<std::string> mask = TypedText(exclude, "the excluded mask", error);
    if (!mask) return {{}, kBadInput};
    files.Excluded.push_back(*mask);
  }
  if (const std::optional<std::string> missing = MissingFolder(*location)) {
    error << "not a folder: " << *missing << "\n";
    return {{}, kBadInput};
  }
  // The settings of the file search tabs; the command line sets masks, folders and phrase.
  files.FileName = *fileName;
  files.Location = *location;
  files.Subfolders = true;
  TContentCriteria& content = criteria.Content;
  content.Phrase = *phrase;
  content.IgnoreCase = !line->Has("--case");
  content.WholeWord = line->Has("--whole-word");
  return {std::move(criteria), kDone};
}

// Runs the search on a worker, printing the matches as they come; Ctrl-C aborts it.
int RunSearch(TSearchCriteria criteria, std::ostream& out, std::ostream& error) {
  TFindFile finder;
  finder.Criteria = std::move(criteria);
  InterruptWatch watch;
  if (!watch.ok()) {
    error << "cannot set up the interrupt handling\n";
    return kEndedEarly;
  }
  TaskQueue tasks(watch);
  std::size_t folderCount = 0;
  std::size_t fileCount = 0;
  std::chrono::steady_clock::time_point started;
  bool aborted = false;
  MatchPrinter printer(out);
  finder.Threaded = true;
  finder.PostToOwner = [&tasks](std::function<void()> task) { tasks.Post(std::move(task)); };
  finder.OnSearchBegin = [&](TFindFile&) {
    folderCount = 0;
    started = std::chrono::steady_clock::now();
  };
  // The worker looks at the interrupt flag itself too, so that it stops at its next step even
  // before this thread has woken up.
  finder.OnFolderChange = [&](TFindFile& sender, const std::string&, TFolderIgnore&) {
    if (interrupted.load()) sender.Abort();
    ++folderCount;
  };
  finder.OnFileMatch = [&](TFindFile& sender, const std::string& folder, const TFileInfo& entry) {
    if (interrupted.load()) {
      sender.Abort();
      return;
    }
    ++fileCount;
    printer.Print(folder, entry);
  };
  finder.OnNameSkipped = [&error](TFindFile&, const std::string& folder, std::string_view name) {
    error << "warning: left out a name with no Shift_JIS form: " << SjisToUtf8(folder) << name
          << "\n";
  };
  finder.OnFolderUnreadable = [&error](TFindFile&, const std::string& folder, int code) {
    error << "warning: could not search the folder " << SjisToUtf8(folder) << " ("
          << std::strerror(code) << ")\n";
  };
  std::string failure;
  finder.OnSearchFinish = [&](TFindFile& sender) {
    aborted = sender.IsAborted();
    failure = sender.Failure();
    if (!failure.empty()) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    out << SjisToUtf8(aborted ? FileSearchAbortedText()
                              : FileSearchSummary(folderCount, fileCount, seconds))
        << "\n";
    out.flush();
  };

  if (finder.Execute() == ExecuteResult::StartFailed) {
    error << "cannot start the search\n";
    return kEndedEarly;
  }
  while (finder.IsBusy()) {
    watch.Wait();
    if (interrupted.load()) finder.Abort();  // waits for the worker and finishes
    tasks.RunAll();
  }
  if (!failure.empty()) {
    error << "the search failed: " << failure << "\n";
    return kEndedEarly;
  }
  // The summary counts the folders searched; those left out are told as well, so that a
  // search that missed part of the tree never reads as complete.
  if (const std::uint64_t unreadable = finder.UnreadableFolders(); unreadable > 0)
    error << "warning: " << unreadable << " folder" << (unreadable == 1 ? "" : "s")
          << " could not be searched\n";
  if (aborted) {
    error << "the search was aborted\n";
    return kEndedEarly;
  }
  return fileCount > 0 ? kDone : kEndedEarly;
}

}  // namespace

int RunFind(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error) {
  ParsedFind parsed = ParseFind(arguments, out, error);
  if (!parsed.criteria) return parsed.status;
  return RunSearch(std::move(*parsed.criteria), out, error);
}

}  // namespace pellucor::cli

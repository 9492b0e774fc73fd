#include "cli/DownloadCommand.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>

#include "check/OfflineCheck.h"
#include "cli/CheckCommand.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/ParsingBrowser.h"
#include "cli/TerminalHost.h"
#include "cli/TerminalText.h"
#include "demo/DemoServer.h"
#include "download/AllFrames.h"
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "download/RunFetcher.h"
#include "text/CodePage932.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/PathBounds.h"
#include "web/UrlKinds.h"

#ifndef PELLUCOR_DEMO_SITE
#define PELLUCOR_DEMO_SITE "samples/demo-site"
#endif

namespace pellucor::cli {
namespace {

// The item order of the charset option groups.
constexpr std::array<std::string_view, 6> kCharsetNames = {"auto",      "euc-jp",      "utf-8",
                                                           "shift_jis", "iso-2022-jp", "utf-8n"};

std::optional<int> CharsetIndex(std::string_view name) {
  for (std::size_t i = 0; i < kCharsetNames.size(); ++i) {
    if (kCharsetNames[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> NumberIn(std::string_view text, int low, int high) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
  const int value = text[0] - '0';
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Applies the options to the tab; a usage error is written to `error` and gives false.
bool ApplyOptions(const CommandLine& line, DownloadTab& tab, std::ostream& error) {
  for (const auto& [option, member] : {std::pair{"--charset", &tab.RadioGroupDLMainHTMLCharSet},
                                       std::pair{"--css-charset", &tab.RadioGroupDLCSSJSCharSet}}) {
    if (const std::optional<std::string> value = line.Value(option)) {
      const std::optional<int> index = CharsetIndex(*value);
      if (!index) {
        error << "unknown charset " << *value
              << " (auto, euc-jp, utf-8, shift_jis, iso-2022-jp or utf-8n)\n";
        return false;
      }
      *member = *index;
    }
  }
  for (const auto& [option, member, high] :
       {std::tuple{"--url-decode", &tab.RadioGroupDLUrlWebDecode, 5},
        std::tuple{"--base-href", &tab.RadioGroupRemoveBaseHref, 3}}) {
    if (const std::optional<std::string> value = line.Value(option)) {
      const std::optional<int> number = NumberIn(*value, 0, high);
      if (!number) {
        error << option << " takes a number from 0 to " << high << "\n";
        return false;
      }
      *member = *number;
    }
  }
  if (line.Has("--keep-root-slash")) tab.RadioGroupDLHTMLDQSlash = 0;
  if (line.Has("--keep-other-hosts")) tab.RadioGroupRemoveOtherDmain = 0;
  tab.CheckBoxDontEmptyFolder = !line.Has("--empty-folder");
  tab.CheckBoxDonttSaveImage = line.Has("--no-images");
  tab.CheckBoxDLDontMakeCSSlist = line.Has("--no-reports");
  tab.CheckBoxDLCSSOnly = line.Has("--css-only");
  if (const std::optional<std::string> name = line.Value("--save-as")) {
    tab.CheckBoxDLsaveThisname = true;
    tab.EditDLSaveFilename = Utf8ToSjisExact(*name).value_or(std::string());
  }
  if (const std::optional<std::string> dummy = line.Value("--top-dummy")) {
    tab.CheckBoxTopDirectoryForUnkwon = true;
    tab.EditDLTopDummyDirectory = Utf8ToSjisExact(*dummy).value_or(std::string());
  }
  // "all" is no action of a click but a walk over the frames after the run (DownloadAllFrames);
  // the action of --frame stays the default, download, then.
  if (const std::optional<std::string> frames = line.Value("--frames");
      frames && *frames != "all") {
    constexpr std::array<std::string_view, 3> kFrameActions = {"download", "open", "show"};
    const auto at = std::find(kFrameActions.begin(), kFrameActions.end(), *frames);
    if (at == kFrameActions.end()) {
      error << "--frames takes download, open, show or all\n";
      return false;
    }
    tab.RadioGroupDLFrameDownload = static_cast<int>(at - kFrameActions.begin());
  }
  if (const std::optional<std::string> top = line.Value("--top-page"))
    tab.EditTopPageHTMLFilename = Utf8ToSjisExact(*top).value_or(std::string());
  // The run shows its result in the result browser, which the command line does not have.
  tab.RadioGroupDLFilnalOpenIE = 1;
  return true;
}

// A whole number from 1 to `high`, digits only.
std::optional<long> CountIn(std::string_view text, long high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (const char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + (digit - '0');
  }
  if (value < 1 || value > high) return std::nullopt;
  return value;
}

// The limits the options set; unset ones stay the engine's defaults.
struct RunLimits {
  std::optional<std::size_t> filesPerRun;
  std::optional<std::uint64_t> bytesPerRun;
  std::optional<int> styleSheetLevels;
};

// The limits of the run; a usage error is written to `error` and gives false.
bool ParseLimits(const CommandLine& line, RunLimits& limits, std::ostream& error) {
  if (const std::optional<std::string> value = line.Value("--max-files")) {
    const std::optional<long> count = CountIn(*value, 1'000'000);
    if (!count) {
      error << "--max-files takes a number from 1 to 1000000\n";
      return false;
    }
    limits.filesPerRun = static_cast<std::size_t>(*count);
  }
  if (const std::optional<std::string> value = line.Value("--max-megabytes")) {
    const std::optional<long> count = CountIn(*value, 1'048'576);
    if (!count) {
      error << "--max-megabytes takes a number from 1 to 1048576\n";
      return false;
    }
    limits.bytesPerRun = static_cast<std::uint64_t>(*count) << 20;
  }
  if (const std::optional<std::string> value = line.Value("--max-sheet-levels")) {
    const std::optional<long> count = CountIn(*value, 1000);
    if (!count) {
      error << "--max-sheet-levels takes a number from 1 to 1000\n";
      return false;
    }
    limits.styleSheetLevels = static_cast<int>(*count);
  }
  return true;
}

std::optional<Answer> AnswerNamed(std::string_view name) {
  if (name == "yes") return Answer::Yes;
  if (name == "no") return Answer::No;
  if (name == "cancel") return Answer::Cancel;
  return std::nullopt;
}

// The save folder made absolute, created when missing, and given as a Shift_JIS path ending
// with "/"; nullopt with a message when it cannot be used.
std::optional<std::string> PrepareSaveFolder(const std::string& folder, std::ostream& error) {
  std::error_code failure;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, failure);
  if (failure) {
    error << "cannot use the save folder " << folder << "\n";
    return std::nullopt;
  }
  std::string path = absolute.lexically_normal().string();
  if (!path.ends_with('/')) path += '/';
  std::optional<std::string> sjis = Utf8ToSjisExact(path);
  if (!sjis) {
    error << "the save folder's name cannot be written in Shift_JIS: " << folder << "\n";
    return std::nullopt;
  }
  // Checked before anything is created: a name the run's file names cannot keep would send
  // its files elsewhere.
  if (const std::string problem = SaveFolderProblem(*sjis); !problem.empty()) {
    error << "cannot use the save folder " << folder << ": " << problem << "\n";
    return std::nullopt;
  }
  if (!(std::filesystem::create_directories(absolute, failure),
        std::filesystem::is_directory(absolute, failure))) {
    error << "cannot use the save folder " << folder << "\n";
    return std::nullopt;
  }
  return sjis;
}

// The marked lines of the result panes: what was fetched, kept or failed, and the frames.
void PrintSummary(const DownloadTab& tab, std::ostream& out) {
  const auto print = [&out](const char* heading, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out << heading << ":\n";
    for (const std::string& line : lines)
      out << "  " << TerminalText(line, LineEnds::Escape) << "\n";
  };
  print("style sheets and scripts", tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS);
  // The image pane lists the newest first; the summary goes in the order of the run.
  print("images", std::vector<std::string>(tab.ListBoxPGTab02LTab03PageImageDownloaedImage.rbegin(),
                                           tab.ListBoxPGTab02LTab03PageImageDownloaedImage.rend()));
  print("images not found", tab.ListBoxPGTab02LTab06DLImageNotFound);
  print("frames", tab.ListBoxWBInFrameFileList);
}

}  // namespace

const char* const kDownloadUsage =
    "usage: pellucor-cli download [options] URL SAVE_FOLDER\n"
    "       pellucor-cli download --demo\n"
    "\n"
    "Downloads the page at URL with its style sheets, scripts and images into SAVE_FOLDER\n"
    "(created when missing) and rewrites its references so that it opens from the disk. Writes\n"
    "the page as read (ZZOrg_...), the rewritten page and the report files (ZU_...).\n"
    "\n"
    "  --charset NAME       encoding of the page: auto (default), euc-jp, utf-8, shift_jis,\n"
    "                       iso-2022-jp, utf-8n\n"
    "  --css-charset NAME   the same for style sheets and scripts\n"
    "  --url-decode N       how URLs are decoded into file names, 0-5 (default 4)\n"
    "  --base-href N        treatment of a base tag, 0-3 (default 0, which asks first)\n"
    "  --keep-root-slash    leave root-relative references (\"/...\") as they are\n"
    "  --keep-other-hosts   leave references to other hosts as they are\n"
    "  --empty-folder       delete the files in SAVE_FOLDER before the run\n"
    "  --no-images          do not fetch images\n"
    "  --no-reports         do not write the report files\n"
    "  --css-only           merge only style sheets into the merged report\n"
    "  --save-as NAME       save the page under NAME instead of its URL's name\n"
    "  --top-dummy DIR      put the top page into the dummy folder DIR\n"
    "  --top-page NAME      the file that links to the site root point to (index.html)\n"
    "  --answer yes|no|cancel  the answer to every question (default yes)\n"
    "  --frames ACTION      what --frame does with a listed frame: download (default) it into\n"
    "                       SAVE_FOLDER, open it in the HTML viewer, or show it\n"
    "  --frames all         after the page, download every frame and inline frame it lists\n"
    "                       into SAVE_FOLDER, then theirs, down to 5 levels, each page once\n"
    "  --frame ADDRESS      after the page, act on this address of the frame list; may be\n"
    "                       given again, and each is acted on in the order given\n"
    "  --max-files N        make at most N requests in the run, redirects included (default\n"
    "                       5000); the rest is left with a line saying so\n"
    "  --max-megabytes N    keep at most N MiB of responses in the run (default 512); the rest\n"
    "                       is left with a line saying so\n"
    "  --max-sheet-levels N follow style sheets imported by style sheets at most N levels\n"
    "                       deep (default 50)\n"
    "  --no-check           do not check the saved page offline after the run\n"
    "  --demo               serve the bundled sample site on 127.0.0.1 and download it into\n"
    "                       ./pellucor-demo/\n"
    "\n"
    "Frames and inline frames are not fetched with the page: a page that has them lists them\n"
    "after the run (\"frames:\") with a hint to fetch them by --frame or --frames all. A\n"
    "frameset page is saved as index.html when its URL names a folder, like any page.\n"
    "Questions, answers and messages are printed; progress goes to standard error on a\n"
    "terminal. A page that cannot be fetched ends the run with a message naming it and the\n"
    "reason. A page that answers an error status (HTTP 404) is saved as the server sent it,\n"
    "and \"page answered: HTTP 404  URL\" follows the saved page. After the saved page come\n"
    "the lines of `pellucor-cli check` on it: what it still misses on the disk or loads from\n"
    "the web, its frames included (this does not change the exit status; a page over 16 MiB\n"
    "is left to the check command). Exit status: 0 the run completed (limits reached\n"
    "included), 1 it ended early, the page answered an error status, or a frame of --frames\n"
    "all could not be saved, 2 a URL that is not a web URL or a folder that cannot be used,\n"
    "64 usage error.\n";

namespace {

// How many levels of frames below the page --frames all fetches: deep enough for frames of
// framesets of frames, short of a site whose every page embeds another.
constexpr int kFrameLevels = 5;

// The longest saved page the download checks offline by itself.
constexpr std::uintmax_t kLongestCheckedPage = std::uintmax_t{16} << 20;

// What the command line asks of one download, every option checked: a usage error is found
// before anything is served, fetched or created.
struct DownloadRequest {
  bool demo = false;
  std::string demoSite;
  std::string url;     // as given (UTF-8); the demo server's for --demo
  std::string folder;  // as given
  Answer answer = Answer::Yes;
  std::vector<std::string> frames;  // --frame, in the order given
  bool allFrames = false;           // --frames all
  bool offlineCheck = true;         // false with --no-check
  DownloadTab tab;                  // the tab's choices as the options set them
  RunLimits limits;
};

struct ParsedDownload {
  std::optional<DownloadRequest> request;
  int status = kDone;  // the exit status when there is no request (help, a usage error)
};

ParsedDownload ParseDownload(const std::vector<std::string>& arguments, std::ostream& out,
                             std::ostream& error) {
  const std::optional<CommandLine> line = CommandLine::Parse(
      arguments,
      {"--charset", "--css-charset", "--url-decode", "--base-href", "--save-as", "--top-dummy",
       "--top-page", "--answer", "--demo-site", "--frames", "--frame", "--max-files",
       "--max-megabytes", "--max-sheet-levels"},
      {"-h", "--help", "--keep-root-slash", "--keep-other-hosts", "--empty-folder", "--no-images",
       "--no-reports", "--css-only", "--demo", "--inner-html", "--no-check"},
      error);
  if (!line) return {{}, kUsageError};
  if (line->Has("-h") || line->Has("--help")) {
    out << kDownloadUsage;
    return {{}, kDone};
  }
  if (line->Has("--inner-html")) {
    error << "--inner-html needs the page as a browser holds it; the command line has no "
             "browser\n";
    return {{}, kUsageError};
  }
  DownloadRequest request;
  request.demo = line->Has("--demo");
  request.offlineCheck = !line->Has("--no-check");
  if (line->Positional().size() != (request.demo ? 0u : 2u)) {
    error << "download needs a URL and a save folder (see pellucor-cli download --help)\n";
    return {{}, kUsageError};
  }
  const std::optional<Answer> answer = AnswerNamed(line->Value("--answer").value_or("yes"));
  if (!answer) {
    error << "--answer takes yes, no or cancel\n";
    return {{}, kUsageError};
  }
  request.answer = *answer;
  if (!ApplyOptions(*line, request.tab, error) || !ParseLimits(*line, request.limits, error))
    return {{}, kUsageError};
  request.demoSite = line->Value("--demo-site").value_or(PELLUCOR_DEMO_SITE);
  if (!request.demo) {
    request.url = line->Positional()[0];
    request.folder = line->Positional()[1];
  }
  request.frames = line->Values("--frame");
  request.allFrames = line->Value("--frames") == "all";
  return {std::move(request), kDone};
}

int RunDownloadRequest(DownloadRequest request, std::ostream& out, std::ostream& error,
                       bool errorIsTerminal) {
  std::unique_ptr<DemoServer> demoServer;
  if (request.demo) {
    demoServer = std::make_unique<DemoServer>(request.demoSite);
    if (!demoServer->ok()) {
      error << "cannot serve the sample site from " << request.demoSite << ": "
            << demoServer->failure() << "\n";
      return kBadInput;
    }
    request.url = demoServer->Url("/index.html");
    request.folder = "pellucor-demo";
    out << "serving the sample site at " << demoServer->Url("/") << "\n";
  }
  const std::optional<std::string> sjisUrl = Utf8ToSjisExact(request.url);
  if (!sjisUrl || !IsWebUrl(*sjisUrl)) {
    error << "not a web URL: " << request.url << "\n";
    return kBadInput;
  }
  const std::optional<std::string> folder = PrepareSaveFolder(request.folder, error);
  if (!folder) return kBadInput;

  TerminalDialogs dialogs(request.answer, *folder, out);
  NoClipboard clipboard;
  ProgressPump pump;
  NoLauncher launcher;
  HttpClient http;
  ParsingBrowser downloadBrowser(http);
  NoBrowser resultBrowser;
  PageResourceStages stages;
  DownloadEngine engine({dialogs, clipboard, pump, launcher, downloadBrowser, resultBrowser, http},
                        stages);
  downloadBrowser.SetPageSource([&engine](std::string_view url) -> std::optional<std::string> {
    RunFetcher& fetcher = engine.fetcher();
    if (!fetcher.Fetched(url) || !fetcher.FailureOf(url).empty()) return std::nullopt;
    return fetcher.ReadUrlText(url);
  });
  engine.tab = std::move(request.tab);
  if (request.limits.filesPerRun) engine.fetchSettings.filesPerRun = *request.limits.filesPerRun;
  if (request.limits.bytesPerRun) engine.fetchSettings.bytesPerRun = *request.limits.bytesPerRun;
  if (request.limits.styleSheetLevels) engine.styleSheetLevels = *request.limits.styleSheetLevels;
  // Nothing here shows the page's texts.
  engine.pageTextViews = false;
  engine.tab.ComboBoxWBUrl = *sjisUrl;
  engine.tab.BtnEditWBPageSaveFolder = *folder;
  std::string shownProgress;
  if (errorIsTerminal) {
    pump.onPump = [&] {
      const std::string progress =
          engine.tab.LabelDownloadedFileCount + " " + engine.tab.LabelDownloadedFile;
      if (progress.size() > 1 && progress != shownProgress) {
        error << "\r\x1B[K" << TerminalText(progress, LineEnds::Escape) << std::flush;
        shownProgress = progress;
      }
    };
  }

  engine.btnDownloadAllClick();
  const bool pageDone = engine.lastRunResult == 0;
  for (const std::string& frame : request.frames) {
    const std::optional<std::string> address = Utf8ToSjisExact(frame);
    engine.ListBoxWBInFrameFileListClick(address.value_or(std::string()));
  }
  // The size of the text of the page the summary speaks of, before the runs of frames that
  // --frames all makes and forgets again.
  const std::size_t pageTextSize = engine.run.FetchedHtmlSize;
  const long pageStatus = engine.run.PageStatus;
  // The result panes of the page: the runs of its frames that --frames all makes fill them
  // with their own.
  std::ostringstream summary;
  PrintSummary(engine.tab, summary);
  AllFramesResult walked;
  if (request.allFrames && pageDone)
    walked = DownloadAllFrames(engine, TrimControlChars(engine.tab.ComboBoxWBUrl), kFrameLevels);
  if (!shownProgress.empty()) error << "\r\x1B[K" << std::flush;
  out << summary.str();
  if (!engine.tab.ListBoxWBInFrameFileList.empty() && request.frames.empty() &&
      !request.allFrames) {
    out << "frames: " << engine.tab.ListBoxWBInFrameFileList.size()
        << " listed, not downloaded - use --frame ADDRESS or --frames all to download them\n";
  }
  for (const std::string& url : walked.saved)
    out << "frame saved: " << TerminalText(url, LineEnds::Escape) << "\n";
  for (const std::string& url : walked.beyondLevels)
    out << "frame left, deeper than " << kFrameLevels
        << " levels: " << TerminalText(url, LineEnds::Escape) << "\n";
  for (const std::string& url : walked.failed)
    error << "frame not saved: " << TerminalText(url, LineEnds::Escape) << "\n";

  if (pageTextSize == 0 && !engine.tab.BtnEditWBLocalFilename.empty())
    error << "warning: the page's text was empty (the server sent nothing or could not be "
             "reached)\n";
  if (engine.lastRunResult != 0) {
    error << "the download ended early\n";
    return kEndedEarly;
  }
  // Said only of a page that is on the disk: a run that reports success for a file that is
  // not there misleads whoever scripts it.
  if (!FileExists(engine.tab.BtnEditWBLocalFilename)) {
    error << "the page was not saved: "
          << TerminalText(engine.tab.BtnEditWBLocalFilename, LineEnds::Escape) << "\n";
    return kEndedEarly;
  }
  out << "saved page: " << TerminalText(engine.tab.BtnEditWBLocalFilename, LineEnds::Escape)
      << "\n";
  // The server's error page is saved as it was sent, as any page is, but it is not the page
  // that was asked for.
  if (pageStatus >= 400)
    out << "page answered: HTTP " << pageStatus << "  " << TerminalTextUtf8(request.url) << "\n";
  for (const std::string* report :
       {&engine.tab.BtnEditLocalFileCSSJSList, &engine.tab.BtnEditLocalFileTotalCSSJS,
        &engine.tab.BtnEditLocalFileImageList}) {
    if (!report->empty()) out << "report: " << TerminalText(*report, LineEnds::Escape) << "\n";
  }
  // What the saved page still misses or fetches from the web, as a browser opening it from the
  // disk finds out; the run's own result and exit status stand as they are. The parse of a page
  // takes many times its size in memory, more than the whole run of a very long page: such a
  // page is left to the check command.
  const std::optional<std::string> page = SjisToUtf8Exact(engine.tab.BtnEditWBLocalFilename);
  std::error_code sizeError;
  if (request.offlineCheck && page &&
      std::filesystem::file_size(*page, sizeError) > kLongestCheckedPage && !sizeError) {
    out << "offline check: not run on a page over " << (kLongestCheckedPage >> 20)
        << " MiB; pellucor-cli check runs it\n";
  } else if (request.offlineCheck && page) {
    const OfflineCheckResult check = CheckSavedPage(*page);
    if (check.ok()) {
      PrintOfflineCheck(check, out);
    } else {
      out << "offline check: " << TerminalTextUtf8(check.failure) << "\n";
    }
  }
  if (pageStatus >= 400) {
    error << "the page answered HTTP " << pageStatus << ": " << TerminalTextUtf8(request.url)
          << "\n";
    return kEndedEarly;
  }
  // The frames were asked for: a frame left out leaves the page incomplete offline.
  if (!walked.failed.empty()) {
    error << "the download ended early: frames not saved: " << walked.failed.size() << "\n";
    return kEndedEarly;
  }
  return kDone;
}

}  // namespace

int RunDownload(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
                bool errorIsTerminal) {
  ParsedDownload parsed = ParseDownload(arguments, out, error);
  if (!parsed.request) return parsed.status;
  return RunDownloadRequest(std::move(*parsed.request), out, error, errorIsTerminal);
}

}  // namespace pellucor::cli

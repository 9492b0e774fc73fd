// The style sheet scan on given text: the first sheet is scanned, its references fetched level
// by level and resolved, all against a client that answers from memory. Every file written
// must lie inside the save folder.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FuzzInput.h"
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"

namespace {

namespace fs = std::filesystem;

// The first sheet's text is the input up to its first NUL byte; every other address gets the
// rest, so a sheet may import itself or others at any depth.
class MemoryHttpClient : public pellucor::HttpClient {
 public:
  std::string firstUrl;
  std::string firstText;
  std::string otherText;

  pellucor::HttpResponse Get(std::string_view url) override {
    pellucor::HttpResponse response;
    response.status = 200;
    response.body = url == firstUrl ? firstText : otherText;
    response.effectiveUrl = std::string(url);
    return response;
  }
};

// Folders a few levels above the save folder, so that a path climbing out lands where the
// check sees it.
struct Sandbox {
  Sandbox() {
    // In memory where the system has it: every run writes and removes a few files.
    std::error_code error;
    const fs::path base =
        fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "pellucor-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) __builtin_trap();
    root = pattern;
    save = root + "/a/b/c/d/save/";
  }
  ~Sandbox() {
    std::error_code error;
    fs::remove_all(root, error);
  }
  // Whether the tree holds anything but the save folder and its parents.
  bool OnlySaveFolderOutside() const {
    std::error_code error;
    for (auto entry = fs::recursive_directory_iterator(root, error);
         entry != fs::recursive_directory_iterator(); entry.increment(error)) {
      const std::string path = entry->path().string();
      if (path.starts_with(save)) continue;
      if (!entry->is_directory() || !save.starts_with(path + "/")) return false;
    }
    return true;
  }
  std::string root;
  std::string save;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pellucor;
  static testing::FakeDialogs dialogs;
  static testing::FakeClipboard clipboard;
  static testing::FakeEventPump pump;
  static testing::FakeLauncher launcher;
  static testing::FakeBrowser browser;
  static testing::FakeBrowser result;
  static MemoryHttpClient http;
  static Sandbox sandbox;

  const std::string_view input = FuzzText(data, size);
  const std::size_t split = input.find('\0');
  http.firstUrl = "http://host/css/site.css";
  http.firstText = std::string(input.substr(0, split));
  http.otherText =
      split == std::string_view::npos ? std::string() : std::string(input.substr(split + 1));

  clipboard.history.clear();  // else it grows without end over the runs
  std::error_code error;
  fs::remove_all(sandbox.root + "/a", error);
  fs::create_directories(sandbox.save, error);

  PageResourceStages stages;
  DownloadEngine engine({dialogs, clipboard, pump, launcher, browser, result, http}, stages);
  engine.fetchSettings.mode = FetchMode::Sequential;
  engine.fetchSettings.filesPerRun = 40;
  engine.styleSheetLevels = 3;
  engine.tab.BtnEditWBPageSaveFolder = sandbox.save;
  engine.tab.btnDownloadStopEnabled = true;
  engine.tab.RadioGroupDLUrlWebDecode = size > 0 ? data[0] % 6 : 0;

  std::vector<std::string>& queue = engine.tab.ListBoxPGTab02LTab04DLCSSFileImportCSS;
  (void)PageResourceStages::DLDownloadedResultCSSJS(
      engine, http.firstUrl, sandbox.save + "css/site.css", queue, sandbox.save);
  stages.DLRecursiveGetCSSJS(engine, http.firstUrl, sandbox.save);
  (void)PageResourceStages::ResolveCSSJS(engine, http.firstUrl, sandbox.save + "css/site.css",
                                         http.otherText, sandbox.save);
  FUZZ_CHECK(sandbox.OnlySaveFolderOutside());
  return 0;
}

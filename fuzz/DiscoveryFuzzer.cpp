// The discovery scan of a page with fake ports and no network: it fetches nothing, and with no
// save folder it may write nothing.
#include "FuzzInput.h"
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "support/FakeBrowser.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeEventPump.h"
#include "support/FakeLauncher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pellucor;
  static testing::FakeDialogs dialogs;
  static testing::FakeClipboard clipboard;
  static testing::FakeEventPump pump;
  static testing::FakeLauncher launcher;
  static testing::FakeBrowser browser;
  static testing::FakeBrowser result;
  static HttpClient http;
  PageResourceStages stages;
  DownloadEngine engine({dialogs, clipboard, pump, launcher, browser, result, http}, stages);
  (void)stages.DLMakePageCSSJS(engine, "http://host/dir/page.html", "", FuzzText(data, size));
  // Every row has its three fields.
  for (const std::string& row : engine.tab.ListBoxPGTab02LTab03PageImage)
    FUZZ_CHECK(row.find('\t') != std::string::npos);
  return 0;
}

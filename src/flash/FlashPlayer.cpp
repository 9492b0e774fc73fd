#include "flash/FlashPlayer.h"

#include <optional>

#include "flash/FlashMessages.h"
#include "flash/FlashPage.h"
#include "html/HtmlFormatter.h"
#include "ports/FileFilters.h"
#include "text/CodePage932.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

constexpr std::chrono::milliseconds kClearedBrowserSettleTime{1000};

FileDialogRequest OpenRequest(std::string_view utf8Filter) {
  FileDialogRequest request;
  request.filter = SjisFromUtf8Literal(utf8Filter);
  return request;
}

}  // namespace

void FlashPlayer::ClearBrowser() {
  host_.browser.WriteDocument("");
  host_.browser.Navigate("about:blank");
}

void FlashPlayer::ShowSource(std::string_view html) {
  host_.view.SetText(html);
  ColorizeHtmlView(host_.view, host_.pause);
}

void FlashPlayer::FlashPlayerGo(std::string_view path) {
  // A movie address is a URL: its separators are "/". ReplaceAllText leaves the second byte of
  // a double-byte character (the 0x5C of ソ or 表) alone.
  const std::string movie = ReplaceAllText(path, "\\", "/");
  if (tab.CheckBoxFlushPlayer) {
    tab.ListBoxPGMainTab04FlushPlayer.clear();
    ClearBrowser();
    host_.pause(kClearedBrowserSettleTime);
  }
  tab.ListBoxPGMainTab04FlushPlayer.emplace_back(path);
  const std::string page = MakeFlashHTML(movie);
  host_.browser.WriteDocument(page);
  ShowSource(page);
  // Today's browsers have no Flash plug-in: the page is written as always, and the user is
  // told once why its frame stays empty.
  if (tab.StatusText.empty()) tab.StatusText = SjisFromUtf8Literal(flash_messages::kCannotPlay);
}

void FlashPlayer::sbFlashPlayerOpenClick() {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile(OpenRequest(flash_messages::kMovieFilter));
  if (!chosen) return;
  tab.BtnEditLocalFlashPlayer = *chosen;
  FlashPlayerGo(*chosen);
}

void FlashPlayer::sbFlashPlayerOpenGoClick() {
  std::string path(TrimControlChars(tab.BtnEditLocalFlashPlayer));
  if (path.empty()) {
    const std::optional<std::string> chosen =
        host_.dialogs.ChooseOpenFile(OpenRequest(file_filters::kHtmlOpen));
    if (!chosen) return;
    tab.BtnEditLocalFlashPlayer = *chosen;
    path = *chosen;
  }
  FlashPlayerGo(path);
}

void FlashPlayer::sbFlashPlayerStopClick() {
  ClearBrowser();
  tab.ListBoxPGMainTab04FlushPlayer.clear();
  host_.view.SetText("");
}

void FlashPlayer::sbFlashInnerHTMLGetClick() {
  ShowSource(FormatHTMLSource(host_.browser.DocumentOuterHtml()));
}

}  // namespace pellucor

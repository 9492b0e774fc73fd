#pragma once

#include <string_view>

#include "flash/FlashPlayerTab.h"
#include "ports/Browser.h"
#include "ports/Dialogs.h"
#include "ports/TextView.h"
#include "syntax/ViewColoring.h"

namespace pellucor {

/// What the Flash player tab reaches on its host.
struct FlashPlayerHost {
  Dialogs& dialogs;
  Browser& browser;  // WebBrowserFlashPlayer
  TextView& view;    // RichEditPGMainTab04FlushPlayer: the page's source
  /// Blocks the user-interface thread (1000 ms before a movie when the browser is cleared).
  Pause pause = SleepFor;
};

/// The Flash player tab: a movie on the local disk is played by writing a generated page that
/// embeds it into the tab's browser; the page is shown as coloured source beside it.
class FlashPlayer {
 public:
  explicit FlashPlayer(FlashPlayerHost host) : host_(std::move(host)) {}

  FlashPlayerTab tab;

  /// Plays the movie at `path`: its address is the path with every backslash (one that starts
  /// a character) made "/", the path itself is listed as given.
  void FlashPlayerGo(std::string_view path);

  /// The open dialog for movies; the choice is played.
  void sbFlashPlayerOpenClick();
  /// Plays the trimmed path of the field; an empty field first asks with the HTML open dialog.
  /// A cancelled dialog does nothing.
  void sbFlashPlayerOpenGoClick();
  /// Leaves the browser on "about:blank", the list and the source view empty.
  void sbFlashPlayerStopClick();
  /// Shows the browser's current document, formatted and coloured, in the source view.
  void sbFlashInnerHTMLGetClick();

 private:
  void ClearBrowser();
  void ShowSource(std::string_view html);

  FlashPlayerHost host_;
};

}  // namespace pellucor

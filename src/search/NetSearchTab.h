#pragma once

#include <array>
#include <string>
#include <vector>

#include "search/SearchMessages.h"
#include "text/CodePage932.h"

// The net search tab's controls as values, under the controls' own names (texts in Shift_JIS).
namespace pellucor {

/// How the keyword box takes typed text: Japanese (hiragana) input or none at all.
enum class KeywordInputMethod { JapaneseHiragana, Disabled };

struct NetSearchTab {
  // The query.
  std::string ComboBoxSearchKeyWord;
  std::vector<std::string> ComboBoxSearchKeyWordItems;  // the keyword history
  int RadioGroupIMEMode = 0;                            // 0 Japanese, 1 English
  std::string ComboBoxDesc = SjisFromUtf8Literal(search_messages::kExampleKeyword);
  std::string edNSUrl;
  int SpinEditNSSearch = 0;
  // The highlight word boxes of the result list and of the target browser.
  std::string edSearchAndHighlight;
  std::string edDLTargetSearchAndHighlight;

  // The browsers' URL boxes and status bars (the link shows in panel 2).
  std::string ComboBoxNSTargetUrl;
  std::string EditNSNewWindowsUrl;
  std::string EditPGTab01LTab03BrowserNewWindow;
  std::array<std::string, 3> StatusBarNSBase;
  std::array<std::string, 3> StatusBarNStarget;

  // The HTTP probe's boxes on the " HTTPGet " sub-tab: headers below, summary above.
  std::string MemoNSHTTPGet;
  std::string MemoMemoNSHTTPGetFile;

  // The input method of the keyword box, the control with the keyboard focus and the caption
  // of the sub-tab shown; the desktop applies them.
  KeywordInputMethod ComboBoxSearchKeyWordInputMethod = KeywordInputMethod::JapaneseHiragana;
  std::string FocusedControl;
  std::string SubTabShown;
};

}  // namespace pellucor

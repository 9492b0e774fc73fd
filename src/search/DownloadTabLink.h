#pragma once

#include <string>
#include <string_view>

namespace pellucor {

/// The download tab as the net search reaches it: its URL box and the hand-over of a chosen
/// page. The desktop implements it over the download tab; texts are Shift_JIS.
class DownloadTabLink {
 public:
  virtual ~DownloadTabLink() = default;
  /// The text of the URL box (ComboBoxWBUrl).
  [[nodiscard]] virtual std::string UrlBoxText() const = 0;
  virtual void SetUrlBoxText(std::string_view url) = 0;
  /// Whether the URL box's history holds the text, in any ASCII case.
  [[nodiscard]] virtual bool UrlHistoryContains(std::string_view text) const = 0;
  /// The download tab's part of handing a page over: the URL goes into LabelWebBrowserUrl and
  /// ComboBoxWBUrl and becomes the home URL; the labels and result panes are cleared
  /// (DLClearLabel, LabelInitialize); the per-page options are reset (DLSettingsInitialize);
  /// the download browser navigates to the URL with an empty save folder (WBDLNavigate, mode 1).
  virtual void TakeOverUrl(std::string_view url) = 0;
};

}  // namespace pellucor

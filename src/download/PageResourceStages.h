#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "download/ResourceStages.h"

namespace pellucor {

class DownloadEngine;
class SortedTextList;

/// The analytics service whose script addresses the scans replace by fixed ones.
inline constexpr std::string_view kAnalyticsDomain = ".google-analytics.com";
/// The analytics script listed for the page itself.
inline constexpr std::string_view kPageAnalyticsScript = "http://www.google-analytics.com/ga.js";
/// The analytics script listed when a style sheet or script names the service.
inline constexpr std::string_view kSheetAnalyticsScript = "http://google-analytics.com/ga.js";

/// The resource stages of a page: discovery of its style sheets, scripts, images and inline
/// frames by text scanning, their retrieval and rewriting, the image stage, and the saving of a
/// frameset page with the listing of its frames.
class PageResourceStages : public ResourceStages {
 public:
  int DLMakePageCSSJS(DownloadEngine& engine, std::string_view url, std::string_view saveFolder,
                      std::string_view discoveryText) override;
  void DLDownloadCSSJS(DownloadEngine& engine, std::string_view saveFolder) override;
  void DLRecursiveGetCSSJS(DownloadEngine& engine, std::string_view url,
                           std::string_view saveFolder) override;
  void DLDownloadImage(DownloadEngine& engine, std::string_view saveFolder) override;
  std::string DLReplaceIframehtml(DownloadEngine& engine, std::string_view url,
                                  std::string_view text, std::string_view saveFolder) override;
  void DLMakeFrameSetFile(DownloadEngine& engine, std::string_view url, std::string_view chosenFile,
                          std::string_view html, std::string_view saveFolder) override;

  // The pieces, public for the stages of frames and for tests.
  static void GetHrefLInkList(DownloadEngine& engine, std::string_view text);
  /// Lists the src values of the inline-frame tags discovery found.
  static void DLMakeIframe(DownloadEngine& engine);
  static void GetHTMLCSSList(DownloadEngine& engine, std::string_view text);
  static void GetHTMLSWFList(DownloadEngine& engine, std::string_view text);
  /// Lists an image row once: in the row list, the pane and the second pane.
  static void DLSetListbox(std::string row, std::vector<std::string>& pane, SortedTextList& rows,
                           std::vector<std::string>& secondPane);
  /// Lists a style/script row once and writes `text` as a placeholder to the local path when
  /// no file is there yet.
  static void DLCSSSetListbox(DownloadEngine& engine, std::string row, std::string_view localPath,
                              std::string_view text);
  /// 0 when the image file is present afterwards, -1 otherwise.
  static int DLDownloadedImage(DownloadEngine& engine, std::string_view url,
                               std::string_view localPath, std::string_view saveFolder);
  static void DLFileDownloadInfo(DownloadEngine& engine, std::string_view path, std::size_t total,
                                 std::size_t index);
  static int DLDownloadedResultCSSJS(DownloadEngine& engine, std::string_view url,
                                     std::string_view localPath, std::vector<std::string>& queue,
                                     std::string_view saveFolder);
  [[nodiscard]] static std::string ResolveCSSJS(DownloadEngine& engine, std::string_view url,
                                                std::string_view localPath, std::string_view text,
                                                std::string_view saveFolder);
};

/// A reference row split into its three fields. A row without two TABs has the whole row as its
/// local path.
struct ReferenceRow {
  std::string reference;
  std::string url;
  std::string localPath;
};
[[nodiscard]] ReferenceRow SplitReferenceRow(std::string_view row);

/// The row of a reference, its absolute URL and its local path, separated by TABs, as the
/// working lists hold them.
[[nodiscard]] std::string JoinReferenceRow(std::string_view reference, std::string_view url,
                                           std::string_view localPath);

}  // namespace pellucor

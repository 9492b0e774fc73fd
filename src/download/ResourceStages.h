#pragma once

#include <string>
#include <string_view>

namespace pellucor {

class DownloadEngine;

/// The stages that discover, fetch and rewrite a page's style sheets, scripts, images and
/// frames (PageResourceStages). The run calls them at fixed points; they read and write the
/// engine's tab and run state. `NoResourceStages` finds and fetches nothing, so that a run saves
/// the page alone: the tests of the page's own rewriting use it.
class ResourceStages {
 public:
  virtual ~ResourceStages() = default;
  /// Discovery over the page text; -1 ends the page's download.
  virtual int DLMakePageCSSJS(DownloadEngine& engine, std::string_view url,
                              std::string_view saveFolder, std::string_view discoveryText) = 0;
  virtual void DLDownloadCSSJS(DownloadEngine& engine, std::string_view saveFolder) = 0;
  virtual void DLRecursiveGetCSSJS(DownloadEngine& engine, std::string_view url,
                                   std::string_view saveFolder) = 0;
  virtual void DLDownloadImage(DownloadEngine& engine, std::string_view saveFolder) = 0;
  /// The page text with its inline frames pointed at their local pages.
  [[nodiscard]] virtual std::string DLReplaceIframehtml(DownloadEngine& engine,
                                                        std::string_view url, std::string_view text,
                                                        std::string_view saveFolder) = 0;
  /// Saves a frameset page and lists its frames.
  virtual void DLMakeFrameSetFile(DownloadEngine& engine, std::string_view url,
                                  std::string_view chosenFile, std::string_view html,
                                  std::string_view saveFolder) = 0;
};

/// Finds no resources: the page is saved on its own.
class NoResourceStages : public ResourceStages {
 public:
  int DLMakePageCSSJS(DownloadEngine&, std::string_view, std::string_view,
                      std::string_view) override {
    return 0;
  }
  void DLDownloadCSSJS(DownloadEngine&, std::string_view) override {}
  void DLRecursiveGetCSSJS(DownloadEngine&, std::string_view, std::string_view) override {}
  void DLDownloadImage(DownloadEngine&, std::string_view) override {}
  std::string DLReplaceIframehtml(DownloadEngine&, std::string_view, std::string_view text,
                                  std::string_view) override {
    return std::string(text);
  }
  void DLMakeFrameSetFile(DownloadEngine&, std::string_view, std::string_view, std::string_view,
                          std::string_view) override {}
};

}  // namespace pellucor

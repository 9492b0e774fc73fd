// Frames and inline frames. Not handled yet: a page keeps its inline frame references as they
// are, and a frameset page is not saved (its frames are listed by nothing).
#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"

namespace pellucor {

std::string PageResourceStages::DLReplaceIframehtml(DownloadEngine&, std::string_view,
                                                    std::string_view text, std::string_view) {
  return std::string(text);
}

void PageResourceStages::DLMakeFrameSetFile(DownloadEngine&, std::string_view, std::string_view,
                                            std::string_view, std::string_view) {}

}  // namespace pellucor

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "download/DownloadEngine.h"

// Every frame and inline frame of a page fetched in one go, and theirs, so that a page made of
// frames opens from the disk whole.
namespace pellucor {

/// The address a line of the frame list leads to from the page at `pageUrl`, as a click on it
/// resolves it: "//host/..." with the page's scheme, any other address that is no web URL read
/// relative to the page. Empty when the result is no web URL (a script, "about:blank").
[[nodiscard]] std::string FrameAddress(std::string_view pageUrl, std::string_view frame);

/// What DownloadAllFrames did, each list in the order of the walk.
struct AllFramesResult {
  std::vector<std::string> saved;         // frame pages whose runs completed
  std::vector<std::string> failed;        // frame pages whose runs ended early
  std::vector<std::string> beyondLevels;  // frames of the deepest pages, left unfetched
};

/// After a run of the page at `pageUrl`, fetches the pages its frame list names into the run's
/// save folder, each by a run of its own as a click with the download action does, then the
/// frames those pages list, breadth first, down to `levels` levels below the page. Each address
/// is fetched once and the page itself counts as fetched, so a frame that embeds its parent or
/// a sibling ends there. Frames listed by pages of the deepest level are named in
/// `beyondLevels`. Afterwards the tab shows the page again as its own run left it: its frame
/// list, its saved file, its result and the frame action are put back.
AllFramesResult DownloadAllFrames(DownloadEngine& engine, std::string_view pageUrl, int levels);

}  // namespace pellucor

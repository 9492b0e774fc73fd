#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The offline check of a saved page: does the page, as a browser opens it from the disk, find
// everything it loads among the saved files, and does nothing of it still go to the web?
namespace pellucor {

enum class FindingKind {
  Missing,  // resolves to no saved file (or to nothing a browser can load from the disk)
  Leak,     // still goes to the web: http:, https:, ftp: or protocol-relative "//host/..."
};

struct OfflineFinding {
  FindingKind kind = FindingKind::Missing;
  std::string file;       // the page or style sheet the reference stands in (absolute path)
  std::string reference;  // as written, character references and CSS escapes decoded
  std::string target;     // the file's absolute path, or the URL, it resolves to
};

struct OfflineCheckResult {
  std::string page;  // the checked page's absolute path, without "." and ".." segments
  std::size_t referenceCount = 0;  // every reference checked, in every file, each time written
  std::vector<OfflineFinding> findings;  // in the order the files were checked
  std::string failure;  // empty when the page was read; otherwise "cannot read PAGE: reason"

  [[nodiscard]] bool ok() const { return failure.empty(); }
  [[nodiscard]] std::size_t Count(FindingKind kind) const;
};

/// Checks the page at `pagePath` (a system path, relative to the working folder or absolute)
/// and everything it makes a browser load: the references of its elements and of its inline
/// style, the style sheets it links and those they @import (each resolved against the sheet's
/// own location), and the pages of its frames and iframes and of iframe srcdoc - every page and
/// sheet once, so that cycles end. References that load nothing (navigation, data:, "#...",
/// empty ones) are not counted. A page that cannot be read or is not a regular file gives a
/// result with `failure` set and nothing counted; a frame whose file does not start as markup
/// (an image shown in a frame) is counted but not read as a page.
[[nodiscard]] OfflineCheckResult CheckSavedPage(const std::string& pagePath);

}  // namespace pellucor

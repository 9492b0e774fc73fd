#include "web/LocalPath.h"

#include <algorithm>

#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "web/PathBounds.h"
#include "web/UrlForms.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// Dot segments are dropped only where "/" still separates folders: from the first "=http" on,
// MakeSafeFilePath turns every "/" into "~", and what follows is part of one file name.
std::string WithoutClimbingSegments(std::string_view relative) {
  std::string result;
  const std::size_t http = FindText(relative, "=http", CaseMode::Exact);
  const std::size_t cut = http == kNotFound ? relative.size() : relative.rfind('/', http);
  if (cut == kNotFound) {
    result.assign(relative);
  } else if (cut == relative.size()) {
    result = DropDotSegments(relative, EmptySegments::Keep);
  } else {
    result = DropDotSegments(relative.substr(0, cut + 1), EmptySegments::Keep);
    result += relative.substr(cut + 1);
  }
  const std::size_t firstKept = result.find_first_not_of('/');
  result.erase(0, firstKept == std::string::npos ? result.size() : firstKept);
  return result;
}

std::string WithAsFetchedPrefix(std::string path) {
  constexpr std::string_view kPrefix = "ZZOrg_";
  if (path.empty() || path.ends_with('/')) return path.append(kPrefix).append("index.html");
  const std::size_t slash = path.rfind('/');
  path.insert(slash == std::string::npos ? 0 : slash + 1, kPrefix);
  return path;
}

}  // namespace

std::string UrlToLocalPath(std::string_view url, std::string_view saveFolder, UrlDecodeMode mode,
                           LocalName name) {
  if (url.find("//") == kNotFound) return std::string(url);
  // A fragment never reaches the server, and a browser looks for the file without it
  // ("font.eot?#iefix" is the file "font.eot?").
  url = url.substr(0, url.find('#'));

  std::string text = DecodeUrlText(url, mode);
  // A name handed to the system ends at a NUL byte; cut here so that what is checked below is
  // what would be written.
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  if (text.empty()) return {};

  text = StripSchemeAndWww(text);
  if (const std::size_t scheme = text.find("//"); scheme != std::string::npos)
    text.replace(scheme, 2, "|");
  if (const std::size_t hostEnd = text.find('/'); hostEnd != std::string::npos)
    text.erase(0, hostEnd + 1);
  // A "\" that starts a character separates folders as "/" does; ":" cannot be in a name.
  ReplaceAllIn(text, "\\", "/", CaseMode::Exact);
  std::replace(text.begin(), text.end(), ':', ';');
  text = WithoutClimbingSegments(text);

  std::string path = MakeSafeFilePath(std::string(saveFolder) + text);
  // The names below the save folder made visible last, since the mapping above can itself
  // uncover a hidden name ("<.x" loses its "<").
  const std::string safeFolder = MakeSafeFilePath(saveFolder);
  if (path.starts_with(safeFolder))
    path = safeFolder + WithVisibleNames(std::string_view(path).substr(safeFolder.size()));
  if (name == LocalName::AsFetched) path = WithAsFetchedPrefix(std::move(path));

  // The last line of defence: whatever the mapping above did, the result must lie below the
  // folder that the save folder names. A folder without any "/" is relative, and the result is
  // put in the same relative place, from where nothing above can be reached.
  if (const std::size_t slash = safeFolder.rfind('/'); slash != std::string::npos) {
    if (!IsInsideFolder(path, std::string_view(safeFolder).substr(0, slash + 1))) return {};
  }
  return path;
}

}  // namespace pellucor

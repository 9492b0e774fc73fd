#include "text/SafePath.h"

#include <algorithm>

#include "text/CodePage932.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// A replace-all in place, looked for only when the pattern's first byte (never a letter here)
// is in the path at all: most names hold none of the characters mapped below, and a name is
// made for every reference of a page.
void Replace(std::string& path, std::string_view pattern, std::string_view replacement,
             CaseMode mode = CaseMode::Exact) {
  if (path.find(pattern[0]) == std::string::npos) return;
  ReplaceAllIn(path, pattern, replacement, mode);
}

// Every ":" becomes ";" except the one of the first "http://", which stays a URL inside the name.
std::string ReplaceColons(std::string_view text) {
  const std::size_t http = FindText(text, "http://", CaseMode::Exact);
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (out[i] == ':' && (http == std::string_view::npos || i != http + 4)) out[i] = ';';
  }
  return out;
}

}  // namespace

std::string MakeSafeFilePath(std::string_view text) {
  std::string path(text);
  if (const std::size_t at = FindText(path, "=http", CaseMode::Exact); at != std::string::npos)
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(at), path.end(), '/', '~');
  Replace(path, "?", "@");
  Replace(path, "|", "~");
  Replace(path, "*", ";");
  Replace(path, "&amp;", "&", CaseMode::IgnoreAsciiCase);
  Replace(path, "<", "");
  Replace(path, ">", "");
  // No path has a drive letter here, so every colon is one that Windows would refuse.
  if (ContainsText(path, ":", CaseMode::Exact)) path = ReplaceColons(path);
  Replace(path, "%3A%2F%2F", ";~~", CaseMode::IgnoreAsciiCase);
  Replace(path, "%2F", "~", CaseMode::IgnoreAsciiCase);
  Replace(path, "\"", "'");
  Replace(path, "%26", "&");
  Replace(path, "%20", " ");
  Replace(path, "\\", "/");
  Replace(path, "//", "/");
  return path;
}

int ClassifyPathChars(std::string_view path) {
  if (path.empty()) return 0;
  std::size_t last = 0;
  for (std::size_t i = 0; i < path.size(); i += CharLengthAt(path, i))
    last = i;
  const std::string_view character = path.substr(last);
  if (character == std::string_view("\0", 1) || !SjisToUtf8Exact(character)) return -1;
  if (character == "/") return 3;
  if (character == "*" || character == "?") return 4;
  return 1;
}

std::size_t CountBackslashes(std::string_view path) {
  return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

std::string ParentFolder(std::string_view folder) {
  if (folder.ends_with('/')) folder.remove_suffix(1);
  const std::size_t slash = folder.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(folder.substr(0, slash));
}

}  // namespace pellucor

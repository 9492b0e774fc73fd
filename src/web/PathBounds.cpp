#include "web/PathBounds.h"

#include <algorithm>
#include <vector>

#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

// Splits at "/" and "\" where they start a character. A "/" always does, as no byte below 0x40
// can be the second byte of a double-byte character; a "\" does only outside one. The text of a
// segment is kept byte for byte.
std::vector<std::string_view> SplitSegments(std::string_view text) {
  std::vector<std::string_view> segments;
  // Room for every separator at once: a name is split for every reference of a page.
  segments.reserve(1 + static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
                     return c == '/' || c == '\\';
                   })));
  std::size_t segmentStart = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text[i] == '/' || text[i] == '\\') {
      segments.push_back(text.substr(segmentStart, i - segmentStart));
      segmentStart = i + 1;
    }
  }
  segments.push_back(text.substr(segmentStart));
  return segments;
}

bool IsDotsOnly(std::string_view segment) {
  bool hasDot = false;
  for (const char byte : segment) {
    if (byte == '.') {
      hasDot = true;
    } else if (byte != '<' && byte != '>') {
      return false;
    }
  }
  return hasDot;
}

struct NormalPath {
  bool absolute = false;
  std::vector<std::string_view> segments;
};

NormalPath Normalise(std::string_view path) {
  NormalPath normal;
  normal.absolute = path.starts_with('/') || path.starts_with('\\');
  const std::vector<std::string_view> segments = SplitSegments(path);
  normal.segments.reserve(segments.size());
  for (const std::string_view segment : segments) {
    if (segment.empty() || segment == ".") continue;
    if (segment == "..") {
      if (!normal.segments.empty() && normal.segments.back() != "..") {
        normal.segments.pop_back();
      } else if (!normal.absolute) {
        normal.segments.push_back(segment);  // a relative path that climbs keeps saying so
      }
      continue;
    }
    normal.segments.push_back(segment);
  }
  return normal;
}

}  // namespace

bool IsInsideFolder(std::string_view path, std::string_view folder) {
  if (path.empty() || folder.empty()) return false;
  if (path.find('\0') != std::string_view::npos || folder.find('\0') != std::string_view::npos)
    return false;
  const NormalPath normalPath = Normalise(path);
  const NormalPath normalFolder = Normalise(folder);
  if (normalPath.absolute != normalFolder.absolute) return false;
  if (normalPath.segments.size() < normalFolder.segments.size()) return false;
  for (std::size_t i = 0; i < normalFolder.segments.size(); ++i) {
    if (normalPath.segments[i] != normalFolder.segments[i]) return false;
  }
  return true;
}

std::string DropDotSegments(std::string_view text, EmptySegments empties) {
  std::string result;
  result.reserve(text.size());
  bool first = true;
  for (const std::string_view segment : SplitSegments(text)) {
    if (IsDotsOnly(segment)) continue;
    if (segment.empty() && empties == EmptySegments::Drop) continue;
    if (!first) result.push_back('/');
    result.append(segment);
    first = false;
  }
  return result;
}

std::string SaveFolderProblem(std::string_view folder) {
  if (TrimControlChars(folder).empty()) return "no folder given";
  if (folder.find('\0') != std::string_view::npos) return "the folder's name holds a NUL byte";
  if (MakeSafeFilePath(folder) != folder || ContainsText(folder, "+", CaseMode::Exact) ||
      ContainsText(folder, "http:", CaseMode::IgnoreAsciiCase) ||
      ContainsText(folder, "https:", CaseMode::IgnoreAsciiCase))
    return "the folder's name holds characters that the names of saved files cannot keep "
           "(: ? * | \" < > + %20 %2F &amp; \\ //)";
  for (std::string_view rest = folder; !rest.empty();) {
    const std::size_t slash = rest.find('/');
    const std::string_view segment = rest.substr(0, slash);
    if (segment == "." || segment == "..") return "the folder's name holds \".\" or \"..\"";
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return {};
}

std::string WithVisibleNames(std::string_view path) {
  std::string result(path);
  std::size_t segmentStart = 0;
  for (std::size_t i = 0; i <= result.size(); ++i) {
    if (i == result.size() || result[i] == '/') {
      const std::string_view segment =
          std::string_view(result).substr(segmentStart, i - segmentStart);
      if (segment.starts_with('.') && segment.find_first_not_of('.') != std::string_view::npos)
        result[segmentStart] = '_';
      segmentStart = i + 1;
      continue;
    }
    // Control bytes are below 0x40 or 0x7F, and so never the second byte of a character.
    const auto byte = static_cast<unsigned char>(result[i]);
    if (byte < 0x20 || byte == 0x7F) result[i] = '_';
  }
  return result;
}

bool HasHiddenOrControlNames(std::string_view path) {
  return WithVisibleNames(path) != path;
}

}  // namespace pellucor

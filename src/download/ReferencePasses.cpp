#include "download/ReferencePasses.h"

#include <array>
#include <vector>

#include "html/HtmlFormatter.h"
#include "html/ManyRows.h"
#include "text/CodePage932.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"
#include "web/PageFiles.h"
#include "web/PathBounds.h"
#include "web/UrlForms.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kDefaultTopPage = "index.html";

void PutOnClipboard(Clipboard* clipboard, std::string_view text) {
  if (clipboard != nullptr) clipboard->SetText(text);
}

// The first occurrence of `pattern` in its exact case replaced; the text unchanged without one.
std::string ReplaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
  const std::size_t at = FindText(text, pattern, CaseMode::Exact);
  if (pattern.empty() || at == kNotFound) return std::string(text);
  std::string result;
  result.reserve(text.size() - pattern.size() + replacement.size());
  result.append(text.substr(0, at));
  result.append(replacement);
  result.append(text.substr(at + pattern.size()));
  return result;
}

// The reference and absolute fields of a reference row; a row without TAB is both.
struct RowFields {
  std::string_view reference;
  std::string_view absolute;
};

RowFields SplitRow(std::string_view row) {
  const std::size_t first = row.find('\t');
  if (first == kNotFound) return {row, row};
  const std::string_view rest = row.substr(first + 1);
  return {row.substr(0, first), rest.substr(0, rest.find('\t'))};
}

// The saved-page comment's wrapping, Japanese-free, so it can stay a constant.
constexpr std::string_view kCommentStart = "<!-- saved from \"";
constexpr std::string_view kCommentEnd = "\" by ZOLK-HARVEXA -->";

const std::string& CommentMarks() {
  static const std::string marks = SjisFromUtf8Literal("●●");
  return marks;
}

}  // namespace

std::string SavedPageComment(std::string_view runPageUrl) {
  std::string withoutUser;
  if (const std::size_t scheme = runPageUrl.find("://"); scheme != kNotFound) {
    const std::size_t host = scheme + 3;
    const std::size_t end = std::min(runPageUrl.find_first_of("/?#", host), runPageUrl.size());
    if (const std::size_t at = runPageUrl.substr(0, end).rfind('@');
        at != kNotFound && at >= host) {
      withoutUser =
          std::string(runPageUrl.substr(0, host)) + std::string(runPageUrl.substr(at + 1));
      runPageUrl = withoutUser;
    }
  }
  std::string comment(kCommentStart);
  // ">", CR and LF are below 0x40 and so never the second byte of a Japanese character.
  for (const char byte : runPageUrl) {
    switch (byte) {
      case '>':
        comment += "%3E";
        break;
      case '\r':
        comment += "%0D";
        break;
      case '\n':
        comment += "%0A";
        break;
      default:
        comment += byte;
    }
  }
  comment += kCommentEnd;
  return comment;
}

std::string RemoveUrlRoot(std::string_view pageUrl, std::string_view text,
                          std::string_view dummyFolder) {
  std::string result(text);
  RemoveUrlRootIn(pageUrl, result, dummyFolder);
  return result;
}

void RemoveUrlRootIn(std::string_view pageUrl, std::string& result, std::string_view dummyFolder) {
  ReplaceAllIn(result, UrlRoot(pageUrl), "", CaseMode::IgnoreAsciiCase);
  const std::string prefix = RootRelativePrefix(pageUrl, dummyFolder);
  ReplaceAllIn(result, "\"/", "\"" + prefix, CaseMode::Exact);
  ReplaceAllIn(result, "'/", "'" + prefix, CaseMode::Exact);
}

std::string RemoveDomainFromHTMLFile(std::string_view pageUrl, std::string_view text,
                                     std::span<const std::string> hosts, Clipboard* clipboard) {
  std::string result(text);
  RemoveDomainFromHTMLFileIn(pageUrl, result, hosts, clipboard);
  return result;
}

void RemoveDomainFromHTMLFileIn(std::string_view /*pageUrl*/, std::string& result,
                                std::span<const std::string> hosts, Clipboard* clipboard) {
  for (const std::string& host : hosts) {
    if (host.empty()) continue;
    ReplaceAllIn(result, std::string(kHttp) + host, "", CaseMode::IgnoreAsciiCase);
    ReplaceAllIn(result, "https://" + host, "", CaseMode::IgnoreAsciiCase);
    ReplaceAllIn(result, "/" + host, "", CaseMode::IgnoreAsciiCase);
    PutOnClipboard(clipboard, result);
  }
}

std::string ChangeFrameUrlname(std::string_view pageUrl, std::string_view text,
                               std::span<const std::string> frames, Clipboard* clipboard) {
  std::string result(text);
  ChangeFrameUrlnameIn(pageUrl, result, frames, clipboard);
  return result;
}

void ChangeFrameUrlnameIn(std::string_view /*pageUrl*/, std::string& result,
                          std::span<const std::string> frames, Clipboard* clipboard) {
  if (frames.empty()) return;
  for (const std::string& entry : frames) {
    std::string_view address = entry;
    if (address.starts_with(kHttp)) {
      address.remove_prefix(kHttp.size());
      if (const std::size_t slash = address.find('/'); slash != kNotFound)
        address.remove_prefix(slash);
    }
    std::string local = ReplaceAll(address, "&amp;", "&", CaseMode::IgnoreAsciiCase);
    ReplaceAllIn(local, "?", "@", CaseMode::Exact);
    ReplaceAllIn(local, "%3A%2F%2F", ";~~", CaseMode::IgnoreAsciiCase);
    ReplaceAllIn(local, "%2F", "~", CaseMode::IgnoreAsciiCase);
    if (!ContainsText(address, ".htm", CaseMode::Exact)) local += ".html";
    ReplaceAllIn(result, address, local, CaseMode::IgnoreAsciiCase);
    PutOnClipboard(clipboard, result);
  }
  PutOnClipboard(clipboard, result);
}

std::string ChangeHTMLSrcUrlname(std::string_view pageUrl, std::string_view text,
                                 std::span<const std::string> rows) {
  std::string result(text);
  ChangeHTMLSrcUrlnameIn(pageUrl, result, rows);
  return result;
}

void ChangeHTMLSrcUrlnameIn(std::string_view /*pageUrl*/, std::string& result,
                            std::span<const std::string> rows) {
  // Four replace-alls for each reference whose local name differs from it, in this order; a
  // page with tens of thousands of such references is rewritten in one walk rather than a walk
  // per row.
  struct Names {
    std::string_view absolute;
    std::string_view reference;
    std::string name;
    std::string safeReference;
    std::string safeName;
  };
  // The rows look into the rows given and into these names, which stay put once made.
  std::vector<Names> names;
  names.reserve(rows.size());
  for (const std::string& row : rows) {
    auto [reference, absolute] = SplitRow(row);
    if (reference.empty()) continue;
    // References whose local names differ from them: the name mappings, and the names made
    // visible (a leading "." of a folder, control bytes), which the saved files carry too.
    if (!ContainsText(reference, "?", CaseMode::Exact) &&
        !ContainsText(reference, "|", CaseMode::Exact) &&
        !ContainsText(reference, "*", CaseMode::Exact) && !HasHiddenOrControlNames(reference))
      continue;
    std::string name = UrlFileName(reference, NoUrlText::TakeLastSegment);
    if (reference.starts_with('/')) reference.remove_prefix(1);
    std::string safeReference = WithTypeExtension(WithVisibleNames(MakeSafeFilePath(reference)));
    std::string safeName = WithTypeExtension(MakeSafeFilePath(name));
    names.push_back(
        {absolute, reference, std::move(name), std::move(safeReference), std::move(safeName)});
  }
  std::vector<ReplaceRow> table;
  table.reserve(4 * names.size());
  for (const Names& each : names) {
    table.push_back({each.absolute, each.safeReference});
    table.push_back({each.reference, each.safeReference});
    table.push_back({each.name, each.safeName});
    table.push_back({each.reference, each.safeReference});
  }
  (void)ApplyManyRows(result, table, CaseMode::IgnoreAsciiCase);
}

std::string ChangeHTMLSrcCSSname(std::string_view /*pageUrl*/, std::string_view text,
                                 std::string_view baseHrefDir, std::string_view baseHrefDirPath,
                                 std::span<const std::string> baseStyleSheets) {
  std::string result(text);
  if (baseHrefDir.empty()) return result;
  for (const std::string& sheet : baseStyleSheets) {
    if (sheet.empty() || sheet.starts_with('/')) continue;
    std::string_view relative = sheet;
    if (relative.starts_with("./")) relative.remove_prefix(2);
    std::string replacement(baseHrefDirPath);
    replacement += '/';
    replacement += relative;
    ReplaceAllIn(result, sheet, replacement, CaseMode::IgnoreAsciiCase);
  }
  return result;
}

std::string RemoveHTMLSrcUrlname(std::string_view pageUrl, std::string_view text,
                                 std::span<const std::string> hosts) {
  std::string result(text);
  RemoveHTMLSrcUrlnameIn(pageUrl, result, hosts);
  return result;
}

void RemoveHTMLSrcUrlnameIn(std::string_view /*pageUrl*/, std::string& result,
                            std::span<const std::string> hosts) {
  for (const std::string& host : hosts)
    ReplaceAllIn(result, std::string(kHttp) + host + "/", "", CaseMode::IgnoreAsciiCase);
}

std::string ClleanupSaveHTMLFile(std::string_view text, std::string_view runPageUrl) {
  std::string result;
  if (text.empty()) return result;
  result.reserve(text.size() + runPageUrl.size() + 64);
  bool commented = false;
  for (const std::string_view line : SplitLines(text)) {
    // TrimAllSpaces removes everything up to 0x20 first, so it covers the plain trim as well.
    if (TrimAllSpaces(line).empty()) continue;
    if (!commented && ContainsText(line, "<head", CaseMode::IgnoreAsciiCase)) {
      result += SavedPageComment(runPageUrl);
      result += "\r\n";
      commented = true;
    }
    result += line;
    result += "\r\n";
  }
  return result;
}

std::string CheckRefresh(std::string_view html) {
  const std::string head = LowerCaseText(TextBetween(html, "<head>", "</head>"));
  std::string target;
  if (ContainsText(head, "http-equiv=\"refresh\"", CaseMode::Exact))
    target = TextBetween(head, "url=", "\"");
  else if (ContainsText(head, "location.replace(", CaseMode::Exact))
    target = TextBetween(head, "location.replace(", ")");
  ReplaceAllIn(target, "\"", "", CaseMode::Exact);
  ReplaceAllIn(target, "'", "", CaseMode::Exact);
  return target;
}

std::string CommentOutBaseTag(std::string_view text) {
  constexpr std::string_view kBase = "<base ";
  if (!ContainsText(text, kBase, CaseMode::Exact)) return std::string(text);
  const std::string inside = TextBetween(text, kBase, ">");
  std::string tag(kBase);
  tag += inside;
  tag += '>';
  std::string comment = "<!-- " + CommentMarks() + " ";
  comment += tag;
  comment += " " + CommentMarks() + "-->";
  return ReplaceFirst(text, tag, comment);
}

std::string BaseTagToLocalPath(std::string_view text, std::string_view baseHrefDir,
                               std::string_view saveFolder) {
  if (baseHrefDir.empty()) return std::string(text);
  // A base naming the page itself leaves only "/", whose first occurrence could be anywhere in
  // the page; the page's own folder is where its references resolve once the tag is gone.
  if (baseHrefDir == "/") return CommentOutBaseTag(text);
  // The base becomes a file URL of the save folder. Its colon is written "@~@", because
  // MakeLocalLinks turns every ":/" of the page into ";/" before it restores the first "@~@";
  // and as a file URL the value does not start with "/", so the rewriting of root-relative
  // references leaves it alone.
  std::string local = "file@~@//" + std::string(saveFolder);
  if (!local.ends_with('/')) local += '/';
  if (const std::string dirPath = UrlDirPath(baseHrefDir); !dirPath.empty()) {
    local += dirPath;
    local += '/';
  }
  return ReplaceFirst(text, baseHrefDir, local);
}

RootRelativeResult RewriteRootRelative(std::string_view text, std::string_view prefix,
                                       std::string_view topPageName) {
  RootRelativeResult result{std::string(text), false};
  result.rewritten = RewriteRootRelativeIn(result.text, prefix, topPageName);
  return result;
}

bool RewriteRootRelativeIn(std::string& text, std::string_view prefix,
                           std::string_view topPageName) {
  static constexpr std::array<std::string_view, 5> kOpeners = {"\"", "'", "(\"", "('", "("};
  bool rewritten = false;
  for (const std::string_view opener : kOpeners) {
    if (ContainsText(text, std::string(opener) + "/", CaseMode::Exact)) {
      rewritten = true;
      break;
    }
  }
  if (rewritten) {
    for (const std::string_view opener : kOpeners) {
      std::string replacement(opener);
      replacement += prefix;
      ReplaceAllIn(text, std::string(opener) + "/", replacement, CaseMode::IgnoreAsciiCase);
    }
  }
  RewriteSiteRootLinksIn(text, rewritten ? prefix : std::string_view(), topPageName);
  return rewritten;
}

std::string RewriteSiteRootLinks(std::string_view text, std::string_view prefix,
                                 std::string_view topPageName) {
  std::string result(text);
  RewriteSiteRootLinksIn(result, prefix, topPageName);
  return result;
}

void RewriteSiteRootLinksIn(std::string& text, std::string_view prefix,
                            std::string_view topPageName) {
  const std::string_view name = topPageName.empty() ? kDefaultTopPage : topPageName;
  std::string target(prefix);
  target += name;
  ReplaceAllIn(text, " href=\"/\"", " href=\"" + target + "\"", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(text, " href='/'", " href='" + target + "'", CaseMode::IgnoreAsciiCase);
}

std::string MakeFramesetBasePageText(std::string_view pageUrl, std::string_view html,
                                     std::span<const std::string> frames,
                                     std::span<const std::string> styleRows,
                                     std::span<const std::string> imageRows,
                                     std::span<const std::string> hosts,
                                     std::string_view runPageUrl, Clipboard* clipboard) {
  const std::string prefix = RootRelativePrefix(pageUrl, "");
  std::string text = FormatHTMLSource(html);
  text = ChangeFrameUrlname(pageUrl, text, frames, clipboard);
  text = CommentOutBaseTag(text);
  ReplaceAllIn(text, ".css/\"", ".css\"", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(text, ".js/\"", ".js\"", CaseMode::IgnoreAsciiCase);
  text = ChangeHTMLSrcUrlname(pageUrl, text, styleRows);
  text = ChangeHTMLSrcUrlname(pageUrl, text, imageRows);
  text = RemoveHTMLSrcUrlname(pageUrl, text, hosts);
  ReplaceAllIn(text, " href=\"", " href=\"" + prefix, CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(text, " src=\"/", " src=\"" + prefix, CaseMode::IgnoreAsciiCase);
  return ClleanupSaveHTMLFile(text, runPageUrl);
}

}  // namespace pellucor

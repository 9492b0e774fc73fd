#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ports/Clipboard.h"

// The text passes that turn a fetched page into one that works from the save folder. Each pass
// is plain search and replace over the whole page: every occurrence, ignoring ASCII case, in one
// left-to-right pass, unless a pass says "first occurrence" (which also respects case). The
// order in which the engine runs them matters, because later passes look for what earlier ones
// wrote. The lists the passes read are handed in; a pass that puts its text on the clipboard
// takes a Clipboard that may be null.
namespace pellucor {

/// The signature comment written above the head of every rewritten page:
/// "<!-- saved from \"URL\" by ZOLK-HARVEXA -->". So that no URL can end the comment early and
/// put live markup into the saved page, ">" in the URL is written "%3E", and CR and LF (which
/// would break the one line) "%0D" and "%0A"; those are the URL's own escapes, so the address
/// still reads the same. A user name and password in the address ("user:pass@") are left out:
/// a saved page is shared and published, and they are no part of where the page came from.
[[nodiscard]] std::string SavedPageComment(std::string_view runPageUrl);

/// Every UrlRoot(pageUrl) deleted; then "\"/" becomes "\"" + prefix and "'/" becomes "'" +
/// prefix, with prefix = RootRelativePrefix(pageUrl, dummyFolder). The root is deleted with its
/// closing "/", so "http://host/css/a.css" becomes "css/a.css" here; the engine deletes the root
/// without its "/" first, so that such references are still root-relative when this runs.
[[nodiscard]] std::string RemoveUrlRoot(std::string_view pageUrl, std::string_view text,
                                        std::string_view dummyFolder);
/// RemoveUrlRoot on the text itself.
void RemoveUrlRootIn(std::string_view pageUrl, std::string& text, std::string_view dummyFolder);

/// References to the other sites of `hosts` made into paths of the local tree: for each
/// non-empty host H in list order, every "http://" + H, "https://" + H and "/" + H is deleted,
/// and the text as it then stands is put on the clipboard. An empty list leaves the text as it
/// is and the clipboard alone. `pageUrl` is not read.
[[nodiscard]] std::string RemoveDomainFromHTMLFile(std::string_view pageUrl, std::string_view text,
                                                   std::span<const std::string> hosts,
                                                   Clipboard* clipboard);
/// RemoveDomainFromHTMLFile on the text itself.
void RemoveDomainFromHTMLFileIn(std::string_view pageUrl, std::string& text,
                                std::span<const std::string> hosts, Clipboard* clipboard);

/// Points every frame address of `frames` at the local page a later download of it produces.
/// For each entry E: an E starting with "http://" loses that and is cut to begin at its first
/// "/" ("http://host/f/menu.php?x=1" gives "/f/menu.php?x=1"; a bare host stays a bare host);
/// its local form has "&amp;" as "&", "?" as "@", "%3A%2F%2F" as ";~~", "%2F" as "~" (either
/// case) and ".html" appended unless E holds ".htm" (case-sensitive); every E in the text
/// becomes that form and the text goes to the clipboard. The final text goes there once more.
/// An empty list leaves the text as it is and the clipboard alone. `pageUrl` is not read.
[[nodiscard]] std::string ChangeFrameUrlname(std::string_view pageUrl, std::string_view text,
                                             std::span<const std::string> frames,
                                             Clipboard* clipboard);
/// ChangeFrameUrlname on the text itself.
void ChangeFrameUrlnameIn(std::string_view pageUrl, std::string& text,
                          std::span<const std::string> frames, Clipboard* clipboard);

/// Points references with a query, "|" or "*" at their "@"-named local files. Each row is
/// "reference TAB absolute URL TAB local path" (a row without TAB is all three). Only for a
/// non-empty reference R holding "?", "|" or "*": R loses a leading "/", then every absolute URL
/// and every R becomes MakeSafeFilePath(R), every file name N = UrlFileName(R, last segment)
/// becomes MakeSafeFilePath(N), and every R once more MakeSafeFilePath(R). Other rows change
/// nothing. `pageUrl` is not read.
[[nodiscard]] std::string ChangeHTMLSrcUrlname(std::string_view pageUrl, std::string_view text,
                                               std::span<const std::string> rows);
/// ChangeHTMLSrcUrlname on the text itself.
void ChangeHTMLSrcUrlnameIn(std::string_view pageUrl, std::string& text,
                            std::span<const std::string> rows);

/// For a page with a base tag: each style sheet S of `baseStyleSheets` that does not start with
/// "/" is replaced everywhere by baseHrefDirPath + "/" + S without a leading "./" ("style.css"
/// under the base directory path "a/b" gives "a/b/style.css"). Nothing happens when
/// `baseHrefDir` or the list is empty. As every pass, it replaces S inside longer names too.
/// `pageUrl` is not read.
[[nodiscard]] std::string ChangeHTMLSrcCSSname(std::string_view pageUrl, std::string_view text,
                                               std::string_view baseHrefDir,
                                               std::string_view baseHrefDirPath,
                                               std::span<const std::string> baseStyleSheets);

/// For each host H of `hosts`, every "http://" + H + "/" deleted. `pageUrl` is not read.
[[nodiscard]] std::string RemoveHTMLSrcUrlname(std::string_view pageUrl, std::string_view text,
                                               std::span<const std::string> hosts);
/// RemoveHTMLSrcUrlname on the text itself.
void RemoveHTMLSrcUrlnameIn(std::string_view pageUrl, std::string& text,
                            std::span<const std::string> hosts);

/// The page as it is saved: lines that hold nothing but blanks, control characters and
/// full-width blanks dropped, SavedPageComment(runPageUrl) inserted as a line of its own before
/// the first line containing "<head" in any case (so a page without one gets no comment), and
/// every line ended by CR LF. CR LF, LF and a lone CR each end a line. Empty stays empty.
[[nodiscard]] std::string ClleanupSaveHTMLFile(std::string_view text, std::string_view runPageUrl);

/// The redirect target of a (lower-cased) page: from the text between "<head>" and "</head>"
/// (empty for a head tag with attributes), lower-cased: with "http-equiv=\"refresh\"", the text
/// between "url=" and the next "\""; else with "location.replace(", the text between that and
/// the next ")"; quotes removed. Empty when there is neither, or the end marker is missing.
[[nodiscard]] std::string CheckRefresh(std::string_view html);

/// The first "<base " tag made into a comment: "<base " + inside + ">" becomes
/// "<!-- ●● <base " + inside + "> ●●-->" (case-sensitive, first occurrence). A text without
/// "<base " is returned as it is.
[[nodiscard]] std::string CommentOutBaseTag(std::string_view text);

/// The base tag pointed at the local copy of its directory: the first occurrence
/// (case-sensitive) of `baseHrefDir` becomes the file URL of the save folder followed by
/// UrlDirPath(baseHrefDir) and "/", written with "@~@" for its colon: "http://host/a/b/" becomes
/// "file@~@///save/a/b/" for the save folder "/save/", and MakeLocalLinks later makes that
/// "file:///save/a/b/" (it turns every other ":/" into ";/" first). As a file URL the value
/// does not start with "/", so the rewriting of root-relative references leaves it alone. A
/// base directory at the site root gives the save folder itself. When `baseHrefDir` is "/" (the
/// base tag names the page's own address) there is no directory to replace, and the tag is
/// commented out instead - the page then resolves its references against its own folder, as
/// the tag did. An empty `baseHrefDir` changes nothing.
[[nodiscard]] std::string BaseTagToLocalPath(std::string_view text, std::string_view baseHrefDir,
                                             std::string_view saveFolder);

struct RootRelativeResult {
  std::string text;
  /// True when the text held one of "\"/", "'/", "(\"/", "('/", "(/" and was rewritten; only
  /// then did site-root links get the prefix in front of the top page name.
  bool rewritten = false;
};

/// Root-relative references made relative to the saved page: when the text holds one of
/// "\"/", "'/", "(\"/", "('/", "(/", these become, in that order, "\"", "'", "(\"", "('", "("
/// followed by `prefix` (the RootRelativePrefix of the page). Then RewriteSiteRootLinks with
/// the prefix when that happened, with an empty prefix when not. With an empty prefix a quoted
/// "/img/x.gif" simply loses its "/", and " href=\"/\"" an empty href.
[[nodiscard]] RootRelativeResult RewriteRootRelative(std::string_view text, std::string_view prefix,
                                                     std::string_view topPageName);
/// RewriteRootRelative on the text itself; returns whether it was rewritten.
bool RewriteRootRelativeIn(std::string& text, std::string_view prefix,
                           std::string_view topPageName);

/// Links to the site root pointed at the top page: " href=\"/\"" becomes
/// " href=\"" + prefix + name + "\"" and " href='/'" becomes " href='" + prefix + name + "'",
/// with name = `topPageName`, or "index.html" when that is empty. The blank before "href" is
/// kept, so that the tag keeps its attribute. For a page whose root-relative references were
/// not rewritten, the engine calls this alone with an empty prefix.
[[nodiscard]] std::string RewriteSiteRootLinks(std::string_view text, std::string_view prefix,
                                               std::string_view topPageName);
/// RewriteSiteRootLinks on the text itself.
void RewriteSiteRootLinksIn(std::string& text, std::string_view prefix,
                            std::string_view topPageName);

/// The rewritten text of a frameset base page: FormatHTMLSource(html); ChangeFrameUrlname with
/// `frames`; CommentOutBaseTag; ".css/\"" to ".css\"" and ".js/\"" to ".js\"";
/// ChangeHTMLSrcUrlname with `styleRows`, then with `imageRows`; RemoveHTMLSrcUrlname with
/// `hosts`; every " href=\"" gets the RootRelativePrefix(pageUrl, "") after its quote and every
/// " src=\"/" becomes " src=\"" + that prefix; ClleanupSaveHTMLFile with `runPageUrl` (the
/// run's address, which names the page in the saved-page comment). Writing it is the caller's.
[[nodiscard]] std::string MakeFramesetBasePageText(
    std::string_view pageUrl, std::string_view html, std::span<const std::string> frames,
    std::span<const std::string> styleRows, std::span<const std::string> imageRows,
    std::span<const std::string> hosts, std::string_view runPageUrl, Clipboard* clipboard);

}  // namespace pellucor

#pragma once

#include <string>
#include <string_view>

#include "web/UrlDecode.h"

// The local names of one downloaded page: the file set that the download engine derives from
// the page URL, the save folder and the decode mode, and the names it writes to.
namespace pellucor {

/// The folder part of a path: up to and including its last "/"; empty when it has none.
[[nodiscard]] std::string FolderOfPath(std::string_view path);

/// The file name of a path: what follows its last "/"; the whole path when it has none.
[[nodiscard]] std::string FileNameOfPath(std::string_view path);

/// The extension of the path's file name, from its last "." on; empty without one.
[[nodiscard]] std::string_view ExtensionOf(std::string_view path);

/// A style sheet's or script's local name with its type's extension at the end: a browser
/// reading "q.css@v=1" from the disk takes it for no style sheet, so the name of a file whose
/// name has an "@" (a mapped query) after a ".css", ".js" or ".mjs" (any case) is followed by
/// that extension again: "q.css@v=1.css". Other names, and names that end so already, are
/// returned as they are.
[[nodiscard]] std::string WithTypeExtension(std::string_view path);

/// The page's own file: MakeSafeFilePath of its UrlToLocalPath; "index.html" appended when that
/// ends with "/"; ".html" appended when the extension (from the last "." of the file name) is
/// empty or exactly ".php", ".shtml", ".jsp" or ".asp" (lower case; ".PHP" is kept). So
/// "dir/list.php" is saved as "dir/list.php.html", while "dir/list.php?id=3" keeps the name
/// "dir/list.php@id=3". Empty when UrlToLocalPath refuses the URL.
[[nodiscard]] std::string PagePath(std::string_view url, std::string_view saveFolder,
                                   UrlDecodeMode mode);

/// The save folder + the file name of the page path, as if the page lay directly in it.
[[nodiscard]] std::string FlatPath(std::string_view saveFolder, std::string_view pagePath);

/// The file for the page as read from the server: UrlToLocalPath as fetched ("ZZOrg_" + the
/// name). A file name longer than 40 bytes is cut to its first 40 bytes + ".html"; the cut moves
/// back one byte rather than split a double-byte character. Empty when the URL is refused.
[[nodiscard]] std::string AsFetchedPath(std::string_view url, std::string_view saveFolder,
                                        UrlDecodeMode mode);

/// The page's folder made deeper by the dummy top folder: folder + dummy + "/", with "\" turned
/// into "/" and "//" into "/". Empty, ".", ".." and repeated segments of the dummy folder are
/// left out, so it cannot lead out of the page's folder; a dummy folder of nothing else leaves
/// the folder as it is. With "main/top", "/s/" becomes "/s/main/top/".
[[nodiscard]] std::string DummyTopFolder(std::string_view pageFolder, std::string_view dummyFolder);

/// The file for the HTML the embedded browser holds: the page path's folder + "ZAInner_" + its
/// file name.
[[nodiscard]] std::string InnerPath(std::string_view pagePath);

/// The file set of one page before it is written.
struct PageFileSet {
  std::string pagePath;       // the rewritten page (before the ".html" rule of PageSavePath)
  std::string flatPath;       // the page's file name directly in the save folder
  std::string asFetchedPath;  // the page as read ("ZZOrg_")
  std::string innerPath;      // the browser's inner HTML ("ZAInner_")
};

/// PagePath, FlatPath, AsFetchedPath and InnerPath of the URL; with a non-empty dummy top folder
/// (an empty one means the option is off) the page path and the inner path lie in the
/// DummyTopFolder of the page's folder. The flat path keeps the page's file name. Every path is
/// empty when UrlToLocalPath refuses the URL. Creating the page's folder is the caller's step.
[[nodiscard]] PageFileSet MakePageFileSet(std::string_view url, std::string_view saveFolder,
                                          UrlDecodeMode mode, std::string_view dummyFolder);

/// The as-fetched path as written: ".html" appended when it contains no ".htm".
[[nodiscard]] std::string AsFetchedSavePath(std::string_view asFetchedPath);

/// The rewritten page's path as written: ".html" is appended when ".htm" does not occur in it,
/// or when its first ".htm" starts more than six bytes before the end (so it is no extension
/// but part of a folder or query); otherwise the path is used unchanged. "p.html" stays,
/// "list.php@id=3" becomes "list.php@id=3.html", "a.htm@x=1" becomes "a.htm@x=1.html".
[[nodiscard]] std::string PageSavePath(std::string_view path);

/// The typed file name, trimmed; "index.html" when empty, ".html" appended when it contains no
/// ".htm". Segments of dots only and empty segments are left out, so a name like "../x.html"
/// stays in the page's folder.
[[nodiscard]] std::string ChosenName(std::string_view typedName);

/// The rewritten page under the chosen name: the page path's folder + ChosenName.
[[nodiscard]] std::string ChosenNamePath(std::string_view pagePath, std::string_view typedName);

/// The as-fetched page under the chosen name: the as-fetched path's folder (when that contains
/// "@", cut before the first "@" and reduced to its folder once more) + "ZXOrg_" + the typed
/// name untrimmed, with the defaults of ChosenName. Only the part below `saveFolder` is looked
/// at for "@": an "@" in the save folder's own name is no folder made from a query.
[[nodiscard]] std::string ChosenNameAsFetchedPath(std::string_view asFetchedPath,
                                                  std::string_view typedName,
                                                  std::string_view saveFolder);
/// The second copy of the rewritten page: the page path's folder + "WInner_@" + its file name,
/// with the ".html" rule of PageSavePath.
[[nodiscard]] std::string InnerRewrittenPath(std::string_view pagePath);

}  // namespace pellucor

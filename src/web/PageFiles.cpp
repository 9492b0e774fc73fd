#include "web/PageFiles.h"

#include <array>

#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "web/LocalPath.h"
#include "web/PathBounds.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::size_t kLongestAsFetchedName = 40;

// Server-side pages whose local copy would not open as HTML without ".html".
constexpr std::array<std::string_view, 4> kScriptPageExtensions = {".php", ".shtml", ".jsp",
                                                                   ".asp"};

bool NeedsHtmlExtension(std::string_view fileName) {
  const std::string_view extension = ExtensionOf(fileName);
  if (extension.empty()) return true;
  for (const std::string_view script : kScriptPageExtensions) {
    if (extension == script) return true;
  }
  return false;
}

// The first `limit` bytes, or one byte fewer when the last of them would lead a double-byte
// character whose second byte lies beyond the cut.
std::string_view CutAtCharacter(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t length = CharLengthAt(text, end);
    if (end + length > limit) break;
    end += length;
  }
  return text.substr(0, end);
}

std::string WithChosenNameDefaults(std::string_view name) {
  std::string chosen = DropDotSegments(name, EmptySegments::Drop);
  if (chosen.empty()) return "index.html";
  if (!ContainsText(chosen, ".htm", CaseMode::Exact)) chosen += ".html";
  return chosen;
}

}  // namespace

std::string FolderOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == kNotFound ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string WithTypeExtension(std::string_view path) {
  std::string typed(path);
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == kNotFound ? path : path.substr(slash + 1);
  const std::size_t at = name.find('@');
  if (at == std::string_view::npos) return typed;
  const std::string_view stem = name.substr(0, at);
  const std::size_t dot = stem.rfind('.');
  if (dot == std::string_view::npos) return typed;
  const std::string_view extension = stem.substr(dot);
  const bool typedFile = EqualIgnoringAsciiCase(extension, ".css") ||
                         EqualIgnoringAsciiCase(extension, ".js") ||
                         EqualIgnoringAsciiCase(extension, ".mjs");
  if (!typedFile ||
      (name.size() >= at + extension.size() &&
       EqualIgnoringAsciiCase(name.substr(name.size() - extension.size()), extension)))
    return typed;
  typed += extension;
  return typed;
}

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == kNotFound ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return dot == kNotFound ? std::string_view() : name.substr(dot);
}

std::string FileNameOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == kNotFound ? path : path.substr(slash + 1));
}

std::string PagePath(std::string_view url, std::string_view saveFolder, UrlDecodeMode mode) {
  const std::string local = UrlToLocalPath(url, saveFolder, mode, LocalName::Plain);
  if (local.empty()) return {};
  std::string path = MakeSafeFilePath(local);
  if (path.ends_with('/')) path += "index.html";
  if (NeedsHtmlExtension(FileNameOfPath(path))) path += ".html";
  return path;
}

std::string FlatPath(std::string_view saveFolder, std::string_view pagePath) {
  return std::string(saveFolder) + FileNameOfPath(pagePath);
}

std::string AsFetchedPath(std::string_view url, std::string_view saveFolder, UrlDecodeMode mode) {
  std::string path = UrlToLocalPath(url, saveFolder, mode, LocalName::AsFetched);
  const std::string folder = FolderOfPath(path);
  const std::string name = FileNameOfPath(path);
  if (name.size() <= kLongestAsFetchedName) return path;
  return folder + std::string(CutAtCharacter(name, kLongestAsFetchedName)) + ".html";
}

std::string DummyTopFolder(std::string_view pageFolder, std::string_view dummyFolder) {
  std::string folder(pageFolder);
  folder += DropDotSegments(dummyFolder, EmptySegments::Drop);
  folder += '/';
  folder = ReplaceAll(folder, "\\", "/", CaseMode::Exact);
  return ReplaceAll(folder, "//", "/", CaseMode::Exact);
}

std::string InnerPath(std::string_view pagePath) {
  return FolderOfPath(pagePath) + "ZAInner_" + FileNameOfPath(pagePath);
}

PageFileSet MakePageFileSet(std::string_view url, std::string_view saveFolder, UrlDecodeMode mode,
                            std::string_view dummyFolder) {
  PageFileSet files;
  files.pagePath = PagePath(url, saveFolder, mode);
  files.asFetchedPath = AsFetchedPath(url, saveFolder, mode);
  if (files.pagePath.empty() || files.asFetchedPath.empty()) return {};
  files.flatPath = FlatPath(saveFolder, files.pagePath);
  if (!dummyFolder.empty()) {
    files.pagePath =
        DummyTopFolder(FolderOfPath(files.pagePath), dummyFolder) + FileNameOfPath(files.pagePath);
  }
  files.innerPath = InnerPath(files.pagePath);
  return files;
}

std::string AsFetchedSavePath(std::string_view asFetchedPath) {
  std::string path(asFetchedPath);
  if (!ContainsText(path, ".htm", CaseMode::Exact)) path += ".html";
  return path;
}

std::string PageSavePath(std::string_view path) {
  std::string result(path);
  const std::size_t htm = FindText(path, ".htm", CaseMode::Exact);
  // An ".htm" with at most three bytes after it is taken for the page's extension (".html" or
  // little more); one further in front belongs to a folder or a query.
  if (htm == kNotFound || htm + 7 < path.size()) result += ".html";
  return result;
}

std::string ChosenName(std::string_view typedName) {
  return WithChosenNameDefaults(TrimAllSpaces(typedName));
}

std::string ChosenNamePath(std::string_view pagePath, std::string_view typedName) {
  return FolderOfPath(pagePath) + ChosenName(typedName);
}

std::string ChosenNameAsFetchedPath(std::string_view asFetchedPath, std::string_view typedName,
                                    std::string_view saveFolder) {
  std::string folder = FolderOfPath(asFetchedPath);
  // A folder named after a query ("a.php@x=1/") is left for the folder the page lies in.
  const std::size_t below = folder.starts_with(saveFolder) ? saveFolder.size() : 0;
  if (const std::size_t at = FindText(folder, "@", below, CaseMode::Exact); at != kNotFound)
    folder = FolderOfPath(std::string_view(folder).substr(0, at));
  return folder + "ZXOrg_" + WithChosenNameDefaults(typedName);
}

std::string InnerRewrittenPath(std::string_view pagePath) {
  return PageSavePath(FolderOfPath(pagePath) + "WInner_@" + FileNameOfPath(pagePath));
}

}  // namespace pellucor

// Fetching the page's style sheets and scripts: each is converted, rewritten to work from its
// local copy, saved beside a raw copy, and scanned for further style sheets, scripts and
// images, level by level until no new file turns up.
#include <array>
#include <filesystem>
#include <optional>
#include <tuple>
#include <unordered_set>

#include "download/DistinctNames.h"
#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "download/PageResourceStages.h"
#include "download/ReferenceSieves.h"
#include "html/HtmlFormatter.h"
#include "html/HtmlScan.h"
#include "html/ReferenceText.h"
#include "html/SaveCharset.h"
#include "ports/HostFileEffects.h"
#include "text/CodePage932.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/Fetch.h"
#include "web/LocalPath.h"
#include "web/PageFiles.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

// A url() value that no extension shows to be an image ("img.php?id=4", "/bg"): fetched, and
// listed with the images (saved later from the same response) only when the server answers
// with an image's media type. The reference as the sheet writes it, when listed.
template <typename LocalOf>
std::optional<std::string> ListServedImage(DownloadEngine& engine, std::string_view sheetUrl,
                                           std::string_view value, const LocalOf& localOf) {
  std::string reference(TrimControlChars(value));
  std::erase_if(reference, [](char c) { return c == '"' || c == '\''; });
  if (reference.empty() || reference.starts_with('#') ||
      ContainsAnyText(reference, {" ", "(", "data:", "about:", "javascript:"},
                      CaseMode::IgnoreAsciiCase))
    return std::nullopt;
  const std::string absolute = CombineUrl(sheetUrl, ReferenceFromAttribute(reference));
  if (!IsWebUrl(absolute)) return std::nullopt;
  const std::string target = localOf(absolute);
  if (target.empty() || FileExists(target)) return std::nullopt;
  if (!engine.fetcher().MediaTypeOf(absolute).starts_with("image/")) return std::nullopt;
  DownloadTab& tab = engine.tab;
  PageResourceStages::DLSetListbox(JoinReferenceRow(reference, absolute, target),
                                   tab.ListBoxPGTab02LTab03PageImage, engine.run.ImageRowList,
                                   tab.ListBoxPGTab02LTab06DLImportCSSImage);
  return reference;
}

constexpr std::array<std::string_view, 4> kImageSignatures = {"GIF89a", "JFIF", "IHDR", "Exif"};

bool HasImageSignature(std::string_view bytes) {
  for (const std::string_view signature : kImageSignatures) {
    if (bytes.find(signature) != std::string_view::npos) return true;
  }
  return false;
}

std::string RawCopyPath(std::string_view localPath, std::string_view prefix) {
  return FolderOfPath(localPath) + std::string(prefix) + FileNameOfPath(localPath);
}

// Root-relative references of a style sheet made relative to its local copy.
void PrefixRootRelative(std::string& text, std::string_view prefix) {
  for (const std::string_view opener : {"\"", "'", "(\"", "('", "("})
    ReplaceAllIn(text, std::string(opener) + "/", std::string(opener) + std::string(prefix),
                 CaseMode::IgnoreAsciiCase);
}

void DeleteHttpHosts(std::string& text) {
  std::vector<std::string> hosts;
  CollectHttpHosts(text, hosts);
  for (const std::string& host : hosts) {
    if (!host.empty()) ReplaceAllIn(text, "http://" + host, "", CaseMode::IgnoreAsciiCase);
  }
}

enum class Quoted { Keep, Skip };

// The URLs of the rows a loop is about to fetch, for fetching them ahead; rows whose reference
// holds a quote are not fetched by the first level, and so not ahead either.
std::vector<std::string> UrlsOf(const std::vector<std::string>& rows, Quoted quoted) {
  std::vector<std::string> urls;
  for (const std::string& row : rows) {
    const ReferenceRow fields = SplitReferenceRow(row);
    if (quoted == Quoted::Skip && (ContainsText(fields.reference, "\"", CaseMode::Exact) ||
                                   ContainsText(fields.reference, "'", CaseMode::Exact)))
      continue;
    if (!ContainsText(MakeSafeFilePath(fields.localPath), "inpage.js?", CaseMode::Exact))
      urls.push_back(fields.url);
  }
  return urls;
}

class StageFiles {
 public:
  explicit StageFiles(DownloadEngine& engine) : engine_(engine) {}

  // True when written; a failed write leaves its line for the pane. A file that is there
  // already and that this run did not write is kept, as style sheets and images are: the save
  // folder may hold the user's own files under the names a page asks for.
  bool Save(std::string_view text, std::string_view path) {
    if (FileExists(path) && !engine_.WrittenThisRun(path)) return false;
    return engine_.SaveRunFile(LimitPane::StyleSheets, text, path);
  }

  // The raw bytes of the URL beside the local copy; only inside the save folder.
  void SaveRaw(std::string_view url, std::string_view path) {
    if (!engine_.IsRunPath(path)) return;
    const std::string failure = engine_.fetcher().SaveResponseBytes(url, path);
    if (!failure.empty())
      engine_.NoteLimit(LimitPane::StyleSheets, SjisFromUtf8Literal(download_messages::kNotSaved) +
                                                    std::string(path) + "  (" + failure + ")");
  }

  void Folder(std::string_view path) { (void)engine_.CreateRunFolder(path); }

 private:
  DownloadEngine& engine_;
};

// The charset a style sheet or script is read in: the user's choice, or when that is automatic
// the sheet's own word, else its page's charset.
CharsetCode SheetCharset(const DownloadEngine& engine, std::string_view text) {
  const auto chosen = static_cast<CharsetCode>(engine.tab.RadioGroupDLCSSJSCharSet);
  if (chosen != CharsetCode::Automatic) return chosen;
  return ResourceCharset(text, engine.run.PageCharset);
}

// A sheet's relative references with queries ("b.css?v=2", "../img/i.png?3") as the names
// their files are saved under ("b.css@v=2.css", "../img/i.png@3"): from the disk the query is
// no part of the name a browser asks for. Each is rewritten where it stands as a whole value,
// in quotes or in parentheses.
void RewriteQueryReferencesIn(std::string& sheet, const std::vector<std::string>& references) {
  for (const std::string& item : references) {
    const std::optional<SievedReference> kept = SieveSheetReference(item);
    if (!kept || !ContainsText(kept->reference, "?", CaseMode::Exact) ||
        ContainsText(kept->reference, "//", CaseMode::Exact))
      continue;
    const std::string local = WithTypeExtension(MakeSafeFilePath(kept->reference));
    if (local != kept->reference) ReplaceWholeReferenceIn(sheet, kept->reference, local);
  }
}

}  // namespace

void PageResourceStages::DLDownloadCSSJS(DownloadEngine& engine, std::string_view saveFolder) {
  DownloadTab& tab = engine.tab;
  if (tab.ListBoxPGTab02LTab02PageWebCSS.empty()) return;
  tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.clear();
  tab.ListBoxPGTab02LTab06DLImportCSSImage.clear();
  for (RenamedReference& renamed : GiveDistinctLocalNames(tab.ListBoxPGTab02LTab02PageWebCSS))
    engine.run.RenamedReferences.push_back(std::move(renamed));
  const std::vector<std::string> rows = tab.ListBoxPGTab02LTab02PageWebCSS;
  engine.fetcher().Prefetch(UrlsOf(rows, Quoted::Skip));
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const ReferenceRow fields = SplitReferenceRow(rows[index]);
    std::string local = MakeSafeFilePath(fields.localPath);
    if (local.ends_with('/')) local.pop_back();
    if (!ContainsText(fields.reference, "\"", CaseMode::Exact) &&
        !ContainsText(fields.reference, "'", CaseMode::Exact))
      DLDownloadedResultCSSJS(engine, fields.url, local, tab.ListBoxPGTab02LTab04DLCSSFileImportCSS,
                              saveFolder);
    engine.host().pump.ProcessPendingEvents();
    tab.LabelDownloadedFile = SjisFromUtf8Literal(download_messages::kOpenBracket) + local +
                              SjisFromUtf8Literal(download_messages::kCloseBracket);
    DLFileDownloadInfo(engine, local, rows.size(), index);
    if (engine.StopRequested()) return;
  }
  const std::vector<std::string> second = tab.ListBoxPGTab02LTab04DLCSSFileImportCSS;
  engine.fetcher().Prefetch(UrlsOf(second, Quoted::Keep));
  for (std::size_t index = 0; index < second.size(); ++index) {
    const ReferenceRow fields = SplitReferenceRow(second[index]);
    std::string local = MakeSafeFilePath(fields.localPath);
    if (local.ends_with('/')) local.pop_back();
    DLDownloadedResultCSSJS(engine, fields.url, local,
                            tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS, saveFolder);
    DLFileDownloadInfo(engine, local, second.size(), index);
    if (engine.StopRequested()) return;
  }
}

int PageResourceStages::DLDownloadedResultCSSJS(DownloadEngine& engine, std::string_view url,
                                                std::string_view localPath,
                                                std::vector<std::string>& queue,
                                                std::string_view saveFolder) {
  DownloadTab& tab = engine.tab;
  DownloadRunState& run = engine.run;
  StageFiles files(engine);
  const std::string local = MakeSafeFilePath(localPath);
  if (ContainsText(local, "inpage.js?", CaseMode::Exact) || !IsWebUrl(url)) return -1;
  const auto mark = [&](std::string_view sign) {
    const std::string line = SjisFromUtf8Literal(sign) + local;
    tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(line);
    tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS.push_back(line);
  };

  const std::string fetched = engine.fetcher().ReadUrlText(url);
  if (!engine.fetcher().FailureOf(url).empty()) {
    mark("●");
    engine.NoteFetchFailure(LimitPane::StyleSheets, url);
    return -1;
  }
  const std::string lowerFetched = LowerCaseText(fetched);
  const std::string lowerLocal = LowerCaseText(local);
  if (ContainsText(lowerFetched, "404 not found", CaseMode::Exact)) {
    mark("■");
    return -1;
  }
  if (ContainsText(lowerFetched, SjisFromUtf8Literal("見つかり"), CaseMode::Exact)) {
    mark("◆");
    return -1;
  }
  if (ContainsText(lowerLocal, ".css", CaseMode::Exact) &&
      ContainsText(lowerFetched, "<body", CaseMode::Exact)) {
    mark("▼");
    return -1;
  }
  if (HasImageSignature(fetched)) {
    tab.ListBoxPGTab02LTab08UnkownImage.push_back(std::string(url));
    return -1;
  }

  std::string text =
      SetQuotedCharsetShiftJIS(ConvertHtmlToSjis(fetched, SheetCharset(engine, fetched)).text);
  ReplaceAllIn(text, "\"/*", "\" /*", CaseMode::Exact);
  const std::string raw = RawCopyPath(local, "ZYOrg_");
  const bool styleSheet = ContainsText(local, ".css", CaseMode::Exact);
  const bool script = ContainsText(local, ".js", CaseMode::Exact);
  // A style sheet's "url(//host/...)" is its scheme's absolute address (a script is saved as
  // it came).
  if (styleSheet) ExpandProtocolRelativeIn(text, SchemeOf(url));
  std::string saved = text;  // what a style sheet is saved as
  if (!styleSheet && !script) {
    // A file that was there before the run is kept, and the pane says so.
    if (FileExists(local) && !engine.WrittenThisRun(local))
      tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(SjisFromUtf8Literal("□") + local);
    files.Save(text, local);
    files.SaveRaw(url, raw);
    return -1;
  }
  if (script) {
    files.Save(text, local);
    files.SaveRaw(url, raw);
  }

  // The reference scan works on the text without comments.
  for (int round = 0; round < 2; ++round) {
    if (round == 1) ReplaceAllIn(text, "\"/*", "\" /*", CaseMode::Exact);
    ReplaceAllIn(text, "/**/", " ", CaseMode::Exact);
    text = DeleteAllBetween(text, "/*", "*/");
  }
  ReplaceAllIn(text, "@import\"", "@import \"", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(text, "@import'", "@import '", CaseMode::IgnoreAsciiCase);
  if (!ContainsAnyText(
          local, {".css", ".kss", ".js", "?", "@", ".rdf", ".xml", ".txt", ".htc", ".swf", ".php"},
          CaseMode::Exact))
    return -1;

  std::string split = ReplaceAll(text, "\",\"", "\",\r\n\"", CaseMode::Exact);
  ReplaceAllIn(split, "','", "',\r\n'", CaseMode::Exact);
  run.SheetRefList.Clear();
  for (const auto& [start, end] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{{"(\"", "\")"},
                                                                            {"url(", ")"},
                                                                            {"\"", "\""},
                                                                            {" '", "'"},
                                                                            {"src=\"", "\""},
                                                                            {"src='", "'"},
                                                                            {"(\"", "\")"},
                                                                            {"('", "')"}})
    for (const std::string& item : CollectBetween(split, start, end))
      run.SheetRefList.Add(item);

  // The saved text: absolute and root-relative addresses made relative to the local copy.
  const std::string prefix = RootRelativePrefix(url, "");
  DeleteHttpHosts(saved);
  if (styleSheet) PrefixRootRelative(saved, prefix);
  if (ContainsText(saved, "http://", CaseMode::Exact)) {
    std::string shorter = prefix;
    if (shorter.starts_with("../")) shorter.erase(0, 3);
    const std::string root = UrlRoot(url);
    for (const std::string_view opener : {"\"", "'", "(\"", "('", "("})
      ReplaceAllIn(saved, std::string(opener) + root, std::string(opener) + shorter,
                   CaseMode::IgnoreAsciiCase);
  }
  ReplaceAllIn(saved, ".css/\"", ".css\"", CaseMode::IgnoreAsciiCase);
  ReplaceAllIn(saved, ".js/\"", ".js\"", CaseMode::IgnoreAsciiCase);
  const auto localOf = [&](std::string_view absolute) {
    return UrlToLocalPath(absolute, saveFolder,
                          static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode));
  };
  if (styleSheet) {
    RewriteQueryReferencesIn(saved, run.SheetRefList.items());
    // The url() values that no extension shows to be images: those the server says are images
    // are listed with them, and a query in their names is written as in the file's name.
    std::unordered_set<std::string> urlValues;
    for (std::string& value : CollectBetween(split, "url(", ")"))
      urlValues.insert(std::move(value));
    for (const std::string& item : run.SheetRefList.items()) {
      if (!urlValues.contains(item) || SieveSheetReference(item)) continue;
      const std::optional<std::string> served = ListServedImage(engine, url, item, localOf);
      if (served && ContainsText(*served, "?", CaseMode::Exact))
        ReplaceWholeReferenceIn(saved, *served, MakeSafeFilePath(*served));
    }
  }

  files.Folder(local);
  if (FileExists(local)) {
    tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(SjisFromUtf8Literal("□") + local);
  } else {
    if (run.PlaceholderList.Add(local)) {
      const bool written = !styleSheet || files.Save(saved, local);
      tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(
          SjisFromUtf8Literal(written ? "◎" : "●") + local);
    }
    files.SaveRaw(url, raw);
  }
  tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS.push_back(local);

  const std::string root = UrlRoot(url);
  for (const std::string& item : run.SheetRefList.items()) {
    const std::optional<SievedReference> kept = SieveSheetReference(item);
    if (!kept) continue;
    const std::string& w = kept->reference;
    if (kept->kind == SievedKind::StyleOrScript) {
      const std::string absolute = CombineUrl(url, w);
      const std::string target = WithTypeExtension(MakeSafeFilePath(localOf(absolute)));
      if (FileExists(target)) continue;
      const std::string row = JoinReferenceRow(w, absolute, target);
      queue.push_back(row);
      DLCSSSetListbox(engine, row, local, fetched);
      tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.push_back(row);
      tab.ListBoxPGTab02LTab07DLAllCSSFileImportCSS.push_back(row);
    } else {
      for (const std::string& base : {std::string(url), root}) {
        const std::string absolute = CombineUrl(base, w);
        const std::string target = localOf(absolute);
        if (FileExists(target)) continue;
        DLSetListbox(JoinReferenceRow(w, absolute, target), tab.ListBoxPGTab02LTab03PageImage,
                     run.ImageRowList, tab.ListBoxPGTab02LTab06DLImportCSSImage);
      }
    }
  }
  return 0;
}

void PageResourceStages::DLRecursiveGetCSSJS(DownloadEngine& engine, std::string_view,
                                             std::string_view saveFolder) {
  DownloadTab& tab = engine.tab;
  StageFiles files(engine);
  // Each level fetches the rows of the queue; files found meanwhile wait for the next level.
  // A file whose local copy exists is never saved again, and a level queues only the sheets it
  // saved, so the levels end by themselves even on sites that make up new addresses without
  // end; the cap (a setting) is a guard should that ever change.
  int level = 0;
  for (; level < engine.styleSheetLevels && !tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.empty();
       ++level) {
    const std::vector<std::string> rows = tab.ListBoxPGTab02LTab04DLCSSFileImportCSS;
    engine.fetcher().Prefetch(UrlsOf(rows, Quoted::Keep));
    for (const std::string& whole : rows) {
      ReferenceRow fields = SplitReferenceRow(whole);
      fields.reference = std::string(CutBefore(CutBefore(fields.reference, ">"), "<"));
      const std::string& url = fields.url;
      const std::string& local = fields.localPath;
      if (!IsWebUrl(url)) continue;
      const auto mark = [&](std::string_view sign) {
        const std::string line = SjisFromUtf8Literal(sign) + local;
        tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(line);
        tab.ListBoxPGTab02LTab07AllImportCSSFileDownloaedCSSJS.push_back(line);
      };
      std::string text = engine.fetcher().ReadUrlText(url);
      if (!engine.fetcher().FailureOf(url).empty()) {
        mark("●");
        engine.NoteFetchFailure(LimitPane::StyleSheets, url);
      } else if (HasImageSignature(text)) {
        const bool stored = engine.IsRunPath(local) && engine.fetcher().DownloadResourceFile(
                                                           url, local, FileExtension::KeepName);
        mark(stored ? "◇" : "●");
      } else if (const std::string lower = LowerCaseText(text);
                 ContainsText(lower, "<html", CaseMode::Exact) &&
                 ContainsText(lower, "404 not found", CaseMode::Exact)) {
        mark("◆");
      } else {
        files.Save(text, RawCopyPath(local, "ZXOrg_"));
        text = FormatHTMLSource(text);
        ConvertedText converted = ConvertHtmlToSjis(text, SheetCharset(engine, text));
        std::string sheet =
            SetQuotedCharsetShiftJIS(converted.text.empty() ? text : converted.text);
        const bool exists = FileExists(local);
        if (!exists) sheet = ResolveCSSJS(engine, url, local, sheet, saveFolder);
        DeleteHttpHosts(sheet);
        const std::string prefix = RootRelativePrefix(url, "");
        if (ContainsAnyText(sheet, {"\"/", "'/", "(\"/", "('/", "(/"}, CaseMode::Exact))
          PrefixRootRelative(sheet, prefix);
        if (!sheet.empty() && !exists) {
          const bool written = files.Save(sheet, local);
          const std::string row = JoinReferenceRow(fields.reference, url, local);
          DLCSSSetListbox(engine, row, local, text);
          tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.push_back(row);
          tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS.push_back(row);
          tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(
              SjisFromUtf8Literal(written ? "◎" : "●") + local);
        }
      }
      engine.host().pump.ProcessPendingEvents();
    }
    tab.ListBoxPGTab02LTab04DLCSSFileImportCSS =
        std::move(tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS);
    tab.ListBoxPGTab02LTab04ImportCSSFileDownloaedCSSJS.clear();
    engine.host().pump.ProcessPendingEvents();
    if (engine.StopRequested()) return;
  }
  if (level == engine.styleSheetLevels && !tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.empty()) {
    engine.NoteLimit(LimitPane::StyleSheets,
                     SjisFromUtf8Literal(download_messages::kStyleSheetLevelLimit) +
                         std::to_string(engine.styleSheetLevels) +
                         SjisFromUtf8Literal(download_messages::kLimitUrlSeparator) +
                         SplitReferenceRow(tab.ListBoxPGTab02LTab04DLCSSFileImportCSS.front()).url);
  }
}

std::string PageResourceStages::ResolveCSSJS(DownloadEngine& engine, std::string_view url,
                                             std::string_view, std::string_view text,
                                             std::string_view saveFolder) {
  DownloadTab& tab = engine.tab;
  StageFiles files(engine);
  std::string converted =
      SetQuotedCharsetShiftJIS(ConvertHtmlToSjis(text, CharsetCode::Automatic).text);
  std::string split = ReplaceAll(converted, "\",\"", "\",,,,,,\"", CaseMode::Exact);
  ReplaceAllIn(split, "','", "',,,,,,'", CaseMode::Exact);
  std::vector<std::string> references;
  for (const auto& [source, start, end] :
       std::initializer_list<std::tuple<const std::string*, std::string_view, std::string_view>>{
           {&converted, "(\"", "\")"},
           {&converted, "url(", ")"},
           {&converted, " \"", "\""},
           {&converted, "src=\"", "\""},
           {&converted, "src='", "'"},
           {&split, "src=\"", "\""},
           {&split, "src='", "'"}})
    for (std::string& item : CollectBetween(*source, start, end))
      references.push_back(std::move(item));
  const auto localOf = [&](std::string_view absolute) {
    return UrlToLocalPath(absolute, saveFolder,
                          static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode));
  };
  for (const std::string& item : references) {
    std::string r(TrimControlChars(item));
    if (r.size() <= 3 || r.starts_with('&') || r.starts_with(".js") || r.starts_with(".css") ||
        ContainsAnyText(r, {".jsp", "\\", "google", "XMLDOM", "<", ">"}, CaseMode::Exact) ||
        r.find(' ', 1) != std::string::npos)
      continue;
    r = ReplaceAll(r, "\\/", "/", CaseMode::Exact);
    if (ContainsText(r, "'", CaseMode::Exact)) {
      r = TextBetween(r, "'", "'");
    } else if (ContainsText(r, "\"", CaseMode::Exact)) {
      r = TextBetween(r, "\"", "\"");
    }
    if (ContainsText(r, "src=", CaseMode::Exact)) r = TextBetween(r, "src=", " ");
    r = WithoutFirstJsComma(std::string(CutBefore(CutBefore(r, ">"), "<")));
    const std::string lower = LowerCaseText(r);
    if (ContainsAnyText(lower, {".css", ".js", ".kss", ".rdf", ".xml", ".txt", ".htc"},
                        CaseMode::Exact)) {
      const std::string absolute = ReplaceAll(CombineUrl(url, r), "\\/", "/", CaseMode::Exact);
      const std::string target = WithTypeExtension(MakeSafeFilePath(localOf(absolute)));
      files.Folder(target);
      const std::string content = engine.fetcher().ReadUrlText(absolute);
      // A sheet that could not be fetched gets no empty stand-in that would pass for it.
      if (!engine.fetcher().FailureOf(absolute).empty()) {
        tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS.push_back(SjisFromUtf8Literal("●") + target);
        engine.NoteFetchFailure(LimitPane::StyleSheets, absolute);
      } else if (!FileExists(target)) {
        DLCSSSetListbox(engine, JoinReferenceRow(r, absolute, target), target, content);
      }
    } else if (ContainsAnyText(lower, {".gif", ".jpg", ".jpeg", ".png", ".swf"}, CaseMode::Exact)) {
      if (ContainsAnyText(lower, {"=http", ".htm", "\\", ";", "}", ")", "google"},
                          CaseMode::Exact) ||
          ContainsText(lower, SjisFromUtf8Literal("検索"), CaseMode::Exact))
        continue;
      const std::string absolute = CombineUrl(url, r);
      const std::string target = localOf(absolute);
      files.Folder(target);
      tab.ListBoxPGTab02LTab03PageImage.push_back(JoinReferenceRow(r, absolute, target));
    }
  }
  return converted;
}

}  // namespace pellucor

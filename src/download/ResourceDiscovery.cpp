// Finding a page's style sheets, scripts and images by scanning its text with fixed marker
// pairs, then keeping what looks like a file reference by two sieves. Heuristic on purpose: the
// markers and the sieve conditions decide what is found.
#include <array>
#include <filesystem>
#include <optional>
#include <unordered_set>

#include "download/DownloadEngine.h"
#include "download/PageResourceStages.h"
#include "download/ReferenceSieves.h"
#include "html/HtmlScan.h"
#include "html/ReferenceText.h"
#include "html/Srcset.h"
#include "text/CodePage932.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"
#include "web/CombineUrl.h"
#include "web/LocalPath.h"
#include "web/PageFiles.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

void Collect(std::string_view text, std::string_view start, std::string_view end,
             SortedTextList& list) {
  ForEachBetween(text, start, end, [&list](const std::string& item) { list.Add(item); });
}

bool BeginsWithAny(std::string_view text, std::initializer_list<std::string_view> prefixes) {
  for (const std::string_view prefix : prefixes) {
    if (text.starts_with(prefix)) return true;
  }
  return false;
}

std::string DeleteEach(std::string text,
                       std::initializer_list<std::pair<std::string_view, std::string_view>> spans) {
  for (const auto& [start, end] : spans)
    DeleteAllBetweenIn(text, start, end);
  return text;
}

std::string LocalPathOf(DownloadEngine& engine, std::string_view absolute,
                        std::string_view saveFolder) {
  return UrlToLocalPath(absolute, saveFolder,
                        static_cast<UrlDecodeMode>(engine.tab.RadioGroupDLUrlWebDecode));
}

// The srcset values (and data-srcset, imagesrcset) with their attribute names and quotes: their
// candidates are taken one by one, and the whole value is no reference.
void DeleteSrcsetValuesIn(std::string& text) {
  const std::vector<SrcsetValue> values = SrcsetValues(text);
  for (auto value = values.rbegin(); value != values.rend(); ++value)
    text.erase(value->name, value->offset + value->length + 1 - value->name);
}

}  // namespace

std::string JoinReferenceRow(std::string_view reference, std::string_view url,
                             std::string_view localPath) {
  return std::string(reference) + "\t" + std::string(url) + "\t" + std::string(localPath);
}

ReferenceRow SplitReferenceRow(std::string_view row) {
  const std::size_t first = row.find('\t');
  const std::size_t second = first == std::string_view::npos ? first : row.find('\t', first + 1);
  if (second == std::string_view::npos)
    return {std::string(row), std::string(row), std::string(row)};
  return {std::string(row.substr(0, first)), std::string(row.substr(first + 1, second - first - 1)),
          std::string(row.substr(second + 1))};
}

void PageResourceStages::GetHrefLInkList(DownloadEngine& engine, std::string_view text) {
  SortedTextList& hosts = engine.run.HostList;
  hosts.Clear();
  for (const std::string_view start : {"\"http://", "\"https://", "'http://", "'https://"})
    Collect(text, start, "/", hosts);
  engine.tab.ListBoxPGTab02LTab09LHref.clear();
  for (const std::string& host : hosts) {
    if (!host.empty() && !ContainsAnyText(host, {"\"", "'", " ", "+", ")", "("}, CaseMode::Exact))
      engine.tab.ListBoxPGTab02LTab09LHref.push_back(host);
  }
}

void PageResourceStages::GetHTMLCSSList(DownloadEngine& engine, std::string_view text) {
  engine.run.HeadLinkList.Clear();
  const std::string outsideBody = DeleteAllBetween(text, "<body", "</body");
  Collect(outsideBody, " href=\"", "\"", engine.run.HeadLinkList);
  Collect(outsideBody, " href='", "'", engine.run.HeadLinkList);
  std::vector<std::string>& base = engine.tab.ListBoxPGTab02LTab04ImportHTMLCSSForBase;
  for (const std::string& item : engine.run.HeadLinkList) {
    const std::string link(TrimControlChars(item));
    if (ContainsText(link, ".htm", CaseMode::Exact) || link.empty() || link == "/") continue;
    if (ContainsAnyText(link, {".css", ".ico", ".xml", ".rss", ".rdf"}, CaseMode::Exact) &&
        std::find(base.begin(), base.end(), link) == base.end()) {
      base.push_back(link);
      engine.run.CandidateList.Add(link);
    }
  }
}

void PageResourceStages::GetHTMLSWFList(DownloadEngine& engine, std::string_view text) {
  engine.run.SwfList.Clear();
  Collect(text, "\"", "\"", engine.run.SwfList);
  for (const std::string& item : engine.run.SwfList) {
    const std::string value(TrimControlChars(item));
    if (ContainsText(value, ".swf", CaseMode::Exact))
      engine.tab.ListBoxPGTab02LTab04ImportHTMLSWF.push_back(value);
  }
}

void PageResourceStages::DLSetListbox(std::string row, std::vector<std::string>& pane,
                                      SortedTextList& rows, std::vector<std::string>& secondPane) {
  if (ContainsText(row, "url(", CaseMode::Exact) && ContainsText(row, ")", CaseMode::Exact)) {
    row = ReplaceAll(row, "url(", "", CaseMode::IgnoreAsciiCase);
    row = ReplaceAll(row, ")", "", CaseMode::Exact);
  }
  if (BeginsWithAny(row, {";", "=", " ", "%"})) return;
  if (rows.Add(row)) {
    pane.push_back(row);
    secondPane.push_back(row);
  }
}

void PageResourceStages::DLCSSSetListbox(DownloadEngine& engine, std::string row,
                                         std::string_view localPath, std::string_view text) {
  if (ContainsText(row, "XMLDOM", CaseMode::Exact) ||
      ContainsText(row, ".json", CaseMode::IgnoreAsciiCase) ||
      BeginsWithAny(row, {";", "=", " ", "%"}))
    return;
  row = ReplaceAll(row, "\\/", "/", CaseMode::Exact);
  const bool firstRow = engine.run.ScriptRowList.empty();
  if (!engine.run.ScriptRowList.Add(row)) return;
  engine.tab.ListBoxPGTab02LTab02PageWebCSS.push_back(row);
  const std::optional<std::string> name = SjisToUtf8Exact(localPath);
  std::error_code error;
  if (name && std::filesystem::exists(*name, error)) return;
  std::vector<std::string>& marks = engine.tab.ListBoxPGTab02LTab02PageFileDownloaedCSSJS;
  if (engine.run.PlaceholderList.Add(localPath)) {
    const bool written = engine.SaveRunFile(LimitPane::StyleSheets, text, localPath);
    marks.push_back(SjisFromUtf8Literal(written || text.empty() ? "◎" : "●") +
                    std::string(localPath));
  }
  if (firstRow) marks.push_back(SjisFromUtf8Literal("○") + std::string(localPath));
}

int PageResourceStages::DLMakePageCSSJS(DownloadEngine& engine, std::string_view url,
                                        std::string_view saveFolder, std::string_view text) {
  DownloadRunState& run = engine.run;
  DownloadTab& tab = engine.tab;
  run.HostList.Clear();
  run.CandidateList.Clear();
  GetHrefLInkList(engine, text);
  GetHTMLCSSList(engine, text);
  GetHTMLSWFList(engine, text);

  // The head: style sheets, scripts and icons named by its tags.
  std::string head = DeleteEach(TextBetween(text, "<head", "</head"), {{"<meta ", ">"},
                                                                       {"rel=\" ", "\""},
                                                                       {"type=\" ", "\""},
                                                                       {"media=\" ", "\""},
                                                                       {"<base ", ">"}});
  for (const auto& [from, to] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{
           {"= '", "='"},
           {" ='", "='"},
           {"= \"", "=\""},
           {" =\"", "=\""},
           {"\",\"", "\",,,,,\""},
           {"','", "',,,,,'"},
           {"@import\"", "@import \""},
           {"@import'", "@import '"}})
    ReplaceAllIn(head, from, to, CaseMode::IgnoreAsciiCase);
  tab.ListBoxPGTab02LTab02PageWebCSS.clear();
  tab.ListBoxPGTab02LTab03PageImage.clear();
  tab.ListBoxPGTab02LTab08UnkownImage.clear();
  for (const auto& [start, end] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{{"href=\"", "\""},
                                                                            {"href='", "'"},
                                                                            {"src=\"", "\""},
                                                                            {"src='", "'"},
                                                                            {"url(", ")"},
                                                                            {"@import \"", "\""},
                                                                            {"@import '", "'"}})
    Collect(head, start, end, run.CandidateList);

  // Scripts and every quoted string of the page.
  // Each step deletes from this copy where it stands; the copy is let go after the last.
  std::string page = ReplaceAll(text, "_UACCT", "_uacct", CaseMode::IgnoreAsciiCase);
  DeleteAllBetweenIn(page, "_uacct", "</script>");
  RemoveAttributeOpenersIn(page);
  RemoveAttributeOpenersIn(page);
  DeleteAllBetweenIn(page, "<iframe ", ">");
  Collect(page, "src=\"", "\"", run.CandidateList);
  Collect(page, "src='", "'", run.CandidateList);
  page = DeleteEach(std::move(page), {{"src=\"", "\""}, {"src='", "'"}});
  Collect(page, "src=", " ", run.CandidateList);
  page = DeleteEach(std::move(page), {{"src=", " "}, {"<", ">"}});
  Collect(page, "\"", "\"", run.CandidateList);
  DeleteAllBetweenIn(page, "\"", "\"");
  Collect(page, "'", "'", run.CandidateList);
  Collect(page, "('", "')", run.CandidateList);
  std::string().swap(page);

  // Relative references resolve against the base tag's address when the page has one, as the
  // browser that shows the page resolves them: scripts and images as well as style sheets.
  const std::string base = ReferenceBase(url, run.BaseHrefValue);

  // First sieve.
  for (const std::string& item : run.CandidateList) {
    const std::optional<SievedReference> kept = SievePageCandidate(item);
    if (!kept) continue;
    const std::string& c = kept->reference;
    if (kept->kind == SievedKind::StyleOrScript) {
      const std::string absolute = CombineUrl(base, ReferenceFromAttribute(c));
      const std::string row = JoinReferenceRow(
          c, absolute,
          WithTypeExtension(MakeSafeFilePath(LocalPathOf(engine, absolute, saveFolder))));
      tab.ListBoxPGTab02LTab02PageWebCSS.push_back(row);
      tab.ListBoxPGTab02LTab07DLAllCSSFileImportCSS.push_back(row);
    } else {
      const std::string absolute = CombineUrl(base, ReferenceFromAttribute(c));
      DLSetListbox(JoinReferenceRow(c, absolute, LocalPathOf(engine, absolute, saveFolder)),
                   tab.ListBoxPGTab02LTab03PageImage, run.ImageRowList,
                   tab.ListBoxPGTab02LTab06DLImportCSSImage);
    }
  }

  // Inline frames, for the frame stage. The text they are read from is also what a script's
  // placeholder file holds; it is made again for that when needed rather than kept all along.
  const auto framesText = [text] {
    std::string frames = ReplaceAll(text, "\",\"", "\",,,,,\"", CaseMode::Exact);
    ReplaceAllIn(frames, "','", "',,,,,'", CaseMode::Exact);
    return frames;
  };
  Collect(framesText(), "<iframe ", ">", run.InlineFrameList);
  DLMakeIframe(engine);
  run.CandidateList.Clear();

  // The body start tag.
  const std::string bodyTag =
      ReplaceAll(TextBetween(text, "<bod", ">"), ",", ",\r\n", CaseMode::Exact);
  for (const auto& [start, end] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{
           {"\"", "\""}, {"'", "'"}, {"background=\"", "\""}, {"url(", ")"}})
    Collect(bodyTag, start, end, run.CandidateList);

  // Every candidate of the page's srcset, data-srcset and imagesrcset values (beyond the
  // Parts, which knew none): a browser picks one by the screen, so all of them are saved. The
  // values themselves are no references and are taken out of the body's quoted strings.
  for (const SrcsetValue& value : SrcsetValues(text)) {
    for (const std::string& candidate : SrcsetUrls(text.substr(value.offset, value.length)))
      run.CandidateList.Add(candidate);
  }

  // The body.
  std::string body = DeleteEach(
      TextBetween(text, "<body", "</html"),
      {{"<a ", ">"}, {"<input ", ">"}, {"<textarea ", ">"}, {"<rdf", "rdf>"}, {"onclick=", "\""}});
  DeleteSrcsetValuesIn(body);
  RemoveAttributeOpenersIn(body);
  ReplaceAllIn(body, "\",\"", "\",\r\n\"", CaseMode::Exact);
  ReplaceAllIn(body, "'\",'", "'\",\r\n'", CaseMode::Exact);
  for (const auto& [start, end] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{{"background=\"", "\""},
                                                                            {"background='", "'"},
                                                                            {"src=\"", "\""},
                                                                            {"src='", "'"},
                                                                            {"url(", ")"}})
    Collect(body, start, end, run.CandidateList);
  ReplaceAllIn(body, "OBJECT(\"", "object(\"", CaseMode::IgnoreAsciiCase);
  Collect(body, "object(\"", "\"", run.CandidateList);
  Collect(body, "object='", "'", run.CandidateList);
  ReplaceAllIn(body, "embedswf(\"", "embedswf(\"", CaseMode::IgnoreAsciiCase);
  Collect(body, "embedswf(\"", "\"", run.CandidateList);
  Collect(body, "embedswf('", "'", run.CandidateList);
  for (const auto& [start, end] :
       std::initializer_list<std::pair<std::string_view, std::string_view>>{
           {"url(\"", "\""}, {"url('", "'"}, {"\"", "\""}, {"'", "'"}})
    Collect(body, start, end, run.CandidateList);
  std::string().swap(body);

  for (const std::string& image : tab.ListBoxIEImage)
    run.CandidateList.Add(image);
  for (const std::string& movie : tab.ListBoxPGTab02LTab04ImportHTMLSWF)
    run.CandidateList.Add(TrimControlChars(movie));

  // Second sieve.
  // The address a browser reads from the value: its character references decoded ("&amp;" is
  // "&" to the server), while the row keeps the reference as the page writes it.
  const auto imageAddress = [&base](const SievedReference& kept) {
    return kept.host.empty() ? CombineUrl(base, ReferenceFromAttribute(kept.reference))
                             : ReferenceFromAttribute(kept.reference);
  };
  // The browser's images that the scan found as well: their rows would only repeat the scan's
  // under the absolute address, and every row is one more rewriting of the page.
  const std::unordered_set<std::string_view> browserImages(tab.ListBoxIEImage.begin(),
                                                           tab.ListBoxIEImage.end());
  // Each candidate sieved once: the browser's images are weighed against what the scan found.
  std::vector<std::pair<const std::string*, SievedReference>> sieved;
  for (const std::string& item : run.CandidateList) {
    if (std::optional<SievedReference> kept = SieveBodyCandidate(item))
      sieved.emplace_back(&item, std::move(*kept));
  }
  std::unordered_set<std::string> scannedImages;
  if (!browserImages.empty()) {
    for (const auto& [item, kept] : sieved) {
      if (kept.kind != SievedKind::StyleOrScript && kept.kind != SievedKind::HostOnly &&
          !browserImages.contains(*item))
        scannedImages.insert(imageAddress(kept));
    }
  }
  std::optional<std::string> frames;
  for (const auto& [item, kept] : sieved) {
    const std::string& c = kept.reference;
    if (kept.kind == SievedKind::StyleOrScript) {
      const std::string absolute = CombineUrl(base, ReferenceFromAttribute(c));
      const std::string local =
          WithTypeExtension(MakeSafeFilePath(LocalPathOf(engine, absolute, saveFolder)));
      if (!frames) frames = framesText();
      DLCSSSetListbox(engine, JoinReferenceRow(c, absolute, local), local, *frames);
      continue;
    }
    if (!kept.host.empty()) run.HostList.Add(kept.host);
    if (kept.kind == SievedKind::HostOnly) continue;
    const std::string absolute = imageAddress(kept);
    if (scannedImages.contains(absolute) && browserImages.contains(*item)) continue;
    DLSetListbox(JoinReferenceRow(c, absolute, LocalPathOf(engine, absolute, saveFolder)),
                 tab.ListBoxPGTab02LTab03PageImage, run.ImageRowList,
                 tab.ListBoxPGTab02LTab06DLImportCSSImage);
  }
  return 0;
}

}  // namespace pellucor

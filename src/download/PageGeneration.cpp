// Obtaining, converting and naming the page of a run.
#include <array>
#include <utility>

#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "html/HtmlFormatter.h"
#include "html/ReferenceText.h"
#include "html/SaveCharset.h"
#include "ports/HostFileEffects.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "web/Fetch.h"
#include "web/PageFiles.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

// Declarations that decide the page's encoding, tested in this order; the last one found wins.
constexpr std::array<std::pair<std::string_view, CharsetCode>, 9> kDeclaredCharsets = {{
    {"charset=shift_jis\"", CharsetCode::ShiftJis},
    {"charset=shift-jis\"", CharsetCode::ShiftJis},
    {"charset=x-sjis\"", CharsetCode::ShiftJis},
    {"charset=euc-jp\"", CharsetCode::EucJp},
    {"charset=utf-8\"", CharsetCode::Utf8},
    {"charset=iso-2022", CharsetCode::Iso2022Jp},
    {"<meta charset=\"utf-8\"", CharsetCode::Utf8},
    {"<meta charset=\"shift_jis\"", CharsetCode::ShiftJis},
    {"<meta charset=\"euc-jp\"", CharsetCode::EucJp},
}};

// The text before its first "<BODY", else before its first "<body", else all of it.
std::string BeforeBody(std::string_view text) {
  std::size_t body = FindText(text, "<BODY", CaseMode::Exact);
  if (body == std::string_view::npos) body = FindText(text, "<body", CaseMode::Exact);
  return std::string(text.substr(0, body == std::string_view::npos ? text.size() : body));
}

// The text from its first "<BODY" on, else from its first "<body" on, else all of it.
std::string FromBody(std::string_view text) {
  std::size_t body = FindText(text, "<BODY", CaseMode::Exact);
  if (body == std::string_view::npos) body = FindText(text, "<body", CaseMode::Exact);
  return std::string(text.substr(body == std::string_view::npos ? 0 : body));
}

// The encoding of the last row of kDeclaredCharsets found before the body.
CharsetCode LastDeclaredCharset(std::string_view text) {
  // Only the part before the body tag is read, so only that is lowered.
  const std::size_t body = FindText(text, "<body", 0, CaseMode::IgnoreAsciiCase);
  std::string head = LowerCaseText(text.substr(0, body));
  // A charset attribute of a script start tag says nothing about the page.
  head = DeleteAllBetween(head, "<script", ">");
  CharsetCode code = CharsetCode::Automatic;
  for (const auto& [declaration, declared] : kDeclaredCharsets) {
    if (ContainsText(head, declaration, CaseMode::Exact)) code = declared;
  }
  return code;
}

}  // namespace

std::string DownloadEngine::DLInnerMakeHTML() {
  const std::string document = host_.downloadBrowser.DocumentOuterHtml();
  tab.RichEditExPGTab02LTab11InnerHTML = document;
  run.FetchedHeadHtml = SetMetaCharsetShiftJIS(run.FetchedHeadHtml);
  const std::string body = FormatHTMLSource(FromBody(document));
  return BreakHTMLLines(HTMLToShiftJIS(run.FetchedHeadHtml + body).text);
}

std::string DownloadEngine::PageAsFetched(std::string_view url) {
  std::string source = fetcher_.ReadUrlText(url);
  ReplaceAllIn(source, "\"/*", "\" /*", CaseMode::Exact);
  return source;
}

ConvertedText DownloadEngine::PageInShiftJis(std::string_view source) {
  CharsetCode code = LastDeclaredCharset(source);
  if (tab.RadioGroupDLMainHTMLCharSet != 0)
    code = static_cast<CharsetCode>(tab.RadioGroupDLMainHTMLCharSet);
  run.PageCharset = code == CharsetCode::Automatic ? DetectHtmlCharset(source) : code;
  return ConvertHtmlToSjis(source, code);
}

int DownloadEngine::DLMakeWinPage(std::string_view url, std::string_view saveFolder) {
  if (!IsWebUrl(url)) return -1;
  std::string source;
  if (tab.CheckBoxDLDownloadinnerHTML) {
    if (run.FetchedHeadHtml.empty()) {
      host_.dialogs.ShowMessage(
          Message(download_messages::kFailureMark) + Message(download_messages::kNotNavigatedYet),
          MessageKind::Warning);
      return -1;
    }
    source = DLInnerMakeHTML();
    run.InnerHtml = source;
    source = BreakHTMLLines(source);
  } else {
    source = PageAsFetched(url);
    run.FetchedHeadHtml = HTMLToShiftJIS(BeforeBody(source)).text;
  }

  ConvertedText converted = PageInShiftJis(source);
  // The page as fetched is not held until it is saved: the run's store has its response, and
  // one more copy of a long page through the passes would raise the run's peak by its size.
  if (!tab.CheckBoxDLDownloadinnerHTML) run.FetchedHtmlSize = source.size();
  std::string().swap(source);
  if (!converted.ok()) {
    host_.dialogs.ShowMessage(converted.error, MessageKind::Error);
    return -1;
  }
  std::string page = std::move(converted.text);
  SetQuotedCharsetShiftJISIn(page);
  // "//host/..." is the page's scheme's address: written out, a reference to the page's own
  // host is rewritten as any other, one to another host as other hosts' are.
  ExpandProtocolRelativeIn(page, SchemeOf(url));

  if (const std::string base = TextBetween(page, "<base ", ">"); !base.empty()) {
    run.BaseHrefValue = TextBetween(base, "=\"", "\"");
    run.BaseHrefDir = UrlDirectory(run.BaseHrefValue);
    tab.StatusBarDLBaseBrowser[3] = Message(download_messages::kBaseStatusOpen) + run.BaseHrefDir +
                                    Message(download_messages::kBaseStatusValue) +
                                    run.BaseHrefValue + " ]";
    if (run.BaseHrefDir == url) run.BaseHrefDir = "/";
  }

  FormatHTMLSourceIn(page);
  ReplaceAllIn(page, "?<", "<", CaseMode::Exact);

  const PageFileSet files = MakePageFileSet(
      url, saveFolder, static_cast<UrlDecodeMode>(tab.RadioGroupDLUrlWebDecode), TopDummyFolder());
  if (!files.pagePath.empty()) {
    const FileSideEffects effects = HostFileEffects(host_.clipboard, host_.pump);
    (void)ForceSafeFolder(FolderOfPath(files.pagePath), effects);
  }
  run.PagePath = files.pagePath;
  tab.BtnEditWBLocalFilename = files.pagePath;
  run.FlatPagePath = files.flatPath;
  run.AsFetchedPath = files.asFetchedPath;
  run.InnerPath = files.innerPath;
  run.ConvertedHtml = std::move(page);
  return 0;
}

}  // namespace pellucor

// The HTTP probe of the net search tab and of the download tab: the headers a server sends for
// a URL, and a summary of them.
#include "search/HttpDate.h"
#include "search/NetSearch.h"
#include "text/CodePage932.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

constexpr std::chrono::milliseconds kSettleTime{500};

void AppendLine(std::string& box, std::string_view line) {
  box.append(line);
  box.append("\r\n");
}

}  // namespace

std::string NetSearch::ProbeSummary(const HttpResponse& response) const {
  namespace messages = search_messages;
  std::string modified;
  if (const std::optional<std::time_t> moment = ParseHttpDate(response.lastModified))
    modified = JapaneseLocalDateTime(*moment);
  const std::string length =
      response.contentLength ? std::to_string(*response.contentLength) : std::string("-1");
  // The probe's requests end at ProbeUrl: it is the URL of the last one.
  const std::string& url = probe_.ProbeUrl;
  std::string summary;
  AppendLine(summary, url);
  AppendLine(summary, "");
  AppendLine(summary, "");
  AppendLine(summary, SjisFromUtf8Literal(messages::kLastModifiedLabel) + modified);
  AppendLine(summary, SjisFromUtf8Literal(messages::kFileSizeLabel) + length +
                          SjisFromUtf8Literal(messages::kFileSizeUnit));
  AppendLine(summary, SjisFromUtf8Literal(messages::kFullPathLabel) + url);
  AppendLine(summary, SjisFromUtf8Literal(messages::kFileNameLabel) + UrlLastSegment(url));
  AppendLine(summary, "");
  return summary;
}

void NetSearch::HTTPProbe(std::string_view urlText, ProbeDestination destination) {
  std::string url(TrimControlChars(urlText));
  if (!IsWebUrl(url)) return;
  host_.pump.SetBusyCursor(BusyCursor::On);
  const auto notFound = [this] {
    host_.dialogs.ShowMessage(SjisFromUtf8Literal(search_messages::kPageNotFound),
                              MessageKind::Information);
    host_.pump.SetBusyCursor(BusyCursor::Off);
  };
  if (!probe_.CheckHTTPUrl(url)) {
    notFound();
    return;
  }
  if (destination == ProbeDestination::SearchTab) {
    tab.MemoNSHTTPGet.clear();
    tab.MemoMemoNSHTTPGetFile.clear();
  }
  // The headers are asked for once more, from the URL the redirects ended at. That request can
  // fail too (the server went away in between); it then ends like the first.
  const HttpResponse response = probe_.Head(url);
  if (!HttpProbe::Found(response)) {
    notFound();
    return;
  }
  std::string headers;
  AppendLine(headers, response.statusLine);
  for (const std::string& line : response.headerLines)
    AppendLine(headers, line);
  AppendLine(headers, "");
  host_.pause(kSettleTime);
  const std::string summary = ProbeSummary(response);

  if (destination == ProbeDestination::SearchTab) {
    tab.MemoNSHTTPGet = headers;
    tab.MemoMemoNSHTTPGetFile = summary;
    ShowSubTab(search_messages::kHttpGetSubTab);
    host_.pump.SetBusyCursor(BusyCursor::Off);
  } else {
    host_.dialogs.ShowInformationBox("", summary, headers);
    host_.pump.SetBusyCursor(BusyCursor::Off);
  }
}

void NetSearch::sbNSGethhtpClick() {
  HTTPProbe(tab.ComboBoxNSTargetUrl, ProbeDestination::SearchTab);
}

void NetSearch::sbDLHTTPGetClick() {
  HTTPProbe(host_.downloadTab.UrlBoxText(), ProbeDestination::InformationBox);
}

}  // namespace pellucor

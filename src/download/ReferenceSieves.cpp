#include "download/ReferenceSieves.h"

#include <algorithm>

#include "download/PageResourceStages.h"
#include "html/HtmlScan.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextSearch.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor {
std::string WithoutFirstJsComma(std::string text) {
  if (const std::size_t js = FindText(text, ".js,"); js != std::string::npos) text.erase(js + 3, 1);
  return text;
}

std::optional<SievedReference> SievePageCandidate(std::string_view candidate,
                                                  std::string_view baseHref) {
  std::string c(TrimControlChars(candidate));
  if (c.empty() || ContainsText(c, "\\") || c.ends_with('/')) return std::nullopt;
  const ResourceClass kind = ClassifyResourceUrl(c);
  if (kind == ResourceClass::Text) {
    if (ContainsText(c, "\"")) c = TextBetween(c, "\"", "\"");
    if (c.empty() || LowerCaseText(c) == "javascript" || c.size() < 4 || c.ends_with('/') ||
        c.starts_with('&'))
      return std::nullopt;
    if (ContainsText(c, kAnalyticsDomain)) c = std::string(kPageAnalyticsScript);
    if (ContainsAnyText(c, {".jsp", ".XMLDOM"}, CaseMode::IgnoreAsciiCase) ||
        (ContainsText(c, "google", CaseMode::IgnoreAsciiCase) && ContainsText(c, "%")))
      return std::nullopt;
    if (!ContainsAnyText(c, {"http://", "https://"}) && ContainsAnyText(c, {")", "(", "{", "+"}))
      return std::nullopt;
    c = WithoutFirstJsComma(std::move(c));
    std::string base = ContainsText(c, ".css") ? std::string(baseHref) : std::string();
    return SievedReference{SievedKind::StyleOrScript, std::move(c), std::move(base), {}};
  }
  if (kind == ResourceClass::Image) {
    if (ContainsAnyText(c, {"+", "'", "\""})) return std::nullopt;
    return SievedReference{SievedKind::Image, std::move(c), {}, {}};
  }
  return std::nullopt;
}

std::optional<SievedReference> SieveBodyCandidate(std::string_view candidate) {
  std::string c(TrimControlChars(candidate));
  // The tests look at the candidate as collected; the kept reference is cleaned after them.
  const std::string lc = LowerCaseText(c);
  if (c.empty() || c.ends_with('/') || c.ends_with('=')) return std::nullopt;
  if (!ContainsText(lc, ".") && !ContainsText(lc, "=")) return std::nullopt;
  if (ContainsText(lc, "/") && !ContainsText(lc, "?") &&
      !ContainsAnyText(lc, {".gif", ".jpg", ".jpeg", ".png", ".swf"}))
    return std::nullopt;
  if (ContainsText(lc, "[")) return std::nullopt;
  std::erase_if(c, [](char byte) { return byte == '"' || byte == '\''; });
  if (lc == "=" || ContainsText(lc, ">")) return std::nullopt;
  if (const std::size_t open = FindText(c, "<"); open != std::string::npos) c.resize(open);
  if (ContainsText(lc, ".js") && !ContainsText(lc, "+") && !ContainsText(lc, " "))
    return SievedReference{SievedKind::StyleOrScript, std::move(c), {}, {}};
  if (ContainsAnyText(lc, {"=http", ".htm", "\\", "}", ")", "utf-8"}) ||
      ContainsText(lc, SjisFromUtf8Literal("検索")))
    return std::nullopt;
  std::string host;
  if (c.starts_with("//")) {
    c = "http:" + c;
    host = "//" + TextBetween(c, "//", "/") + "/";
  }
  const SievedKind kind = ContainsText(c, "+") ? SievedKind::HostOnly : SievedKind::Image;
  if (kind == SievedKind::HostOnly && host.empty()) return std::nullopt;
  return SievedReference{kind, std::move(c), {}, std::move(host)};
}

std::optional<SievedReference> SieveSheetReference(std::string_view candidate) {
  std::string w(TrimControlChars(candidate));
  if (w.empty() || w == "&nbsp;" || w.size() < 4) return std::nullopt;
  if (ContainsText(w, "src=")) w = TextBetween(w, "src=", " ");
  if (w.size() < 4 || w.ends_with('/') || w.starts_with('&') || w.starts_with(".js") ||
      w.starts_with(".css"))
    return std::nullopt;
  if (ContainsText(w, kAnalyticsDomain)) w = std::string(kSheetAnalyticsScript);
  if (ContainsAnyText(w, {"cssFloat", "XMLDOM", ".jsp", "cssPos"})) return std::nullopt;
  w = std::string(CutBefore(CutBefore(w, ">"), "<"));
  if (w.size() < 4) return std::nullopt;
  const std::string upper = UpperCaseText(w);
  if (ContainsText(upper, ".XMLHTTP") || ContainsText(upper, ".XMLDOM")) return std::nullopt;
  if (ContainsText(w, "url(") && ContainsText(w, ")")) w = TextBetween(w, "url(", ")");
  if (ContainsText(w, "(") || ContainsText(w, ")")) return std::nullopt;
  if (ContainsText(w, "'")) {
    std::erase(w, '\'');
  } else {
    std::erase(w, '"');
  }
  if (const std::size_t href = FindText(w, "href,"); href != std::string::npos)
    w = w.substr(href + 5);
  if (w.empty()) return std::nullopt;
  w = WithoutFirstJsComma(std::move(w));
  const std::string lw = LowerCaseText(w);
  if (ContainsText(lw, "+") || ContainsText(lw, "{")) return std::nullopt;
  if (ContainsAnyText(lw, {".css", ".js", ".kss", ".rdf", ".xml", ".txt", ".htc"}))
    return SievedReference{SievedKind::StyleOrScript, std::move(w), {}, {}};
  if (!ContainsAnyText(lw, {".gif", ".jpg", ".jpeg", ".png", ".swf"})) return std::nullopt;
  if (ContainsAnyText(lw, {"=http", ".htm", "\\", ";", "}", ")", "utf-8"}) ||
      ContainsText(lw, SjisFromUtf8Literal("検索")) ||
      (ContainsText(lw, "google") && ContainsText(lw, "%")))
    return std::nullopt;
  return SievedReference{SievedKind::Image, std::move(w), {}, {}};
}

}  // namespace pellucor

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
  if (const std::size_t js = FindText(text, ".js,", CaseMode::Exact); js != std::string::npos)
    text.erase(js + 3, 1);
  return text;
}

std::optional<SievedReference> SievePageCandidate(std::string_view candidate) {
  std::string c(TrimControlChars(candidate));
  if (c.empty() || ContainsText(c, "\\", CaseMode::Exact) || c.ends_with('/')) return std::nullopt;
  // Fonts, newer images, module scripts and manifests are saved as they come, as images are,
  // whatever their queries would make of them below: a font read as a script would be
  // converted and lost.
  if (IsModernFileReference(c)) {
    if (ContainsAnyText(c, {"+", "'", "\"", " "}, CaseMode::Exact)) return std::nullopt;
    return SievedReference{SievedKind::Image, std::move(c), {}};
  }
  const ResourceClass kind = ClassifyResourceUrl(c);
  if (kind == ResourceClass::Text) {
    if (ContainsText(c, "\"", CaseMode::Exact)) c = TextBetween(c, "\"", "\"");
    if (c.empty() || LowerCaseText(c) == "javascript" || c.size() < 4 || c.ends_with('/') ||
        c.starts_with('&'))
      return std::nullopt;
    if (ContainsText(c, kAnalyticsDomain, CaseMode::Exact)) c = std::string(kPageAnalyticsScript);
    if (ContainsAnyText(c, {".jsp", ".XMLDOM"}, CaseMode::IgnoreAsciiCase) ||
        (ContainsText(c, "google", CaseMode::IgnoreAsciiCase) &&
         ContainsText(c, "%", CaseMode::Exact)))
      return std::nullopt;
    if (!ContainsAnyText(c, {"http://", "https://"}, CaseMode::Exact) &&
        ContainsAnyText(c, {")", "(", "{", "+"}, CaseMode::Exact))
      return std::nullopt;
    c = WithoutFirstJsComma(std::move(c));
    return SievedReference{SievedKind::StyleOrScript, std::move(c), {}};
  }
  if (kind == ResourceClass::Image) {
    if (ContainsAnyText(c, {"+", "'", "\""}, CaseMode::Exact)) return std::nullopt;
    return SievedReference{SievedKind::Image, std::move(c), {}};
  }
  return std::nullopt;
}

std::optional<SievedReference> SieveBodyCandidate(std::string_view candidate) {
  std::string c(TrimControlChars(candidate));
  // The tests look at the candidate as collected; the kept reference is cleaned after them.
  const std::string lc = LowerCaseText(c);
  if (c.empty() || c.ends_with('/') || c.ends_with('=')) return std::nullopt;
  if (!ContainsText(lc, ".", CaseMode::Exact) && !ContainsText(lc, "=", CaseMode::Exact))
    return std::nullopt;
  if (ContainsText(lc, "/", CaseMode::Exact) && !ContainsText(lc, "?", CaseMode::Exact) &&
      !ContainsAnyText(lc, {".gif", ".jpg", ".jpeg", ".png", ".swf"}, CaseMode::Exact) &&
      !IsModernFileReference(lc))
    return std::nullopt;
  if (ContainsText(lc, "[", CaseMode::Exact)) return std::nullopt;
  std::erase_if(c, [](char byte) { return byte == '"' || byte == '\''; });
  if (lc == "=" || ContainsText(lc, ">", CaseMode::Exact)) return std::nullopt;
  if (const std::size_t open = FindText(c, "<", CaseMode::Exact); open != std::string::npos)
    c.resize(open);
  if (ContainsText(lc, ".js", CaseMode::Exact) && !ContainsText(lc, "+", CaseMode::Exact) &&
      !ContainsText(lc, " ", CaseMode::Exact))
    return SievedReference{SievedKind::StyleOrScript, std::move(c), {}};
  if (ContainsAnyText(lc, {"=http", ".htm", "\\", "}", ")", "utf-8"}, CaseMode::Exact) ||
      ContainsText(lc, SjisFromUtf8Literal("検索"), CaseMode::Exact))
    return std::nullopt;
  std::string host;
  if (c.starts_with("//")) {
    c = "http:" + c;
    host = "//" + TextBetween(c, "//", "/") + "/";
  }
  const SievedKind kind =
      ContainsText(c, "+", CaseMode::Exact) ? SievedKind::HostOnly : SievedKind::Image;
  if (kind == SievedKind::HostOnly && host.empty()) return std::nullopt;
  return SievedReference{kind, std::move(c), std::move(host)};
}

std::optional<SievedReference> SieveSheetReference(std::string_view candidate) {
  std::string w(TrimControlChars(candidate));
  if (w.empty() || w == "&nbsp;" || w.size() < 4) return std::nullopt;
  if (ContainsText(w, "src=", CaseMode::Exact)) w = TextBetween(w, "src=", " ");
  if (w.size() < 4 || w.ends_with('/') || w.starts_with('&') || w.starts_with(".js") ||
      w.starts_with(".css"))
    return std::nullopt;
  if (ContainsText(w, kAnalyticsDomain, CaseMode::Exact)) w = std::string(kSheetAnalyticsScript);
  if (ContainsAnyText(w, {"cssFloat", "XMLDOM", ".jsp", "cssPos"}, CaseMode::Exact))
    return std::nullopt;
  w = std::string(CutBefore(CutBefore(w, ">"), "<"));
  if (w.size() < 4) return std::nullopt;
  const std::string upper = UpperCaseText(w);
  if (ContainsText(upper, ".XMLHTTP", CaseMode::Exact) ||
      ContainsText(upper, ".XMLDOM", CaseMode::Exact))
    return std::nullopt;
  if (ContainsText(w, "url(", CaseMode::Exact) && ContainsText(w, ")", CaseMode::Exact))
    w = TextBetween(w, "url(", ")");
  if (ContainsText(w, "(", CaseMode::Exact) || ContainsText(w, ")", CaseMode::Exact))
    return std::nullopt;
  if (ContainsText(w, "'", CaseMode::Exact)) {
    std::erase(w, '\'');
  } else {
    std::erase(w, '"');
  }
  if (const std::size_t href = FindText(w, "href,", CaseMode::Exact); href != std::string::npos)
    w = w.substr(href + 5);
  if (w.empty()) return std::nullopt;
  w = WithoutFirstJsComma(std::move(w));
  const std::string lw = LowerCaseText(w);
  if (ContainsText(lw, "+", CaseMode::Exact) || ContainsText(lw, "{", CaseMode::Exact))
    return std::nullopt;
  const bool modern = IsModernFileReference(lw);
  if (!modern &&
      ContainsAnyText(lw, {".css", ".js", ".kss", ".rdf", ".xml", ".txt", ".htc"}, CaseMode::Exact))
    return SievedReference{SievedKind::StyleOrScript, std::move(w), {}};
  if (!modern && !ContainsAnyText(lw, {".gif", ".jpg", ".jpeg", ".png", ".swf"}, CaseMode::Exact))
    return std::nullopt;
  if (ContainsAnyText(lw, {"=http", ".htm", "\\", ";", "}", ")", "utf-8"}, CaseMode::Exact) ||
      ContainsText(lw, SjisFromUtf8Literal("検索"), CaseMode::Exact) ||
      (ContainsText(lw, "google", CaseMode::Exact) && ContainsText(lw, "%", CaseMode::Exact)))
    return std::nullopt;
  return SievedReference{SievedKind::Image, std::move(w), {}};
}

}  // namespace pellucor

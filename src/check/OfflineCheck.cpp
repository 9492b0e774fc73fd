#include "check/OfflineCheck.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <utility>

#include "check/CssReferences.h"
#include "check/PageReferences.h"
#include "check/ReferenceTarget.h"
#include "check/SavedFiles.h"

namespace pellucor {
namespace {

enum class DocumentKind { Page, StyleSheet };

// What a reference makes the browser load, and so what is checked in the file it names.
enum class Load { Resource, StyleSheet, Page };

struct Document {
  DocumentKind kind = DocumentKind::Page;
  std::string file;                       // where its findings are reported
  ReferenceBase base;                     // a page's base before its own <base> tag applies
  std::optional<std::string> inlineText;  // an iframe's srcdoc, read from no file
};

// Whether a frame's file is a page: a browser shows an image or a text file as it is.
bool StartsAsMarkup(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n\f");
  return first != std::string_view::npos && text[first] == '<';
}

class OfflineChecker {
 public:
  OfflineCheckResult Run(const std::string& pagePath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pagePath, error);
    result_.page = (error ? std::filesystem::path(pagePath) : absolute).lexically_normal().string();
    SavedText page = ReadSavedText(result_.page);
    if (!page.ok()) {
      result_.failure = "cannot read " + pagePath + ": " + page.failure;
      return std::move(result_);
    }
    static_cast<void>(FirstVisit(DocumentKind::Page, result_.page));
    CheckPage({DocumentKind::Page, result_.page, {BaseKind::LocalFile, result_.page}, {}},
              page.utf8);
    while (!pending_.empty()) {
      const Document document = std::move(pending_.front());
      pending_.pop_front();
      if (document.inlineText) {
        CheckPage(document, *document.inlineText);
        continue;
      }
      const SavedText text = ReadSavedText(document.file);
      if (!text.ok()) continue;  // gone or unreadable since it was found: counted already
      if (document.kind == DocumentKind::StyleSheet) {
        CheckCss(text.utf8, CssSource::StyleSheet, document.file, document.base);
      } else if (StartsAsMarkup(text.utf8)) {
        CheckPage(document, text.utf8);
      }
    }
    return std::move(result_);
  }

 private:
  void CheckPage(const Document& document, std::string_view utf8) {
    const PageReferences references = FindPageReferences(utf8);
    const ReferenceBase base =
        references.baseHref ? ApplyBaseHref(*references.baseHref, document.base) : document.base;
    for (const PageReference& reference : references.references) {
      const Load load = reference.kind == PageReferenceKind::StyleSheet ? Load::StyleSheet
                        : reference.kind == PageReferenceKind::Frame    ? Load::Page
                                                                        : Load::Resource;
      CheckReference(reference.text, load, document.file, base);
    }
    for (const InlineStyle& style : references.styles)
      CheckCss(style.text, style.source, document.file, base);
    for (const std::string& inlineDocument : references.inlineDocuments)
      pending_.push_back({DocumentKind::Page, document.file, base, inlineDocument});
  }

  void CheckCss(std::string_view css, CssSource source, const std::string& file,
                const ReferenceBase& base) {
    for (const CssReference& reference : FindCssReferences(css, source)) {
      CheckReference(reference.text,
                     reference.kind == CssReferenceKind::Import ? Load::StyleSheet : Load::Resource,
                     file, base);
    }
  }

  void CheckReference(const std::string& reference, Load load, const std::string& file,
                      const ReferenceBase& base) {
    ReferenceTarget target = ResolveReference(reference, base);
    if (target.kind == TargetKind::Ignored) return;
    ++result_.referenceCount;
    if (target.kind == TargetKind::Web) {
      result_.findings.push_back({FindingKind::Leak, file, reference, std::move(target.location)});
      return;
    }
    if (target.kind == TargetKind::Unloadable || !IsLoadableFile(target.location)) {
      result_.findings.push_back(
          {FindingKind::Missing, file, reference, std::move(target.location)});
      return;
    }
    if (load == Load::Resource) return;
    const DocumentKind kind =
        load == Load::StyleSheet ? DocumentKind::StyleSheet : DocumentKind::Page;
    if (!FirstVisit(kind, target.location)) return;
    pending_.push_back({kind, target.location, {BaseKind::LocalFile, target.location}, {}});
  }

  // Whether the file has not been taken as a document of this kind before. Files are told
  // apart by their real path, so that "a.css", "./a.css" and a link to it are one file.
  bool FirstVisit(DocumentKind kind, const std::string& path) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    return visited_.emplace(kind, error ? path : real.string()).second;
  }

  OfflineCheckResult result_;
  std::deque<Document> pending_;
  std::set<std::pair<DocumentKind, std::string>> visited_;
};

}  // namespace

std::size_t OfflineCheckResult::Count(FindingKind kind) const {
  return static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(),
                    [kind](const OfflineFinding& finding) { return finding.kind == kind; }));
}

OfflineCheckResult CheckSavedPage(const std::string& pagePath) {
  return OfflineChecker().Run(pagePath);
}

}  // namespace pellucor

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/CssReferences.h"

// The references of a page that a browser follows by itself when it shows the page, read from
// the tree of an HTML5 parser (libgumbo), so that comments, scripts, character references
// ("&amp;") and broken markup are read as a browser reads them.
namespace pellucor {

/// What a reference of a page loads.
enum class PageReferenceKind {
  Resource,    // a script, icon, media file, object, srcset candidate, ...
  Image,       // the src of an <img>: what a browser lists as the document's images
  StyleSheet,  // <link rel="stylesheet">: its own references are checked in turn
  Frame,       // <frame> and <iframe>: the page shown there is checked in turn
};

struct PageReference {
  std::string text;  // the attribute value with its character references decoded
  PageReferenceKind kind = PageReferenceKind::Resource;
};

/// CSS written inside the page: a <style> element (a StyleSheet) or a style="" attribute
/// (Declarations). Its references resolve against the page's base.
struct InlineStyle {
  std::string text;
  CssSource source = CssSource::StyleSheet;
};

struct PageReferences {
  /// The href of the first <base> element that has one; nullopt without one.
  std::optional<std::string> baseHref;
  /// In document order: img src and srcset, script src, link href for rel stylesheet, icon,
  /// preload, modulepreload and manifest (and imagesrcset), frame and iframe src, source src
  /// and srcset, video src and poster, audio src, object data, embed src, input type=image
  /// src, SVG image href (else xlink:href), and background of body, table, td and th.
  /// Navigation (a href, form action) loads nothing by itself and is not listed.
  std::vector<PageReference> references;
  std::vector<InlineStyle> styles;
  /// The srcdoc of each iframe, a page of its own whose references resolve against this
  /// page's base; such an iframe's src is not loaded and not listed.
  std::vector<std::string> inlineDocuments;
};

/// The references of the UTF-8 page. The contents of <template> and <noscript> are left out:
/// a browser that runs scripts loads neither.
[[nodiscard]] PageReferences FindPageReferences(std::string_view utf8Page);

}  // namespace pellucor

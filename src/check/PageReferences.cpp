#include "check/PageReferences.h"

#include <gumbo.h>
#include "html/HtmlScan.h"

#include <cstring>
#include <iterator>
#include <map>
#include <memory>

#include "html/Srcset.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// The words of an attribute such as rel, in lower case.
std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsHtmlWhitespace(text[i]))
      ++i;
    const std::size_t start = i;
    while (i < text.size() && !IsHtmlWhitespace(text[i]))
      ++i;
    if (i > start) tokens.push_back(LowerAsciiBytes(text.substr(start, i - start)));
  }
  return tokens;
}

bool HasToken(const std::vector<std::string>& tokens, std::string_view token) {
  for (const std::string& candidate : tokens) {
    if (candidate == token) return true;
  }
  return false;
}

using GumboOutputPtr = std::unique_ptr<GumboOutput, void (*)(GumboOutput*)>;

void DestroyOutput(GumboOutput* output) {
  gumbo_destroy_output(&kGumboDefaultOptions, output);
}

const char* AttributeValue(const GumboElement& element, const char* name,
                           GumboAttributeNamespaceEnum space = GUMBO_ATTR_NAMESPACE_NONE) {
  for (unsigned i = 0; i < element.attributes.length; ++i) {
    const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
    if (attribute->attr_namespace == space && std::strcmp(attribute->name, name) == 0)
      return attribute->value;
  }
  return nullptr;
}

std::string ChildText(const GumboElement& element) {
  std::string text;
  for (unsigned i = 0; i < element.children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
    if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_CDATA ||
        child->type == GUMBO_NODE_WHITESPACE)
      text += child->v.text.text;
  }
  return text;
}

// Collects the references of one element at a time, in document order.
class ReferenceCollector {
 public:
  explicit ReferenceCollector(std::string_view page) : page_(page) {}

  // Takes the element's references; false when its contents are to be left out.
  bool Visit(const GumboElement& element) {
    if (InNoscriptText(element.start_pos.offset)) return true;
    if (const char* style = AttributeValue(element, "style"))
      found_.styles.push_back({style, CssSource::Declarations});
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG) {
      if (element.tag == GUMBO_TAG_IMAGE) {
        const char* href = AttributeValue(element, "href");
        Add(href != nullptr ? href : AttributeValue(element, "href", GUMBO_ATTR_NAMESPACE_XLINK));
      } else if (element.tag == GUMBO_TAG_STYLE) {
        found_.styles.push_back({ChildText(element), CssSource::StyleSheet});
      }
      return true;
    }
    if (element.tag_namespace != GUMBO_NAMESPACE_HTML) return true;
    switch (element.tag) {
      case GUMBO_TAG_BASE:
        if (const char* href = AttributeValue(element, "href"); href && !found_.baseHref)
          found_.baseHref = href;
        break;
      case GUMBO_TAG_IMG:
        Add(AttributeValue(element, "src"), PageReferenceKind::Image);
        AddSrcset(AttributeValue(element, "srcset"));
        break;
      case GUMBO_TAG_SOURCE:
        Add(AttributeValue(element, "src"));
        AddSrcset(AttributeValue(element, "srcset"));
        break;
      case GUMBO_TAG_SCRIPT:
      case GUMBO_TAG_AUDIO:
      case GUMBO_TAG_EMBED:
        Add(AttributeValue(element, "src"));
        break;
      case GUMBO_TAG_VIDEO:
        Add(AttributeValue(element, "src"));
        Add(AttributeValue(element, "poster"));
        break;
      case GUMBO_TAG_OBJECT:
        Add(AttributeValue(element, "data"));
        break;
      case GUMBO_TAG_INPUT:
        if (const char* type = AttributeValue(element, "type");
            type && LowerAsciiBytes(type) == "image")
          Add(AttributeValue(element, "src"));
        break;
      case GUMBO_TAG_BODY:
      case GUMBO_TAG_TABLE:
      case GUMBO_TAG_TD:
      case GUMBO_TAG_TH:
        Add(AttributeValue(element, "background"));
        break;
      case GUMBO_TAG_LINK:
        VisitLink(element);
        break;
      case GUMBO_TAG_FRAME:
        Add(AttributeValue(element, "src"), PageReferenceKind::Frame);
        break;
      case GUMBO_TAG_IFRAME:
        // A srcdoc wins over src: the frame shows the inline page and loads nothing.
        if (const char* srcdoc = AttributeValue(element, "srcdoc")) {
          found_.inlineDocuments.emplace_back(srcdoc);
        } else {
          Add(AttributeValue(element, "src"), PageReferenceKind::Frame);
        }
        break;
      case GUMBO_TAG_STYLE:
        found_.styles.push_back({ChildText(element), CssSource::StyleSheet});
        break;
      case GUMBO_TAG_NOSCRIPT:
        NoteNoscriptText(element);
        return false;
      default:
        break;
    }
    return true;
  }

  PageReferences Take() { return std::move(found_); }

 private:
  void Add(const char* value, PageReferenceKind kind = PageReferenceKind::Resource) {
    if (value != nullptr) found_.references.push_back({value, kind});
  }

  void AddSrcset(const char* value) {
    if (value == nullptr) return;
    for (std::string& url : SrcsetUrls(value))
      found_.references.push_back({std::move(url), PageReferenceKind::Resource});
  }

  void VisitLink(const GumboElement& element) {
    const char* rel = AttributeValue(element, "rel");
    if (rel == nullptr) return;
    const std::vector<std::string> tokens = Tokens(rel);
    if (HasToken(tokens, "stylesheet")) {
      Add(AttributeValue(element, "href"), PageReferenceKind::StyleSheet);
      return;
    }
    for (const std::string_view loaded : {"icon", "preload", "modulepreload", "manifest"}) {
      if (HasToken(tokens, loaded)) {
        Add(AttributeValue(element, "href"));
        break;
      }
    }
    if (HasToken(tokens, "preload")) AddSrcset(AttributeValue(element, "imagesrcset"));
  }

  // A browser that runs scripts, as pages are opened, reads a noscript element's contents as
  // text up to the first "</noscript". The parser reads them as markup, and in the head it
  // even moves what may not stand there (an <img>) out into the body, so the elements that
  // start inside that text are left out wherever the tree has them.
  void NoteNoscriptText(const GumboElement& element) {
    const std::size_t start = element.start_pos.offset + element.original_tag.length;
    std::size_t end = page_.size();
    for (std::size_t at = page_.find("</", start); at != std::string_view::npos;
         at = page_.find("</", at + 2)) {
      if (LowerAsciiBytes(page_.substr(at + 2, 8)) == "noscript") {
        end = at;
        break;
      }
    }
    noscriptTexts_.emplace(start, end);
  }

  // The texts never overlap: a noscript tag inside one is text itself and not noted.
  [[nodiscard]] bool InNoscriptText(std::size_t offset) const {
    auto after = noscriptTexts_.upper_bound(offset);
    if (after == noscriptTexts_.begin()) return false;
    return offset < std::prev(after)->second;
  }

  std::string_view page_;
  std::map<std::size_t, std::size_t> noscriptTexts_;  // start to end offset
  PageReferences found_;
};

}  // namespace

PageReferences FindPageReferences(std::string_view utf8Page) {
  GumboOptions options = kGumboDefaultOptions;
  options.max_errors = 0;  // the parse errors are of no use here; a broken page could hold many
  const GumboOutputPtr output(gumbo_parse_with_options(&options, utf8Page.data(), utf8Page.size()),
                              &DestroyOutput);
  ReferenceCollector collector(utf8Page);
  if (!output) return collector.Take();
  // Depth first in document order, without recursion: a page may nest elements deeply.
  std::vector<const GumboNode*> pending = {output->root};
  while (!pending.empty()) {
    const GumboNode* node = pending.back();
    pending.pop_back();
    // <template> contents (GUMBO_NODE_TEMPLATE) are inert until a script uses them.
    if (node->type != GUMBO_NODE_ELEMENT || !collector.Visit(node->v.element)) continue;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = children.length; i > 0; --i)
      pending.push_back(static_cast<const GumboNode*>(children.data[i - 1]));
  }
  return collector.Take();
}

}  // namespace pellucor

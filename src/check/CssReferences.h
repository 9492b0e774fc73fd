#pragma once

#include <string>
#include <string_view>
#include <vector>

// The references of a style sheet that a browser loads: url() values and @import rules, read
// with the tokenizing rules of CSS so that comments, strings and look-alikes ("myurl(",
// "#url(") are never taken for one.
namespace pellucor {

/// Where a CSS text stands: a style sheet (a file or a <style> element), where @import rules
/// count, or the declarations of a style="" attribute, where they cannot stand.
enum class CssSource { StyleSheet, Declarations };

/// What a reference loads: an image, font or other resource (url()), or a style sheet
/// (@import, whose own references are checked in turn).
enum class CssReferenceKind { Url, Import };

struct CssReference {
  std::string text;  // the URL as the tokenizer reads it: quotes removed, escapes decoded
  CssReferenceKind kind = CssReferenceKind::Url;
};

/// Every reference of the UTF-8 CSS text, in the order written:
/// - url(x), url("x") and url('x'), the name in any case and also written with escapes
///   ("\75 rl("); an unquoted value with a blank inside, a quote or a "(" is a bad URL and
///   gives nothing, as does a string broken by a line end;
/// - the strings of image-set() and -webkit-image-set(), which are URLs there;
/// - @import "x" and @import url(x) as Import, but only in a StyleSheet and only where a
///   browser honours them: at the top level, before any rule other than @charset, @layer
///   statements and other @imports. A later @import is ignored by browsers and is left out.
/// Comments are skipped (an unclosed one runs to the end), and a text cut off inside a URL or
/// string still gives what was read, as a browser's tokenizer does at the end of its input.
[[nodiscard]] std::vector<CssReference> FindCssReferences(std::string_view css, CssSource source);

}  // namespace pellucor

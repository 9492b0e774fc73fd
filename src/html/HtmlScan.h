#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Picking things out of HTML and CSS text by fixed marker pairs. Not parsing: the exact markers
// define what is found.
namespace pellucor {

/// HTML's white space between attributes and words: blank, tab, line feed, carriage return and
/// form feed.
[[nodiscard]] constexpr bool IsHtmlWhitespace(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f';
}

/// Every text between `start` and `end`, CR and LF removed, in the order found, for the caller
/// to add to its list (which decides about order and duplicates). After each item the text is
/// cut after the first `end` anywhere in it, so an item may be met again; a start marker
/// without an end marker after it adds nothing. Empty items are kept.
[[nodiscard]] std::vector<std::string> CollectBetween(std::string_view text, std::string_view start,
                                                      std::string_view end);

/// The items of CollectBetween handed to `take` one by one, in the same order, rather than
/// collected: an item met again and again costs no copies.
void ForEachBetween(std::string_view text, std::string_view start, std::string_view end,
                    const std::function<void(const std::string&)>& take);

/// The base URL of the page: the first double-quoted value of its "<base " tag (whichever
/// attribute it belongs to), or the tag's whole text when it has no quote; empty without a
/// base tag.
[[nodiscard]] std::string GetBaseHref(std::string_view text);

/// Percent-decoded (with "+" as a blank) and read as UTF-8; a text still holding "%" is
/// decoded once more after "%25" became "%". Empty for a text without "%" and for one that still
/// holds "%" after that.
[[nodiscard]] std::string DecodePercentUtf8(std::string_view text);

/// The name with ".html" added, unless its first ".htm" stands within its last six bytes (so
/// names ending in ".htm" or ".html" stay).
[[nodiscard]] std::string AddHtmlExtension(std::string_view name);

/// Strips attribute openers that are no resource references ("alt=\"", "type=\"", ...), each
/// by DeleteAllBetween with the end "\"" - so an opener ending in a quote goes alone and its
/// value stays, while "width=" goes up to its quote - and then every "<form" tag whole.
/// Matching is case-sensitive.
[[nodiscard]] std::string RemoveAttributeOpeners(std::string_view text);

/// RemoveAttributeOpeners on the text itself.
void RemoveAttributeOpenersIn(std::string& text);

}  // namespace pellucor

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Colour lists: every colour written as "#" and hexadecimal digits in a style sheet or a page,
// with the selector of its rule.
namespace pellucor {

enum class ColorListOrder {
  AsFound,       // value padded to 12 characters, a blank, the selector; in text order
  SortedUnique,  // the padded value alone, sorted without regard to ASCII case, no duplicates
};

/// A style sheet (or the merged style sheet and script file) made ready for ExtractCssColors:
/// its "/*" ... "*/" comments deleted, and every escaped closing brace between escaped quotes
/// (the seven characters "\"}\"", any case) deleted.
[[nodiscard]] std::string PrepareStyleSheetForColors(std::string_view text);

/// A page's source made ready for ExtractCssColors: the style tags deleted ("<STYLE>",
/// "</STYLE>", "<style>", "</style>" and every "<STYLE " or "<style " up to its ">"), then as a
/// style sheet. nullopt when the page holds no "color:" in any case: its colour list is then
/// emptied and nothing else happens.
[[nodiscard]] std::optional<std::string> PreparePageSourceForColors(std::string_view text);

/// The items of a colour list. The text is first normalised so that every colour value starts
/// at ":#" and ends at the next ";" or blank (about seventy whole-text replacements, each
/// linear); then each value gives an item unless it holds a character that is no hexadecimal
/// digit ("X" and "Y" pass, "g" to "z" and punctuation do not). A value without both a ";" and
/// a blank anywhere after it ends the list. A value of "#" alone ends it too. The selector is
/// the text before the rule's "{"; values of one rule share it. nullopt when the text holds
/// neither ":#" nor " #" after normalising: the list is then left as it was.
[[nodiscard]] std::optional<std::vector<std::string>> ExtractCssColors(std::string_view text,
                                                                       ColorListOrder order);

}  // namespace pellucor

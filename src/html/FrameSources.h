#pragma once

#include <string>
#include <string_view>
#include <vector>

// The addresses a page embeds as frames and inline frames.
namespace pellucor {

/// The src attribute of every "<frame" and "<iframe" start tag of the text, in the order found.
/// Tag and attribute names are matched without regard to case; a value may be double-quoted,
/// single-quoted or unquoted (then it ends at a blank or ">"). Values are kept as written; a tag
/// without a src attribute, or with an empty one, adds nothing, and of two src attributes the
/// first counts, as browsers take it. Attributes that merely end in "src" ("data-src") and a src
/// inside another attribute's value are no address. A quoted value missing its closing quote
/// runs to the end of the text. Safe on Shift_JIS text: every byte the scan stops at lies below
/// the range of a double-byte character's second byte.
[[nodiscard]] std::vector<std::string> FrameSources(std::string_view html);

}  // namespace pellucor

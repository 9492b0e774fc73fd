#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/EventPump.h"
#include "ports/TextView.h"

// The keyword search of the source views: each keyword marked in a colour of its own and in
// bold, every hit listed by line and column beside the view, and the jump to a listed hit.
namespace pellucor {

/// At most this many keywords are searched; each has the colour of its place in the list.
inline constexpr std::size_t kMarkedKeywordCount = 7;

/// The colours of the keyword places 0 to 6: red, fuchsia, teal, aqua, blue, purple, lime.
inline constexpr std::array<TextColor, kMarkedKeywordCount> kKeywordColors = {{
    {255, 0, 0},
    {255, 0, 255},
    {0, 128, 128},
    {0, 255, 255},
    {0, 0, 255},
    {128, 0, 128},
    {0, 255, 0},
}};

/// A hit entry of a result list: the 1-based line left-padded with blanks to 4 characters, "/",
/// the 1-based column left-padded with zeros to 2 digits ("  12/05", " 130/117").
[[nodiscard]] std::string SearchHitEntry(std::size_t line, std::size_t column);

/// The view's default and all its text made black and regular (the syntax colours and keyword
/// marks go); the caret goes to 0.
void ClearSearchMarks(TextView& view);

/// Marks every occurrence of the trimmed keyword in the view (case-sensitive, at character
/// starts) in the colour of `place` and bold, and adds a hit entry per occurrence to
/// `resultList`. Place 0 first empties the list and clears the view's marks. An occurrence that
/// starts right after the previous one, or overlaps it, is not counted ("ab" in "abab" gives
/// one hit). An occurrence at the very start of the text is marked from its second byte on, as
/// the views always have. When the keyword occurs, the caret goes to its first occurrence and
/// that line is scrolled to the top. Returns the number of hits; -2 when the view is empty, -1
/// when the keyword is empty.
int MarkKeyword(TextView& view, std::string_view keyword, std::vector<std::string>& resultList,
                std::size_t place, EventPump& pump);

/// MarkKeyword for the first seven keywords, keyword i at place i (an empty keyword uses up its
/// place), then the normal cursor.
void RichEditSearchList(TextView& view, const std::vector<std::string>& SearchKeywords,
                        std::vector<std::string>& resultList, EventPump& pump);

/// The search command of a view's keyword box: nothing for a blank box; otherwise the marks are
/// cleared, the box is split into `SearchKeywords` (EdictScan), and when that gives keywords
/// they are marked and listed with the busy cursor shown.
void KeywordSearch(TextView& view, std::string_view keywordBox,
                   std::vector<std::string>& SearchKeywords, std::vector<std::string>& resultList,
                   EventPump& pump);

/// Jumps to the selected hit of the result list: the entry goes into `label`, the caret to its
/// line and column, the line is scrolled to the top, and `statusPanel` shows
/// " 行[  " + line + " ]    列[ " + column + " ]". Nothing for an empty list or no selection; an
/// entry without "/" only goes into the label. A part that is not a number counts as 0.
void ListBoxClick(TextView& view, const std::vector<std::string>& resultList,
                  std::optional<std::size_t> selected, std::string& label, std::string& statusPanel,
                  EventPump& pump);

}  // namespace pellucor

#pragma once

#include <span>
#include <string>

#include "html/ReplaceRows.h"
#include "text/ShiftJis.h"

// Tables of replace-all rows made at run time, one or more rows for each reference of a page:
// thousands of rows over a page of megabytes, where a walk over the page per row is quadratic.
namespace pellucor {

/// How ApplyManyRows came to its text.
enum class RowsPlayed { InOneWalk, OneAfterAnother };

/// The same text as ApplyRows(text, rows, mode): every row a replace-all over the text the rows
/// before it produced. The page is searched once for all patterns at once and the rows are then
/// played over the matches, when no row matches text that an earlier row wrote (checked around
/// every replacement); otherwise, and for texts or rows holding a lead byte that stands alone,
/// the rows run one after another. In one walk the time is the page's length times the number of
/// different pattern lengths, plus the matches.
RowsPlayed ApplyManyRows(std::string& text, std::span<const ReplaceRow> rows, CaseMode mode);

}  // namespace pellucor

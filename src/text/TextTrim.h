#pragma once

#include <string>
#include <string_view>
#include <vector>

// Trimming and collapsing of blanks and line ends.
namespace pellucor {

/// Without control characters and blanks (bytes up to 0x20) at both ends: how the program reads
/// a field that the user typed.
[[nodiscard]] std::string_view TrimControlChars(std::string_view text);

/// Without control characters and blanks (bytes up to 0x20) at both ends, and then without
/// blanks and full-width blanks ("　") at both ends. A text of nothing else becomes empty.
[[nodiscard]] std::string TrimAllSpaces(std::string_view text);

/// Bytes up to 0x20 trimmed at both ends; then "　　　", "　　", "　", three blanks and two
/// blanks, in that order, each replaced by one blank. Five blanks in a row end as two.
[[nodiscard]] std::string CollapseSpaces(std::string_view text);

/// CR LF and lone CR become LF; runs of five, then four, three and two LFs each become one LF
/// (so runs of up to 38 line ends become one, 39 become two); TAB becomes two blanks; every LF
/// becomes CR LF.
[[nodiscard]] std::string CollapseBlankLines(std::string_view text);

/// The lines of a text, split at CR LF, lone LF and lone CR; a closing line end adds no empty
/// line. The views point into `text`.
[[nodiscard]] std::vector<std::string_view> SplitLines(std::string_view text);

/// Every LF byte preceded by a CR, whatever stands before it (a CR LF becomes CR CR LF): text
/// from sources that end lines with LF alone, shown where CR LF is expected.
[[nodiscard]] std::string LfToCrLf(std::string_view text);

/// CR LF and lone CR become LF, then every LF becomes CR LF: every line end written CR LF.
[[nodiscard]] std::string UnifyLineEnds(std::string_view text);

/// UnifyLineEnds on the text itself; a text already written so is not copied.
void UnifyLineEndsIn(std::string& text);

}  // namespace pellucor

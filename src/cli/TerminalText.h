#pragma once

#include <string>
#include <string_view>

// Text a server chose (file names, addresses, redirect targets) on its way to a terminal: a
// control byte in it could move the cursor, recolour or retitle the terminal, or hide a line.
namespace pellucor::cli {

/// Whether the line ends of a message stay line ends on the terminal.
enum class LineEnds { Keep, Escape };

/// The Shift_JIS text as UTF-8 with every control byte (below 0x20, and DEL) written as "\xHH";
/// with LineEnds::Keep, CR LF and LF stay one line end each and a lone CR is dropped.
[[nodiscard]] std::string TerminalText(std::string_view sjis, LineEnds lineEnds);

/// UTF-8 text on one line (a file name as the system has it, a reference of a saved page) with
/// every control character written as "\xHH": control bytes, DEL, the C1 controls U+0080 to
/// U+009F and each byte of a malformed sequence, which an 8-bit terminal could read as a
/// control (0x9B introduces a control sequence there).
[[nodiscard]] std::string TerminalTextUtf8(std::string_view utf8);

}  // namespace pellucor::cli

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "syntax/RtfSyntax.h"

// Reading back the RTF that the syntax writer produces: the plain text and its colours, for a
// view that shows them.
namespace pellucor {

/// A stretch of the text in one colour of the colour table.
struct ColoredRun {
  std::size_t start = 0;   // 0-based byte offset into the text
  std::size_t length = 0;  // in bytes, never 0
  int colorIndex = 0;
  Color color = 0;
  friend bool operator==(const ColoredRun&, const ColoredRun&) = default;
};

enum class RtfReadError {
  None,
  NotRtf,           // does not start with "{\rtf"
  CutOff,           // ends inside a group or after a lone backslash
  ColorOutOfTable,  // "\cfN" names no entry of the colour table
};

/// The text of a document with its colours. Runs cover every byte of the text, in order;
/// neighbouring bytes of the same colour share one run.
struct RtfText {
  std::string text;
  std::vector<Color> colors;  // the colour table, entry 0 first
  std::vector<ColoredRun> runs;
  RtfReadError error = RtfReadError::None;
  [[nodiscard]] bool ok() const { return error == RtfReadError::None; }
};

/// Reads what TpsvRTFSyntax writes: the "\fonttbl" group (skipped), the "\colortbl" group,
/// control words ("\cfN" and "\plain" set the colour, the others are skipped along with the
/// blank that ends them), the escapes "\\", "\{" and "\}", and every other byte as text. Text
/// keeps its bytes one by one, so a Shift_JIS trail byte written as "\\" comes back as 0x5C.
/// Line breaks are text from "\pard" on - each paragraph's own CR LF, CR or LF follows its
/// "\par" - and before it only lay out the header; "\par" itself adds nothing. So reading the
/// written RTF gives back the source text byte for byte (up to its first zero byte).
/// On an error the text read so far is kept and `error` says what went wrong.
[[nodiscard]] RtfText ReadRtf(std::string_view rtf);

}  // namespace pellucor

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pellucor {

/// A colour of view text.
struct TextColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const TextColor&, const TextColor&) = default;
};

enum class FontWeight { Regular, Bold };

/// How LoadRtf takes its bytes: as RTF, or (the view's usual state) as plain text.
enum class PlainTextMode { Off, On };

enum class Repainting { Suspended, Running };

/// Whether edits reach the view's change handler.
enum class ChangeNotifications { Detached, Attached };

/// A stretch of the view's text: 0-based byte offsets into its Shift_JIS text.
struct TextRange {
  std::size_t start = 0;
  std::size_t length = 0;
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

/// One rich text view (a source view with syntax colours). Its text is Shift_JIS, and every
/// offset is a byte offset into that text; lines are display lines, counted from 0. A view's
/// text holds no zero byte, as a rich edit control's cannot.
class TextView {
 public:
  virtual ~TextView() = default;

  /// The plain text, colours left out.
  [[nodiscard]] virtual std::string Text() const = 0;
  /// Replaces the text (in the default colours); the caret goes to 0 and the view to its top.
  virtual void SetText(std::string_view text) = 0;

  /// Replaces the contents with the RTF document - in plain-text mode its bytes become the text
  /// as they are, so the view then shows RTF source. The caret goes to 0 and the view to its
  /// top. False when the view cannot read the document; its contents are then unchanged.
  [[nodiscard]] virtual bool LoadRtf(std::string_view rtf) = 0;
  virtual void SetPlainTextMode(PlainTextMode mode) = 0;

  /// The selection; its start is the caret.
  [[nodiscard]] virtual TextRange Selection() const = 0;
  /// Selects the range, cut to the text's end.
  virtual void SetSelection(TextRange range) = 0;

  virtual void SetRangeColor(TextRange range, TextColor color) = 0;
  virtual void SetRangeWeight(TextRange range, FontWeight weight) = 0;
  /// The colour and weight that new text and ApplyDefaultAttributes use.
  virtual void SetDefaultAttributes(TextColor color, FontWeight weight) = 0;
  /// Gives the range the default colour and weight.
  virtual void ApplyDefaultAttributes(TextRange range) = 0;

  /// The line that holds the offset; an offset past the end gives the last line.
  [[nodiscard]] virtual std::size_t LineOfOffset(std::size_t offset) const = 0;
  /// The offset where the line starts; nullopt for a line past the last.
  [[nodiscard]] virtual std::optional<std::size_t> OffsetOfLine(std::size_t line) const = 0;
  [[nodiscard]] virtual std::size_t FirstVisibleLine() const = 0;
  /// At least 1: an empty view has one empty line.
  [[nodiscard]] virtual std::size_t LineCount() const = 0;
  /// Scrolls down (positive) or up (negative) by whole lines, stopping at the first and last.
  virtual void ScrollLines(std::ptrdiff_t lines) = 0;

  /// Left and right margins of the text, in pixels.
  virtual void SetMargins(int left, int right) = 0;
  virtual void SetRepainting(Repainting repainting) = 0;

  [[nodiscard]] virtual ChangeNotifications ChangeNotificationState() const = 0;
  virtual void SetChangeNotifications(ChangeNotifications state) = 0;
};

}  // namespace pellucor

#pragma once

#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <cstdint>
#include <string>
#include <vector>

#include "ports/TextView.h"
#include "syntax/RtfReader.h"

// A rich text view of the window (TRichEditEx): source text with syntax colours and keyword
// marks, a line-number gutter and a fixed-pitch Japanese font. It speaks the TextView port: the
// core's Shift_JIS text with CR LF line ends and byte offsets, kept in a map to the view's
// characters (a double-byte character, a CR LF pair and each byte that is no character are one
// character each). Colours are formats of the blocks' layouts, laid on per block rather than by
// a cursor per run, and marks are laid over them the same way, so colouring never wipes them.
namespace pellucor::app {

/// Whether a view shows the gutter with line numbers: the window's source views do, its plain
/// list boxes do not.
enum class LineNumbers { Hidden, Shown };

class QtTextView : public QPlainTextEdit, public TextView {
  Q_OBJECT

 public:
  explicit QtTextView(const QString& name, QWidget* parent = nullptr,
                      LineNumbers lineNumbers = LineNumbers::Shown);

  [[nodiscard]] std::string Text() const override;
  void SetText(std::string_view text) override;
  [[nodiscard]] bool LoadRtf(std::string_view rtf) override;
  void SetPlainTextMode(PlainTextMode mode) override;
  [[nodiscard]] TextRange Selection() const override;
  void SetSelection(TextRange range) override;
  void SetRangeColor(TextRange range, TextColor color) override;
  void SetRangeWeight(TextRange range, FontWeight weight) override;
  void SetDefaultAttributes(TextColor color, FontWeight weight) override;
  void ApplyDefaultAttributes(TextRange range) override;
  [[nodiscard]] std::size_t LineOfOffset(std::size_t offset) const override;
  [[nodiscard]] std::optional<std::size_t> OffsetOfLine(std::size_t line) const override;
  [[nodiscard]] std::size_t FirstVisibleLine() const override;
  [[nodiscard]] std::size_t LineCount() const override;
  void ScrollLines(std::ptrdiff_t lines) override;
  void SetMargins(int left, int right) override;
  void SetRepainting(Repainting repainting) override;
  [[nodiscard]] ChangeNotifications ChangeNotificationState() const override;
  void SetChangeNotifications(ChangeNotifications state) override;

  /// The colour the character at the byte offset is shown in.
  [[nodiscard]] TextColor ColorAt(std::size_t offset) const;

 signals:
  /// The user changed the text while notifications are attached.
  void Changed();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Gutter;
  void Show(std::string text, const std::vector<ColoredRun>& runs);
  /// The map between bytes and characters, from `text_`; and the view's text, when asked for.
  void MapText(QString* shown) const;
  void SyncEdits() const;
  [[nodiscard]] int PositionOf(std::size_t offset) const;
  [[nodiscard]] std::size_t OffsetOf(int position) const;
  void AddFormat(TextRange range, const QTextCharFormat& format);
  /// The digits of the largest line number; the gutter's width in pixels (0 without numbers).
  [[nodiscard]] int DigitCount() const;
  [[nodiscard]] int GutterWidth() const;
  void UpdateMargins();
  void PaintGutter(QPaintEvent* event);

  // The text as the core knows it, and the map between its bytes and the view's characters;
  // rebuilt from the view after the user edited it.
  mutable std::string text_;
  mutable std::vector<std::uint32_t> positionOfByte_;  // one per byte, and one for the end
  mutable std::vector<std::uint32_t> byteOfPosition_;  // one per character, and the end
  mutable bool edited_ = false;
  bool loading_ = false;
  PlainTextMode plainText_ = PlainTextMode::On;
  ChangeNotifications notifications_ = ChangeNotifications::Attached;
  QTextCharFormat defaultFormat_;
  LineNumbers lineNumbers_;
  int leftMargin_ = 0;
  int rightMargin_ = 0;
  Gutter* gutter_;
};

}  // namespace pellucor::app

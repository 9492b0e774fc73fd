#include "app/QtTextView.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "app/SjisText.h"
#include "app/SystemColors.h"
#include "text/CodePage932.h"

namespace pellucor::app {

class QtTextView::Gutter : public QWidget {
 public:
  explicit Gutter(QtTextView* view) : QWidget(view), view_(view) {}
  QSize sizeHint() const override { return {view_->GutterWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { view_->PaintGutter(event); }

 private:
  QtTextView* view_;
};

namespace {

QColor ToQColor(TextColor color) {
  return {color.red, color.green, color.blue};
}

QColor FromCoreColor(Color color) {
  return {color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff};
}

}  // namespace

QtTextView::QtTextView(const QString& name, QWidget* parent, LineNumbers lineNumbers)
    : QPlainTextEdit(parent), lineNumbers_(lineNumbers), gutter_(new Gutter(this)) {
  setObjectName(name);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Noto Sans Mono CJK JP");
  font.setStyleHint(QFont::Monospace);
  font.setPointSize(10);
  setFont(font);
  defaultFormat_.setForeground(palette().color(QPalette::Text));
  defaultFormat_.setFontWeight(QFont::Normal);
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateMargins(); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      gutter_->scroll(0, dy);
    } else {
      gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
  });
  connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
    if (loading_ || (removed == 0 && added == 0)) return;
    edited_ = true;
    if (notifications_ == ChangeNotifications::Attached) emit Changed();
  });
  UpdateMargins();
}

void QtTextView::MapText(QString* shown) const {
  positionOfByte_.assign(text_.size() + 1, 0);
  byteOfPosition_.clear();
  byteOfPosition_.reserve(text_.size() + 1);
  if (shown != nullptr) shown->reserve(static_cast<qsizetype>(text_.size()));
  std::uint32_t position = 0;
  ForEachSjisCharacter(text_, [&](std::size_t offset, std::size_t length, char32_t codePoint) {
    // The LF of a CR LF pair belongs to the CR's line end.
    if (codePoint == U'\n' && offset > 0 && text_[offset - 1] == '\r') {
      positionOfByte_[offset] = position - 1;
      return;
    }
    for (std::size_t k = 0; k < length; ++k)
      positionOfByte_[offset + k] = position;
    byteOfPosition_.push_back(static_cast<std::uint32_t>(offset));
    ++position;
    if (shown != nullptr)
      shown->append(codePoint == U'\r' || codePoint == U'\n'
                        ? QChar('\n')
                        : QChar(static_cast<char16_t>(codePoint)));
  });
  positionOfByte_[text_.size()] = position;
  byteOfPosition_.push_back(static_cast<std::uint32_t>(text_.size()));
}

void QtTextView::SyncEdits() const {
  if (!edited_) return;
  edited_ = false;
  QString shown = toPlainText();
  shown.replace('\n', "\r\n");
  text_ = ToSjis(shown);
  MapText(nullptr);
}

int QtTextView::PositionOf(std::size_t offset) const {
  SyncEdits();
  return static_cast<int>(positionOfByte_[std::min(offset, text_.size())]);
}

std::size_t QtTextView::OffsetOf(int position) const {
  SyncEdits();
  const auto at = static_cast<std::size_t>(std::max(position, 0));
  return byteOfPosition_[std::min(at, byteOfPosition_.size() - 1)];
}

void QtTextView::Show(std::string text, const std::vector<ColoredRun>& runs) {
  // A rich edit control's text ends at a zero byte.
  if (const std::size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  // Neither the new text nor its colours are the user's edits.
  loading_ = true;
  SyncEdits();
  if (text == text_ && !runs.empty()) {
    // The same text coloured (as colouring does with the view's own text): only the formats
    // change, and the document is not built again.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
      block.layout()->clearFormats();
    QTextCursor start = textCursor();
    start.setPosition(0);
    setTextCursor(start);
    verticalScrollBar()->setValue(0);
  } else {
    text_ = std::move(text);
    edited_ = false;
    QString shown;
    MapText(&shown);
    setPlainText(shown);
  }

  // The runs, block by block: each block's layout takes its share of them at once.
  std::size_t run = 0;
  for (QTextBlock block = document()->begin(); block.isValid() && run < runs.size();
       block = block.next()) {
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length() - 1;  // the block's own characters
    QList<QTextLayout::FormatRange> formats;
    while (run < runs.size()) {
      const int start = PositionOf(runs[run].start);
      const int end = PositionOf(runs[run].start + runs[run].length);
      if (start >= blockEnd && blockEnd > blockStart) break;
      const int from = std::max(start, blockStart);
      const int to = std::min(end, blockEnd);
      if (to > from) {
        QTextLayout::FormatRange range;
        range.start = from - blockStart;
        range.length = to - from;
        range.format.setForeground(FromCoreColor(runs[run].color));
        formats.append(range);
      }
      if (end > blockEnd) break;  // the run goes on in the next block
      ++run;
    }
    if (!formats.isEmpty()) block.layout()->setFormats(formats);
  }
  document()->markContentsDirty(0, document()->characterCount());
  loading_ = false;
}

std::string QtTextView::Text() const {
  SyncEdits();
  return text_;
}

void QtTextView::SetText(std::string_view text) {
  Show(std::string(text), {});
}

bool QtTextView::LoadRtf(std::string_view rtf) {
  if (plainText_ == PlainTextMode::On) {
    Show(std::string(rtf), {});
    return true;
  }
  RtfText read = ReadRtf(rtf);
  if (!read.ok()) return false;
  Show(std::move(read.text), read.runs);
  return true;
}

void QtTextView::SetPlainTextMode(PlainTextMode mode) {
  plainText_ = mode;
}

TextRange QtTextView::Selection() const {
  const QTextCursor cursor = textCursor();
  const std::size_t start = OffsetOf(cursor.selectionStart());
  return {start, OffsetOf(cursor.selectionEnd()) - start};
}

void QtTextView::SetSelection(TextRange range) {
  SyncEdits();
  const std::size_t start = std::min(range.start, text_.size());
  const std::size_t end = start + std::min(range.length, text_.size() - start);
  QTextCursor cursor = textCursor();
  cursor.setPosition(PositionOf(start));
  cursor.setPosition(PositionOf(end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void QtTextView::AddFormat(TextRange range, const QTextCharFormat& format) {
  const int start = PositionOf(range.start);
  const int end = PositionOf(range.start + range.length);
  loading_ = true;
  for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    const int from = std::max(start, block.position());
    const int to = std::min(end, block.position() + block.length() - 1);
    if (to <= from) continue;
    QList<QTextLayout::FormatRange> formats = block.layout()->formats();
    QTextLayout::FormatRange added;
    added.start = from - block.position();
    added.length = to - from;
    added.format = format;
    formats.append(added);  // later ranges are laid over earlier ones
    block.layout()->setFormats(formats);
    document()->markContentsDirty(block.position(), block.length());
  }
  loading_ = false;
}

void QtTextView::SetRangeColor(TextRange range, TextColor color) {
  QTextCharFormat format;
  format.setForeground(ToQColor(color));
  AddFormat(range, format);
}

void QtTextView::SetRangeWeight(TextRange range, FontWeight weight) {
  QTextCharFormat format;
  format.setFontWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
  AddFormat(range, format);
}

void QtTextView::SetDefaultAttributes(TextColor color, FontWeight weight) {
  defaultFormat_.setForeground(ToQColor(color));
  defaultFormat_.setFontWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
  QPalette colors = palette();
  colors.setColor(QPalette::Text, ToQColor(color));
  setPalette(colors);
}

void QtTextView::ApplyDefaultAttributes(TextRange range) {
  AddFormat(range, defaultFormat_);
}

TextColor QtTextView::ColorAt(std::size_t offset) const {
  const int position = PositionOf(offset);
  const QTextBlock block = document()->findBlock(position);
  QColor shown = palette().color(QPalette::Text);
  if (block.isValid()) {
    const int inBlock = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
      if (inBlock >= range.start && inBlock < range.start + range.length &&
          range.format.hasProperty(QTextFormat::ForegroundBrush))
        shown = range.format.foreground().color();
    }
  }
  return {static_cast<std::uint8_t>(shown.red()), static_cast<std::uint8_t>(shown.green()),
          static_cast<std::uint8_t>(shown.blue())};
}

std::size_t QtTextView::LineOfOffset(std::size_t offset) const {
  return static_cast<std::size_t>(document()->findBlock(PositionOf(offset)).blockNumber());
}

std::optional<std::size_t> QtTextView::OffsetOfLine(std::size_t line) const {
  const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
  if (!block.isValid()) return std::nullopt;
  return OffsetOf(block.position());
}

std::size_t QtTextView::FirstVisibleLine() const {
  return static_cast<std::size_t>(std::max(firstVisibleBlock().blockNumber(), 0));
}

std::size_t QtTextView::LineCount() const {
  return static_cast<std::size_t>(std::max(blockCount(), 1));
}

void QtTextView::ScrollLines(std::ptrdiff_t lines) {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(std::clamp(bar->value() + static_cast<int>(lines), bar->minimum(), bar->maximum()));
}

void QtTextView::SetMargins(int left, int right) {
  leftMargin_ = left;
  rightMargin_ = right;
  UpdateMargins();
}

void QtTextView::SetRepainting(Repainting repainting) {
  viewport()->setUpdatesEnabled(repainting == Repainting::Running);
  if (repainting == Repainting::Running) viewport()->update();
}

ChangeNotifications QtTextView::ChangeNotificationState() const {
  return notifications_;
}

void QtTextView::SetChangeNotifications(ChangeNotifications state) {
  notifications_ = state;
}

int QtTextView::DigitCount() const {
  // The smallest whole number not below log10(lines + 1): the digits of the largest number.
  int digits = 0;
  for (int lines = blockCount(); lines > 0; lines /= 10)
    ++digits;
  return digits;
}

int QtTextView::GutterWidth() const {
  if (lineNumbers_ == LineNumbers::Hidden) return 0;
  return fontMetrics().horizontalAdvance(QLatin1Char('8')) * DigitCount() + 8;
}

void QtTextView::UpdateMargins() {
  setViewportMargins(GutterWidth() + leftMargin_, 0, rightMargin_, 0);
}

void QtTextView::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  gutter_->setGeometry(QRect(area.left(), area.top(), GutterWidth(), area.height()));
}

void QtTextView::PaintGutter(QPaintEvent* event) {
  const int width = gutter_->width();
  if (width == 0) return;
  QPainter painter(gutter_);
  const QRect area = event->rect();
  // The face of a button, a light and a dark line at its right edge, and the view's own
  // background between it and the text; the numbers in black, zero-padded to the same width.
  painter.fillRect(QRect(width - 4, area.top(), 4, area.height()), palette().color(QPalette::Base));
  painter.fillRect(QRect(0, area.top(), width - 2, area.height()),
                   FromCoreColor(QtSystemColor(15)));
  painter.setPen(FromCoreColor(QtSystemColor(20)));
  painter.drawLine(width - 4, area.top(), width - 4, area.bottom());
  painter.setPen(FromCoreColor(QtSystemColor(16)));
  painter.drawLine(width - 3, area.top(), width - 3, area.bottom());
  painter.setPen(Qt::black);
  const int digits = DigitCount();
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= area.bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= area.top())
      painter.drawText(2, top, width - 6, height, Qt::AlignLeft,
                       QString("%1").arg(block.blockNumber() + 1, digits, 10, QLatin1Char('0')));
    block = block.next();
    top += height;
  }
}

}  // namespace pellucor::app

#pragma once

#include <QStyledItemDelegate>
#include <vector>

// Draws a list box's lines with their TAB characters set at tab stops, as the result panes lay
// out a reference, its URL and its local path in columns, and makes each line at least as wide
// as the pane's scroll extent.
namespace pellucor::app {

class TabStopDelegate : public QStyledItemDelegate {
 public:
  /// Tab stops in dialog units (a quarter of the font's average character width), and the
  /// least width of a line in pixels.
  TabStopDelegate(std::vector<int> stops, int scrollExtent, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                               const QModelIndex& index) const override;

  /// Where each TAB-separated part of the text starts, in pixels from the line's left edge:
  /// every TAB goes on to the first stop, in the stops' order, to the right of the text before
  /// it, or one blank further when none is.
  [[nodiscard]] std::vector<int> PartStarts(const QFontMetrics& metrics,
                                            const QStringList& parts) const;

 private:
  std::vector<int> stops_;
  int scrollExtent_;
};

}  // namespace pellucor::app

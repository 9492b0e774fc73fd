#pragma once

class QVBoxLayout;
class QWidget;

// The room around a source view on its page: rows above it (a keyword search row, a colour
// list row) and a column beside it (the hits of a search, the colour list), the view keeping
// what space is left.
namespace pellucor::app {

/// The widget that holds the view on its page: its panel, or the view itself when it lies on
/// the page directly.
[[nodiscard]] QWidget& HolderOf(QWidget& view);

/// Puts the row on the view's page right above the view (below the rows put there before).
void InsertAboveView(QWidget& view, QWidget* row);

/// The column beside the view, made on the first call: the view's holder and the column share
/// a splitter on the page.
[[nodiscard]] QVBoxLayout& SideColumnOf(QWidget& view);

}  // namespace pellucor::app

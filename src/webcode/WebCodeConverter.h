#pragma once

#include "ports/Clipboard.h"
#include "webcode/WebCodeTab.h"

namespace pellucor {

/// The web code converter tab's buttons. The left pane converts its top memo into the right
/// pane's top memo; the right pane converts that into the left pane's bottom memo, so a text can
/// be encoded and decoded back in two presses.
class WebCodeConverter {
 public:
  explicit WebCodeConverter(Clipboard& clipboard) : clipboard_(clipboard) {}

  WebCodeTab tab;

  /// Top left decoded by the left decode item into the top right.
  void btnWebCodeLeftDecodeClick();
  /// Top left encoded by the left encode item into the top right, and its lower-cased copy into
  /// the bottom right.
  void btnWebCodeLeftEncodeClick();
  /// The clipboard's text into the top left.
  void btnWebCodeLeftPasteClick();
  void btnWebCodeLeftTopClearClick();
  /// Empties the bottom left.
  void btnWebCodeCodeLeftBottomClearClick();

  /// Top right decoded by the right decode item into the bottom left.
  void btnWebCodeRightDecodeClick();
  /// Top right encoded by the right encode item into the bottom left, and its upper-cased copy
  /// into the bottom right.
  void btnWebCodeRightEncodeClick();
  /// The clipboard's text into the top right.
  void btnWebCodeRightPasteClick();
  void btnWebCodeRightTopClearClick();
  /// Empties the bottom right.
  void btnWebCodeRightBottomClearClick();

 private:
  Clipboard& clipboard_;
};

}  // namespace pellucor

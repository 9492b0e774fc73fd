#pragma once

#include <string>

// The web code converter tab's controls as values, under the controls' own names. Each memo
// holds Shift_JIS text; an encoded result is held byte for byte.
namespace pellucor {

struct WebCodeTab {
  // Left pane: its input on top, the right pane's output below.
  std::string MemolPGMainTabab05WebDecodeLeftWebCodeOrgSrc;
  std::string MemolPGMainTabab05WebDecodeLeftWebCodeOrgResult;
  // Right pane: the left pane's output (and its own input) on top, below a case-changed copy of
  // an encoding result.
  std::string MemolPGMainTabab05WebDecodeRightWebCodeConvSrc;
  std::string MemolPGMainTabab05WebDecodeRightWebCodeConvResult;

  // The items chosen in the option groups (kWebCodeDecodeItems, kWebCodeEncodeItems).
  int RadioGroupWebLeftDecode = 0;
  int RadioGroupWebLeftEncode = 0;
  int RadioGroupWebRightDecode = 0;
  int RadioGroupWebRightEncode = 0;
};

}  // namespace pellucor

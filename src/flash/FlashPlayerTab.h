#pragma once

#include <string>
#include <vector>

// The Flash player tab's controls as values, under the controls' own names (Shift_JIS texts).
namespace pellucor {

struct FlashPlayerTab {
  /// The path of the movie to play.
  std::string BtnEditLocalFlashPlayer;
  /// "表示前にｸﾘｱする": start each movie from an empty browser and list.
  bool CheckBoxFlushPlayer = false;
  /// The paths played since the list was last cleared, in order.
  std::vector<std::string> ListBoxPGMainTab04FlushPlayer;
  /// The tab's status text: that a movie cannot be played here, said from the first movie on.
  std::string StatusText;
};

}  // namespace pellucor

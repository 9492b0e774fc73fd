#pragma once

#include "shell/MainWindowState.h"

// The three collapse toggles of the tabs' top panels. Each first clears the initial-layout flag
// (the check mark of "初期状態に戻す").
namespace pellucor {

/// The net search top (sbSNCollapse, SpeedButton4): collapsed to 62 with its two inner tops at
/// 10, or opened to 140 with them at 80.
void ToggleNetSearchTop(MainWindowState& window);

/// The download top (sbDLCollapse, and the dual-screen command): 42 when it was open, 240 when
/// it was collapsed.
void ToggleDownloadTop(MainWindowState& window);

/// The local page top: 62 when it was open, 140 when it was collapsed.
void ToggleLocalPageTop(MainWindowState& window);

}  // namespace pellucor

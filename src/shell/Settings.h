#pragma once

#include <string>
#include <string_view>

#include "download/DownloadTab.h"
#include "search/NetSearchTab.h"
#include "shell/MainWindowState.h"

// The settings file: every value that outlives a run, read once at start-up and written when
// the window closes and by a few menu commands. The file is an INI file (IniFile: UTF-8 on the
// disk, Shift_JIS in the program), replaced whole through a temporary file and a rename, so a
// failed write leaves the old file as it was and never writes through a link.
namespace pellucor {

/// What the settings speak of: the window's values and the tabs' controls.
struct SettingsTargets {
  MainWindowState& window;
  NetSearchTab& search;
  DownloadTab& download;
};

/// The name of the settings file in `folder`: the first entry matching "HRAVEXA*.inf" (any
/// case of the extension's letters as the pattern has them) that is not a folder, in the order
/// the folder lists them; empty when there is none or the folder cannot be read.
[[nodiscard]] std::string GetInf(std::string_view folder);

/// Where the program keeps its settings: beside the program (`programPath`'s folder) when that
/// folder holds a settings file (GetInf) and may be written; else `configHome` (the value of
/// $XDG_CONFIG_HOME, or "$HOME/.config" when that is empty) + "/pellucor/pellucor.inf". Paths
/// are the system's (UTF-8).
[[nodiscard]] std::string SettingsPathFor(std::string_view programPath,
                                          std::string_view configHome);

/// Reads the file into the targets in the order of the settings' table: the stored paths (each
/// dropped when it no longer exists), "NS", "DL", "Menu" and the rest of "DL" when the file
/// exists - a key missing from an existing file gives its "if missing" value - and then, file or
/// not, the registered pairs: keys "0" to "99" of "DLUrl" up to the first missing or empty one.
/// A file that exists but cannot be read leaves every value as it was and says so in
/// `window.StartupNotice`.
void LoadIniSettings(std::string_view path, SettingsTargets targets);

/// Writes the targets' values in the order of the table, and the registered pairs when there
/// are any (an empty list leaves the section as the file had it). False when the file cannot
/// be written; the old file then stays as it was.
[[nodiscard]] bool SaveIniSettings(std::string_view path, SettingsTargets targets);

/// The values as a fresh start has them: the texts of the request and of the individual
/// downloads emptied, the input method Japanese, five download options cleared, and the two top
/// panels 500 pixels high. The registered pairs and the other options stay.
void ReleaseInitialize(SettingsTargets targets);

/// Adds "URL|folder" to the registered pairs, in order and without regard to case; an entry
/// already there (in any case) leaves the list as it was.
void AddRegisteredUrlFolder(MainWindowState& window, std::string entry);

// The menu commands of the settings. A command whose write fails says so in
// `window.WriteNotice`; one that writes empties it.
/// "設定を保存する": the whole file, when the window knows where it is.
void ManuSettingsSaveClick(SettingsTargets targets);
/// "初期状態に戻す": checks the item, re-initialises and writes the file.
void MenuSettingsReInitializeClick(SettingsTargets targets);
/// The one-line top height: clears the initial-layout flag, toggles its own check mark, sets
/// the net search top panel to 62 or 140 pixels and writes that height alone to the file.
void MenuViewStdTopHeightClick(SettingsTargets targets);
/// "ﾀﾞｳﾝﾛｰﾄﾞ設定" → "設定を保存する": the registered pairs, when there are any.
void MenuDLSettingsSaveClick(SettingsTargets targets);
/// "Url/保存ﾌｫﾙﾀﾞｰに登録・追加する": the URL box's text joins the URL history (unless it is in
/// it, in any case) and the pair with the save folder joins the registered pairs; nothing is
/// written.
void MenuDLSettingsAppendClick(SettingsTargets targets);
/// "設定を解除する": no registered pairs, no URL history, and section "DLUrl" erased at once.
void MenuDLSettingsRemoveClick(SettingsTargets targets);

/// Start-up's step for the URL history: when pairs are registered, the history becomes the
/// URL parts of the entries that hold "|", in list order.
void ApplyRegisteredUrls(SettingsTargets targets);

}  // namespace pellucor

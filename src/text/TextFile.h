#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reading and writing the program's text files. Paths are Shift_JIS texts; each is turned into
// its UTF-8 name at the system call, and a path that has no such name is refused.
namespace pellucor {

/// What a file write does on its host besides writing: the desktop places the folder or path on
/// the clipboard and lets pending events run. Either may be left empty.
struct FileSideEffects {
  std::function<void(std::string_view text)> setClipboardText;
  std::function<void()> processPendingEvents;
};

/// Whether something (a file, a folder, any entry) stands at the path; false for a path that
/// has no system name.
[[nodiscard]] bool PathExists(std::string_view path);

/// Whether a regular file stands at the path.
[[nodiscard]] bool FileExists(std::string_view path);

/// Whether a folder stands at the path.
[[nodiscard]] bool FolderExists(std::string_view path);

/// Reads what is left of an open file to its end into `bytes` (appended): 0, or the errno of a
/// read that failed. A read cut short by a signal is tried again.
[[nodiscard]] int ReadToEnd(int descriptor, std::string& bytes);

enum class FileReadStatus { Read, Missing, Unreadable };

struct LoadedTextFile {
  std::string text;
  FileReadStatus status = FileReadStatus::Missing;
  std::string error;  // for Unreadable: a Shift_JIS message naming the file and the reason
};

/// The file's bytes with line ends made CR LF ("\r\r" to LF, CR LF to LF, CR to LF, then LF to
/// CR LF); no encoding is converted. A path that is empty or not an existing regular file is
/// Missing; a file that exists but cannot be opened or read is Unreadable with a message.
[[nodiscard]] LoadedTextFile ReadTextFile(std::string_view path);

/// ReadTextFile's text: empty for a missing or unreadable file.
[[nodiscard]] std::string LoadTextFile(std::string_view path);

/// The folder made safe (MakeSafeFilePath, then "?" to "@", "|" to "~", "*" to ";", "+" to "_")
/// and created with its missing parents. Empty when the folder text is empty after trimming,
/// longer than 200 bytes, has no system name, or cannot be created. The folder text as given is
/// placed on the clipboard and pending events run first.
[[nodiscard]] std::string ForceSafeFolder(std::string_view folder,
                                          const FileSideEffects& effects = {});

enum class SaveOutcome { Written, Refused, WriteFailed };

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Refused;
  std::string reason;  // why the file was not written (ASCII), empty when it was
};

/// Writes the text to the path, replacing a file of that name, unless the path is refused: an
/// empty text; a path that is blank, ends with "/", ends with a character that cannot be in a
/// name, or contains "http:", "https:", "+" or a file URL. "?" becomes "@", "|" becomes "~" and
/// ":" becomes ";"; the folder must pass ForceSafeFolder (which creates it), the path must be at
/// most 250 bytes and must name a file. The path is placed on the clipboard; from "=http" on,
/// "/" becomes "~". The file is replaced through a temporary file (ReplaceFileContents), so a
/// failed write keeps the old file; something other than a regular file at the path (a folder,
/// a symbolic link, a named pipe) is not written (WriteFailed).
[[nodiscard]] SaveResult SaveTextFile(std::string_view text, std::string_view path,
                                      const FileSideEffects& effects = {});

/// SaveTextFile for a file that must lie inside `folder` (a Shift_JIS path) as the system
/// resolves it: the file's folders are created below `folder` without following any link
/// (ReplaceFileInside), so a link inside the folder never carries the write outside. Refused
/// when the path, as written, does not lie below `folder`.
[[nodiscard]] SaveResult SaveTextFileInside(std::string_view text, std::string_view path,
                                            std::string_view folder,
                                            const FileSideEffects& effects = {});

}  // namespace pellucor

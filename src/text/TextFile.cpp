#include "text/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "text/TextMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "text/CodePage932.h"
#include "text/FileReplace.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

constexpr std::size_t kLongestFolder = 200;
constexpr std::size_t kLongestPath = 250;

std::string ReplaceExact(std::string_view text, std::string_view pattern,
                         std::string_view replacement) {
  return ReplaceAll(text, pattern, replacement, CaseMode::Exact);
}

// "\r\r" to LF, CR LF to LF, CR to LF, LF to CR LF - four passes that each see the result of the
// one before, fused into one walk.
std::string LineEndsToCrLf(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    if (byte == '\r') {
      if (i + 1 < bytes.size() && bytes[i + 1] == '\r') {
        ++i;  // "\r\r" is one line end
      } else if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        ++i;  // CR LF
      }
      out.append("\r\n");
    } else if (byte == '\n') {
      out.append("\r\n");
    } else {
      out.push_back(byte);
    }
  }
  return out;
}

std::string ReadFailure(std::string_view path, int error) {
  return SjisFromUtf8Literal(text_messages::kCannotRead) + std::string(path) + " (" +
         std::strerror(error) + ")";
}

}  // namespace

bool PathExists(std::string_view path) {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  std::error_code error;
  return !path.empty() && name &&
         std::filesystem::exists(std::filesystem::symlink_status(*name, error));
}

bool FileExists(std::string_view path) {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  std::error_code error;
  return !path.empty() && name && std::filesystem::is_regular_file(*name, error);
}

bool FolderExists(std::string_view path) {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  std::error_code error;
  return !path.empty() && name && std::filesystem::is_directory(*name, error);
}

LoadedTextFile ReadTextFile(std::string_view path) {
  if (path.empty()) return {};
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return {};
  struct stat status {};
  if (::stat(name->c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
  const int descriptor = ::open(name->c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return {{}, FileReadStatus::Unreadable, ReadFailure(path, errno)};
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  const int error = ReadToEnd(descriptor, bytes);
  ::close(descriptor);
  if (error != 0) return {{}, FileReadStatus::Unreadable, ReadFailure(path, error)};
  return {LineEndsToCrLf(bytes), FileReadStatus::Read, {}};
}

int ReadToEnd(int descriptor, std::string& bytes) {
  char buffer[65536];
  for (;;) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count == 0) return 0;
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}

std::string LoadTextFile(std::string_view path) {
  return ReadTextFile(path).text;
}

std::string ForceSafeFolder(std::string_view folder, const FileSideEffects& effects) {
  if (TrimAllSpaces(folder).empty() || folder.size() > kLongestFolder) return {};
  if (effects.setClipboardText) effects.setClipboardText(folder);
  if (effects.processPendingEvents) effects.processPendingEvents();
  std::string safe = MakeSafeFilePath(folder);
  if (safe.empty()) return {};
  safe = ReplaceExact(safe, "?", "@");
  safe = ReplaceExact(safe, "|", "~");
  safe = ReplaceExact(safe, "*", ";");
  safe = ReplaceExact(safe, "+", "_");
  const std::optional<std::string> name = SjisToUtf8Exact(safe);
  if (!name) return {};
  std::error_code error;
  std::filesystem::create_directories(*name, error);
  if (!std::filesystem::is_directory(*name, error)) return {};
  return safe;
}

namespace {

// SaveTextFile's checks and mappings, then the write: inside `boundary` when one is given.
SaveResult SaveMapped(std::string_view text, std::string_view path,
                      const std::optional<std::string_view>& boundary,
                      const FileSideEffects& effects) {
  if (text.empty()) return {SaveOutcome::Refused, "the text is empty"};
  if (TrimAllSpaces(path).empty() || path.ends_with('/') || ClassifyPathChars(path) == -1)
    return {SaveOutcome::Refused, "the name cannot be used"};
  for (const std::string_view refused : {"http:", "https:", "+", "file:\\\\\\", "file:///"}) {
    if (ContainsText(path, refused, CaseMode::Exact))
      return {SaveOutcome::Refused, "the name cannot be used"};
  }
  std::string target = ReplaceExact(path, "?", "@");
  target = ReplaceExact(target, "|", "~");
  // No path has a drive letter here, so no colon needs to be kept.
  target = ReplaceExact(target, ":", ";");
  const std::size_t slash = target.rfind('/');
  const std::string_view folder =
      slash == std::string::npos ? std::string_view() : std::string_view(target).substr(0, slash);
  const std::string_view fileName = slash == std::string::npos
                                        ? std::string_view(target)
                                        : std::string_view(target).substr(slash + 1);
  if (target.size() > kLongestPath || fileName.empty())
    return {SaveOutcome::Refused, "the name cannot be used"};
  if (boundary) {
    // The folders are made by the write itself, below the boundary and through no link.
    if (TrimAllSpaces(folder).empty() || folder.size() > kLongestFolder)
      return {SaveOutcome::Refused, "the folder cannot be used"};
    if (effects.setClipboardText) effects.setClipboardText(folder);
    if (effects.processPendingEvents) effects.processPendingEvents();
  } else if (ForceSafeFolder(folder, effects).empty()) {
    return {SaveOutcome::Refused, "the folder cannot be created"};
  }
  if (effects.setClipboardText) effects.setClipboardText(target);
  if (const std::size_t at = FindText(target, "=http", CaseMode::Exact); at != std::string::npos)
    std::replace(target.begin() + static_cast<std::ptrdiff_t>(at), target.end(), '/', '~');
  const std::optional<std::string> name = SjisToUtf8Exact(target);
  if (!name) return {SaveOutcome::Refused, "the name cannot be used"};
  FileReplaceResult written;
  if (boundary) {
    const std::optional<std::string> inside = SjisToUtf8Exact(*boundary);
    if (!inside) return {SaveOutcome::Refused, "the save folder's name has no system form"};
    written = ReplaceFileInside(*inside, *name, text);
  } else {
    written = ReplaceFileContents(*name, text);
  }
  if (!written) return {SaveOutcome::WriteFailed, std::move(written.reason)};
  return {SaveOutcome::Written, {}};
}

}  // namespace

SaveResult SaveTextFile(std::string_view text, std::string_view path,
                        const FileSideEffects& effects) {
  return SaveMapped(text, path, std::nullopt, effects);
}

SaveResult SaveTextFileInside(std::string_view text, std::string_view path, std::string_view folder,
                              const FileSideEffects& effects) {
  return SaveMapped(text, path, folder, effects);
}

}  // namespace pellucor

#include "analysis/ViewFile.h"

#include <filesystem>
#include <optional>

#include "analysis/AnalysisMessages.h"
#include "text/CodePage932.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/PageFiles.h"

namespace pellucor {

ViewFile ReadViewFile(std::string_view path) {
  const auto failed = [&](ViewFileStatus status, std::string_view why) {
    return ViewFile{{}, status, std::string(path) + SjisFromUtf8Literal(why)};
  };
  if (!FileExists(path)) return failed(ViewFileStatus::Missing, " ： ファイルが見つかりません");
  if (const std::optional<std::string> name = SjisToUtf8Exact(path)) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(*name, error);
    if (!error && size > kLongestViewFile)
      return failed(ViewFileStatus::TooLarge, " ： 64 MiB を超えるファイルは表示しません");
  }
  LoadedTextFile loaded = ReadTextFile(path);
  if (loaded.status == FileReadStatus::Missing)
    return failed(ViewFileStatus::Missing, " ： ファイルが見つかりません");
  if (loaded.status == FileReadStatus::Unreadable)
    return {{}, ViewFileStatus::Unreadable, loaded.error};
  if (loaded.text.find('\0') != std::string::npos)
    return failed(ViewFileStatus::Binary, " ： テキスト・ファイルではありません");
  return {std::move(loaded.text), ViewFileStatus::Read, {}};
}

std::optional<std::string> LoadViewFile(std::string_view path, std::string& status,
                                        Dialogs& dialogs) {
  ViewFile file = ReadViewFile(path);
  if (file.status == ViewFileStatus::Read) return std::move(file.text);
  status = file.message;
  if (file.status == ViewFileStatus::TooLarge || file.status == ViewFileStatus::Binary)
    dialogs.ShowMessage(file.message, MessageKind::Warning);
  return std::nullopt;
}

FileDialogRequest DialogAtField(std::string_view filter, std::string_view field) {
  const std::string path(TrimControlChars(field));
  return {{},
          SjisFromUtf8Literal(filter),
          path.empty() ? std::string() : FolderOfPath(path),
          path.empty() ? std::string() : FileNameOfPath(path)};
}

bool SaveViewText(std::string_view text, const std::string& path, Dialogs& dialogs) {
  const SaveResult result = SaveTextFile(text, path);
  if (result.outcome == SaveOutcome::Written) return true;
  dialogs.ShowMessage(
      SjisFromUtf8Literal(analysis_messages::kFileNotSaved) + path + "  (" + result.reason + ")",
      MessageKind::Error);
  return false;
}

}  // namespace pellucor

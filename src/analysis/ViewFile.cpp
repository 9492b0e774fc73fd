#include "analysis/ViewFile.h"

#include <filesystem>
#include <optional>

#include "text/CodePage932.h"
#include "text/TextFile.h"

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

}  // namespace pellucor

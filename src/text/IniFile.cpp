#include "text/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "text/CodePage932.h"
#include "text/FileReplace.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  const std::size_t end = text.find_last_not_of(kBlanks);
  return text.substr(begin, end - begin + 1);
}

// The name of a section line ("[name]"), or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// The key of a value line ("key=value"), or nullopt.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || SectionName(line)) return std::nullopt;
  return Trim(line.substr(0, equals));
}

std::string ToFile(std::string_view sjis) {
  return SjisToUtf8(sjis);
}

std::string FromFile(std::string_view utf8) {
  return Utf8ToSjis(utf8).text;
}

std::string CutValue(std::string value) {
  if (value.size() <= IniFile::kLongestValue) return value;
  std::size_t end = 0;
  while (end < value.size()) {
    const std::size_t next = end + CharLengthAt(value, end);
    if (next > IniFile::kLongestValue) break;
    end = next;
  }
  value.resize(end);
  return value;
}

// Index range [first, last) of the lines of a section, first being its section line.
struct SectionLines {
  std::size_t first;
  std::size_t last;
};

std::optional<SectionLines> FindSection(const std::vector<std::string>& lines,
                                        std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::optional<std::string_view> name = SectionName(lines[i]);
    if (!name || !EqualIgnoringAsciiCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end]))
      ++end;
    return SectionLines{i, end};
  }
  return std::nullopt;
}

}  // namespace

IniFile IniFile::Load(std::string_view path) {
  IniFile file;
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return file;
  std::ifstream stream(*name, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  // A file written in the code page (as the program's settings once were) is read as such, so
  // that its Japanese values come through; it is written back as UTF-8.
  if (!IsWellFormedUtf8(bytes)) bytes = SjisToUtf8(bytes);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    file.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return file;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const std::optional<SectionLines> found = FindSection(lines_, ToFile(section));
  if (!found) return std::nullopt;
  const std::string fileKey = ToFile(key);
  for (std::size_t i = found->first + 1; i < found->last; ++i) {
    const std::optional<std::string_view> name = KeyName(lines_[i]);
    if (!name || !EqualIgnoringAsciiCase(*name, fileKey)) continue;
    std::string_view value = Trim(std::string_view(lines_[i]).substr(lines_[i].find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return CutValue(FromFile(value));
  }
  return std::nullopt;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string fileSection = ToFile(section);
  const std::string fileKey = ToFile(key);
  std::string line = fileKey + "=" + ToFile(value);
  std::optional<SectionLines> found = FindSection(lines_, fileSection);
  if (!found) {
    lines_.push_back("[" + fileSection + "]");
    lines_.push_back(std::move(line));
    return;
  }
  std::size_t insertAt = found->first + 1;
  for (std::size_t i = found->first + 1; i < found->last; ++i) {
    const std::optional<std::string_view> name = KeyName(lines_[i]);
    if (name && EqualIgnoringAsciiCase(*name, fileKey)) {
      lines_[i] = std::move(line);
      return;
    }
    if (!Trim(lines_[i]).empty()) insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniFile::EraseSection(std::string_view section) {
  const std::optional<SectionLines> found = FindSection(lines_, ToFile(section));
  if (!found) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found->first),
               lines_.begin() + static_cast<std::ptrdiff_t>(found->last));
}

bool IniFile::Save(std::string_view path) const {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name || name->empty()) return false;
  std::string contents;
  for (const std::string& line : lines_) {
    contents += line;
    contents += '\n';
  }
  // A settings file kept elsewhere and linked here (as dotfile managers do) is replaced where it
  // lives, and the link stays.
  std::error_code error;
  std::string target = *name;
  if (std::filesystem::is_symlink(target, error)) {
    const std::filesystem::path resolved = std::filesystem::canonical(target, error);
    if (error) return false;
    target = resolved.string();
  }
  return static_cast<bool>(ReplaceFileContents(target, contents, FlushToDisk::Yes));
}

std::string ReadIniString(std::string_view path, std::string_view section, std::string_view key,
                          std::string_view fallback) {
  return IniFile::Load(path).Value(section, key).value_or(std::string(fallback));
}

bool WriteIniString(std::string_view path, std::string_view section, std::string_view key,
                    std::string_view value) {
  IniFile file = IniFile::Load(path);
  file.SetValue(section, key, value);
  return file.Save(path);
}

bool EraseIniSection(std::string_view path, std::string_view section) {
  IniFile file = IniFile::Load(path);
  file.EraseSection(section);
  return file.Save(path);
}

bool WriteIniList(std::string_view path, std::string_view section, std::string_view prefix,
                  const std::vector<std::string>& list) {
  // One read and one write for the whole list; the file ends as after the key-by-key writes.
  IniFile file = IniFile::Load(path);
  file.EraseSection(section);
  for (std::size_t i = 0; i < list.size() && !list[i].empty(); ++i)
    file.SetValue(section, std::string(prefix) + std::to_string(i), list[i]);
  return file.Save(path);
}

std::string ReadIniListItem(std::string_view path, std::string_view section,
                            std::string_view prefix, int index) {
  return ReadIniString(path, section, std::string(prefix) + std::to_string(index));
}

}  // namespace pellucor

#include "check/SavedFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/TextFile.h"

namespace pellucor {

bool IsLoadableFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

SavedText ReadSavedText(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return {{}, errno == ENOENT ? "no such file" : std::strerror(errno)};
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return {{}, "not a regular file"};
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  const int error = ReadToEnd(descriptor, bytes);
  ::close(descriptor);
  if (error != 0) return {{}, std::strerror(error)};
  return {SavedTextAsUtf8(bytes), {}};
}

std::string SavedTextAsUtf8(std::string_view bytes) {
  const CharsetCode charset = DetectHtmlCharset(bytes);
  switch (charset) {
    case CharsetCode::Utf8:
      if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
      return std::string(bytes);
    case CharsetCode::EucJp:
    case CharsetCode::Iso2022Jp:
      return SjisToUtf8(ConvertHtmlToSjis(bytes, charset).text);
    default:
      return SjisToUtf8(bytes);
  }
}

}  // namespace pellucor

#include "web/Fetch.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "text/CodePage932.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

bool HasWebScheme(std::string_view url) {
  return url.find("http://") != std::string_view::npos ||
         url.find("https://") != std::string_view::npos;
}

// The path with its file name's extension replaced (or added when it has none).
std::string WithExtension(std::string_view path, std::string_view extension) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  const bool hasExtension =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  return std::string(path.substr(0, hasExtension ? dot : path.size())) + std::string(extension);
}

}  // namespace

std::string ReadUrlText(HttpClient& client, std::string_view url) {
  const HttpResponse response = client.Get(url);
  if (!response.ok()) return {};
  return UnifyLineEnds(response.body);
}

bool DownloadUrlToFile(HttpClient& client, std::string_view url, std::string_view path) {
  if (url.empty() || path.empty() || url == path || !HasWebScheme(url)) return false;
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return false;
  (void)client.GetToFile(url, *name);
  return true;
}

bool DownloadResourceFile(HttpClient& client, std::string_view url, std::string_view path,
                          ResourceKind kind) {
  if (!HasWebScheme(url)) return false;
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return false;
  const HttpResponse response = client.GetToFile(url, *name);
  if (!response.ok()) return false;
  // An error status is a failure even when its body is no page: storing it would put the
  // server's complaint where the resource belongs.
  if (response.status >= 400) {
    ::unlink(name->c_str());
    return false;
  }
  const LoadedTextFile stored = ReadTextFile(path);
  if (stored.status != FileReadStatus::Read) return false;
  if (stored.text.find("<html") != std::string::npos ||
      stored.text.find("<HTML") != std::string::npos) {
    ::unlink(name->c_str());
    return false;
  }
  if (kind == ResourceKind::Image) {
    std::string renamed;
    if (stored.text.find("GIF") != std::string::npos) {
      renamed = WithExtension(*name, ".gif");
    } else if (stored.text.find("JFIF") != std::string::npos) {
      renamed = WithExtension(*name, ".jpg");
    }
    if (!renamed.empty() && renamed != *name) std::rename(name->c_str(), renamed.c_str());
  }
  return true;
}

}  // namespace pellucor

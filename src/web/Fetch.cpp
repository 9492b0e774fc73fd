#include "web/Fetch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "text/CodePage932.h"
#include "text/FileReplace.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/UrlKinds.h"

namespace pellucor {
namespace {

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
  return ResponseText(client.Get(url));
}

bool DownloadUrlToFile(HttpClient& client, std::string_view url, std::string_view path) {
  if (url.empty() || path.empty() || url == path || !MentionsWebScheme(url)) return false;
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return false;
  (void)client.GetToFile(url, *name);
  return true;
}

namespace {

// Steps after the bytes of a resource are in its file: a page sent instead of the resource is
// deleted, and an image gets the extension its bytes show. `bytes` are those of the file.
bool KeepResourceBytes(const std::string& name, std::string_view bytes, FileExtension extension) {
  if (bytes.find("<html") != std::string_view::npos ||
      bytes.find("<HTML") != std::string_view::npos) {
    ::unlink(name.c_str());
    return false;
  }
  if (extension == FileExtension::FromImageBytes) {
    std::string renamed;
    if (bytes.find("GIF") != std::string_view::npos) {
      renamed = WithExtension(name, ".gif");
    } else if (bytes.find("JFIF") != std::string_view::npos) {
      renamed = WithExtension(name, ".jpg");
    }
    if (!renamed.empty() && renamed != name) std::rename(name.c_str(), renamed.c_str());
  }
  return true;
}

// The same for a file written by the client, read back from the disk.
bool KeepResourceFile(const std::string& name, std::string_view path, FileExtension extension) {
  const LoadedTextFile stored = ReadTextFile(path);
  if (stored.status != FileReadStatus::Read) return false;
  return KeepResourceBytes(name, stored.text, extension);
}

}  // namespace

bool DownloadResourceFile(HttpClient& client, std::string_view url, std::string_view path,
                          FileExtension extension) {
  if (!MentionsWebScheme(url)) return false;
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
  return KeepResourceFile(*name, path, extension);
}

std::string ResponseText(const HttpResponse& response) {
  if (!response.ok()) return {};
  return UnifyLineEnds(response.body);
}

bool StoreResponseBytes(const HttpResponse& response, std::string_view url, std::string_view path) {
  if (url.empty() || path.empty() || url == path || !MentionsWebScheme(url)) return false;
  if (!SjisToUtf8Exact(path)) return false;
  (void)WriteResponseBytes(response, path);
  return true;
}

namespace {

// The bytes to the file: below the folder and through no link when one is given.
FileReplaceResult WriteBytes(const std::string& name, std::string_view bytes,
                             std::string_view insideFolder) {
  if (insideFolder.empty()) return ReplaceFileContents(name, bytes);
  const std::optional<std::string> folder = SjisToUtf8Exact(insideFolder);
  if (!folder) return {false, "the save folder's name has no system form"};
  return ReplaceFileInside(*folder, name, bytes);
}

}  // namespace

FileReplaceResult WriteResponseBytes(const HttpResponse& response, std::string_view path,
                                     std::string_view insideFolder) {
  if (!response.ok())
    return {false, response.failureText.empty() ? "the transfer failed" : response.failureText};
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return {false, "the name has no system form"};
  return WriteBytes(*name, response.body, insideFolder);
}

bool StoreResourceResponse(const HttpResponse& response, std::string_view url,
                           std::string_view path, FileExtension extension) {
  return StoreResource(response, url, path, extension).stored;
}

StoredResource StoreResource(const HttpResponse& response, std::string_view url,
                             std::string_view path, FileExtension extension,
                             std::string_view insideFolder) {
  if (!MentionsWebScheme(url)) return {};
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name || !response.ok() || response.status >= 400) return {};
  FileReplaceResult written = WriteBytes(*name, response.body, insideFolder);
  if (!written) return {false, std::move(written.reason)};
  // The bytes just written are still here: reading the file back cost an open and a read per
  // resource, thousands of them on a page of many images.
  return {KeepResourceBytes(*name, response.body, extension), {}};
}

}  // namespace pellucor

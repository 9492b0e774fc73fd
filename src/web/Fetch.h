#pragma once

#include <string>
#include <string_view>

#include "httpclient/HttpClient.h"
#include "text/FileReplace.h"

// Fetching pages and resources for the engine. URLs and paths are Shift_JIS texts; failures come
// back as an empty text or false and show nothing.
namespace pellucor {

/// The body of the URL's response with every line end made CR LF; empty on any failure (no
/// connection, a time-out, a body past the size limit). The HTTP status is not judged: an error
/// page's body is returned like any page.
[[nodiscard]] std::string ReadUrlText(HttpClient& client, std::string_view url);

/// Downloads the URL to the file, replacing it. False without trying when the URL or the path is
/// empty, both are equal, the URL holds neither "http://" nor "https://", or the path has no
/// system name; otherwise true, whatever the download's outcome.
bool DownloadUrlToFile(HttpClient& client, std::string_view url, std::string_view path);

/// What a stored resource's file name becomes: kept as it is, or given the extension of the image
/// format its bytes show (the image stage keeps names, so that the page's references fit).
enum class FileExtension { KeepName = 0, FromImageBytes = 1 };

/// Downloads a style sheet, script or image to the file; true when a usable file was stored. A
/// failed transfer, an error status (400 and above) or a body holding "<html" or "<HTML" (a page
/// sent instead of the resource) leaves no file and gives false. An image whose bytes hold "GIF"
/// is renamed to the extension ".gif", else one holding "JFIF" to ".jpg" (a failed rename
/// leaves the file as it is).
[[nodiscard]] bool DownloadResourceFile(HttpClient& client, std::string_view url,
                                        std::string_view path, FileExtension extension);

/// The text ReadUrlText gives for a response already read.
[[nodiscard]] std::string ResponseText(const HttpResponse& response);

/// What DownloadUrlToFile does, for a response of `url` already read: the same refusals (false),
/// else its bytes written to the file (replacing it, only when the transfer succeeded) and true.
bool StoreResponseBytes(const HttpResponse& response, std::string_view url, std::string_view path);

/// The bytes of a response already read written to the file, replacing it, with the outcome of
/// the write: for a caller that reports a failed write. A failed transfer writes nothing and
/// fails with its own reason. With `insideFolder` (a Shift_JIS folder) the file is written as
/// ReplaceFileInside writes it: below that folder, through no link.
[[nodiscard]] FileReplaceResult WriteResponseBytes(const HttpResponse& response,
                                                   std::string_view path,
                                                   std::string_view insideFolder = {});

/// What DownloadResourceFile does, for a response of `url` already read.
[[nodiscard]] bool StoreResourceResponse(const HttpResponse& response, std::string_view url,
                                         std::string_view path, FileExtension extension);

struct StoredResource {
  bool stored = false;
  std::string writeFailure;  // set when the response was usable but its file not written
};

/// StoreResourceResponse, telling a failed write (a full disk, a folder at the name) apart from
/// a response that is no usable resource; with `insideFolder`, written as WriteResponseBytes
/// writes there.
[[nodiscard]] StoredResource StoreResource(const HttpResponse& response, std::string_view url,
                                           std::string_view path, FileExtension extension,
                                           std::string_view insideFolder = {});

}  // namespace pellucor

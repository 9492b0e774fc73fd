#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A small HTTP client over libcurl: GET into memory or into a file, HEAD with a say over every
// redirect. Limits turn every misbehaving server into an ordinary failure, never a hang.
namespace pellucor {

struct CurlLibrary;

struct HttpLimits {
  std::chrono::milliseconds connectTimeout{15'000};
  /// A transfer that receives no byte for this long is aborted.
  std::chrono::milliseconds stallTimeout{30'000};
  /// A transfer that receives fewer than `slowBytes` bytes in any `slowWindow` is aborted: a
  /// server that sends a byte now and then would hold it without end otherwise.
  std::chrono::milliseconds slowWindow{60'000};
  std::uint64_t slowBytes = 1024;
  /// A transfer that has not ended this long after it began is aborted, however steadily its
  /// bytes arrive: 20 bytes a second stay inside the stall and speed limits, and would hold a
  /// transfer for weeks at the size limit.
  std::chrono::milliseconds transferDeadline{600'000};
  std::uint64_t maxBodyInMemory = 64ull << 20;
  std::uint64_t maxFileSize = 512ull << 20;
  int maxRedirects = 10;
};

enum class ConnectionReuse { Reuse, NewConnectionEachTime };

/// What the idle callback tells a waiting transfer.
enum class TransferControl { Continue, Abort };

struct HttpClientOptions {
  HttpLimits limits;
  ConnectionReuse reuse = ConnectionReuse::Reuse;
  /// Certificates to trust instead of the system's (tests use a certificate made for the test).
  std::string caFile;
  std::string userAgent = "Pellucor";
  /// Called while a transfer waits for the network, about every 20 ms; the desktop lets its
  /// events run there. Returning Abort ends the transfer as a failure.
  std::function<TransferControl()> idle;
};

enum class HttpFailure {
  None,
  BadUrl,    // not a URL the client can fetch
  Connect,   // name lookup, connection or TLS failed
  TimedOut,  // connect time-out, no byte for the stall time-out, or too slow
  TooLarge,  // the body passed its size limit
  TooManyRedirects,
  FileWrite,  // the target file could not be written
  Aborted,    // the idle callback asked to stop
  Transfer,   // any other transfer error (reset connection, bad response, ...)
};

struct HttpResponse {
  HttpFailure failure = HttpFailure::None;
  std::string failureText;               // curl's description, for messages
  long status = 0;                       // the HTTP status of the final response; 0 when none came
  std::string statusLine;                // "HTTP/1.1 200 OK" of the final response
  std::vector<std::string> headerLines;  // the final response's header lines, without line ends
  std::string body;                      // GET into memory only
  std::optional<std::uint64_t> contentLength;
  std::string lastModified;  // the Last-Modified header's value, empty when absent
  std::string effectiveUrl;  // the URL of the final response, after redirects
  int redirects = 0;         // the redirects followed to reach it; each was a request of its own

  [[nodiscard]] bool ok() const { return failure == HttpFailure::None; }
};

/// How many transfers a batch keeps open at once: in all, and to one host.
struct BatchLimits {
  int maxTotal = 8;
  int maxPerHost = 6;
};

/// Decides whether a redirect is followed: given the absolute target and the response that
/// asked for it. Returning false ends the request with that response.
using RedirectCallback = std::function<bool(const std::string& location, const HttpResponse&)>;

/// One client per thread. Connections to a host are kept open and reused between requests.
/// URLs may hold Shift_JIS bytes and blanks; they are percent-escaped as they are sent.
class HttpClient {
 public:
  explicit HttpClient(HttpClientOptions options = {});
  virtual ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  /// GET with redirects followed; the body (of any status) in memory. Virtual so that a fuzz
  /// target can answer a run's sequential fetches from memory, without a network.
  [[nodiscard]] virtual HttpResponse Get(std::string_view url);

  /// GET with redirects followed; the body goes to `nativePath` (a UTF-8 system path). It is
  /// written beside under a temporary name and renamed at the end, so a failed transfer leaves
  /// no partial file and an older file of that name untouched. A response of any status is
  /// stored; callers judge `status`.
  [[nodiscard]] HttpResponse GetToFile(std::string_view url, const std::string& nativePath);

  /// HEAD; each redirect is offered to `onRedirect` before it is followed (all are followed
  /// when it is empty), at most the redirect limit.
  [[nodiscard]] HttpResponse Head(std::string_view url, const RedirectCallback& onRedirect,
                                  const std::vector<std::string>& requestHeaders = {});

  /// GETs of several URLs at once into memory, with redirects followed, as Get does each.
  /// `done` is called (on this thread) once per URL as its transfer ends, in the order they
  /// end. `whileWaiting` (when given) is called with the idle callback while the batch waits;
  /// when either asks to stop, the transfers under way are cancelled and every URL not
  /// finished is reported as Aborted.
  void GetEach(std::span<const std::string> urls, const BatchLimits& limits,
               const std::function<void(std::size_t index, HttpResponse&& response)>& done,
               const std::function<TransferControl()>& whileWaiting = {});

  [[nodiscard]] const HttpClientOptions& options() const { return options_; }

 private:
  struct Transfer;
  enum class Ending { Done, Stalled, TooSlow, TooLong, Aborted };
  HttpResponse Perform(std::string_view url, Transfer& transfer);
  void* Configure(void* easy, const std::string& escapedUrl, Transfer& transfer);
  void Finish(void* easy, Transfer& transfer, int curlResult, Ending ending);

  HttpClientOptions options_;
  const CurlLibrary* curl_;  // nullptr when libcurl could not be loaded
  void* easy_ = nullptr;     // CURL*
  void* multi_ = nullptr;    // CURLM*
};

/// The URL with bytes that may not stand in a request line (controls, blanks, bytes 0x80 and
/// above, with the second byte of a Shift_JIS character) percent-escaped; everything else, "%"
/// included, is kept.
[[nodiscard]] std::string EscapeUrlForRequest(std::string_view url);

}  // namespace pellucor

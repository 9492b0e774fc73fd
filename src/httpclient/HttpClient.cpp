#include "httpclient/HttpClient.h"

#include "httpclient/CurlLibrary.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

namespace pellucor {
namespace {

constexpr long kPollMilliseconds = 20;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i];
    char b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}

HttpFailure FailureOf(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return HttpFailure::None;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
      return HttpFailure::BadUrl;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
      return HttpFailure::Connect;
    case CURLE_OPERATION_TIMEDOUT:
      return HttpFailure::TimedOut;
    case CURLE_FILESIZE_EXCEEDED:
      return HttpFailure::TooLarge;
    case CURLE_TOO_MANY_REDIRECTS:
      return HttpFailure::TooManyRedirects;
    default:
      return HttpFailure::Transfer;
  }
}

// "scheme://host:port" of a URL, which decides which connections curl may share; a text
// without "://" is its own key.
std::string HostKey(std::string_view url) {
  const std::size_t scheme = url.find("://");
  if (scheme == std::string_view::npos) return std::string(url);
  return std::string(url.substr(0, url.find_first_of("/?#", scheme + 3)));
}

}  // namespace

std::string EscapeUrlForRequest(std::string_view url) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(url.size());
  const auto escape = [&escaped](unsigned char byte) {
    escaped.push_back('%');
    escaped.push_back(kHex[byte >> 4]);
    escaped.push_back(kHex[byte & 0x0F]);
  };
  for (std::size_t i = 0; i < url.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(url[i]);
    if (byte <= 0x20 || byte >= 0x7F || byte == '"' || byte == '<' || byte == '>') {
      escape(byte);
      // A Shift_JIS lead byte takes its second byte along: that may be a "\" or "|", which
      // must not stand bare in the URL.
      const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
      if (lead && i + 1 < url.size()) escape(static_cast<unsigned char>(url[++i]));
    } else {
      escaped.push_back(static_cast<char>(byte));
    }
  }
  return escaped;
}

// One request's state, reached from curl's callbacks.
struct HttpClient::Transfer {
  enum class Method { Get, Head };
  Method method = Method::Get;
  bool followRedirects = true;
  const std::vector<std::string>* requestHeaders = nullptr;
  std::string* memory = nullptr;  // the body goes here ...
  std::FILE* file = nullptr;      // ... or here
  std::uint64_t limit = 0;
  std::uint64_t received = 0;
  bool tooLarge = false;
  bool fileFailed = false;
  // When the last byte (of a header or the body) arrived; the stall time-out counts from here.
  std::chrono::steady_clock::time_point lastByte = std::chrono::steady_clock::now();
  // The bytes received since the current window of the speed check began.
  std::chrono::steady_clock::time_point windowStart = lastByte;
  // When the transfer began; the overall deadline counts from here.
  std::chrono::steady_clock::time_point started = lastByte;
  std::uint64_t windowBytes = 0;
  HttpResponse response;

  void Arrived(std::size_t bytes) {
    lastByte = std::chrono::steady_clock::now();
    windowBytes += bytes;
  }

  // Done while the transfer may go on; Stalled or TooSlow when a time limit ends it.
  Ending Check(const HttpLimits& limits) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastByte > limits.stallTimeout) return Ending::Stalled;
    if (now - started > limits.transferDeadline) return Ending::TooLong;
    if (now - windowStart >= limits.slowWindow) {
      if (windowBytes < limits.slowBytes) return Ending::TooSlow;
      windowStart = now;
      windowBytes = 0;
    }
    return Ending::Done;
  }

  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto& transfer = *static_cast<Transfer*>(self);
    const std::size_t bytes = size * count;
    transfer.Arrived(bytes);
    if (transfer.received + bytes > transfer.limit) {
      transfer.tooLarge = true;
      return 0;  // ends the transfer with a write error
    }
    if (transfer.memory != nullptr && transfer.received == 0 && transfer.response.contentLength &&
        *transfer.response.contentLength <= transfer.limit) {
      // The announced length is made room for at once: a body grown by doubling as it came
      // would be copied over and over, and hold half as much again for a while.
      transfer.memory->reserve(static_cast<std::size_t>(*transfer.response.contentLength));
    }
    transfer.received += bytes;
    if (transfer.memory != nullptr) transfer.memory->append(data, bytes);
    if (transfer.file != nullptr && std::fwrite(data, 1, bytes, transfer.file) != bytes) {
      transfer.fileFailed = true;
      return 0;
    }
    return bytes;
  }

  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
    auto& transfer = *static_cast<Transfer*>(self);
    auto& response = transfer.response;
    const std::size_t bytes = size * count;
    transfer.Arrived(bytes);
    const std::string_view line = TrimBlanks(std::string_view(data, bytes));
    if (line.starts_with("HTTP/")) {
      // A new response begins (after a redirect or an interim 100): only the last one counts.
      response.statusLine = std::string(line);
      response.headerLines.clear();
      response.contentLength.reset();
      response.lastModified.clear();
    } else if (!line.empty()) {
      response.headerLines.emplace_back(line);
      const std::size_t colon = line.find(':');
      const std::string_view value =
          colon == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(colon + 1));
      if (StartsWithIgnoringCase(line, "content-length:")) {
        response.contentLength = std::strtoull(std::string(value).c_str(), nullptr, 10);
      } else if (StartsWithIgnoringCase(line, "last-modified:")) {
        response.lastModified = std::string(value);
      }
    }
    return bytes;
  }
};

HttpClient::HttpClient(HttpClientOptions options)
    : options_(std::move(options)), curl_(LoadCurlLibrary()) {
  if (curl_ == nullptr) return;
  easy_ = curl_->easy_init();
  multi_ = curl_->multi_init();
}

HttpClient::~HttpClient() {
  if (curl_ == nullptr) return;
  if (easy_ != nullptr) curl_->easy_cleanup(static_cast<CURL*>(easy_));
  if (multi_ != nullptr) curl_->multi_cleanup(static_cast<CURLM*>(multi_));
}

// Sets up the easy handle for the transfer; returns the header list to free afterwards.
void* HttpClient::Configure(void* handle, const std::string& escapedUrl, Transfer& transfer) {
  CURL* easy = static_cast<CURL*>(handle);
  const HttpLimits& limits = options_.limits;
  curl_->easy_setopt(easy, CURLOPT_URL, escapedUrl.c_str());
  curl_->easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_->easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_->easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_->easy_setopt(easy, CURLOPT_USERAGENT, options_.userAgent.c_str());
  curl_->easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
  curl_->easy_setopt(easy, CURLOPT_FOLLOWLOCATION, transfer.followRedirects ? 1L : 0L);
  curl_->easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(limits.maxRedirects));
  curl_->easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.limit));
  if (options_.reuse == ConnectionReuse::NewConnectionEachTime) {
    curl_->easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_->easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
  }
  if (!options_.caFile.empty()) curl_->easy_setopt(easy, CURLOPT_CAINFO, options_.caFile.c_str());
  if (transfer.method == Transfer::Method::Head) curl_->easy_setopt(easy, CURLOPT_NOBODY, 1L);
  curl_slist* headers = nullptr;
  if (transfer.requestHeaders != nullptr) {
    for (const std::string& header : *transfer.requestHeaders)
      headers = curl_->slist_append(headers, header.c_str());
    curl_->easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  }
  curl_->easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
  curl_->easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  curl_->easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
  curl_->easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_->easy_setopt(easy, CURLOPT_PRIVATE, &transfer);
  transfer.lastByte = std::chrono::steady_clock::now();
  transfer.windowStart = transfer.lastByte;
  transfer.windowBytes = 0;
  return headers;
}

// Fills the response from the finished (or abandoned) handle and the reason it ended.
void HttpClient::Finish(void* handle, Transfer& transfer, int curlResult, Ending ending) {
  CURL* easy = static_cast<CURL*>(handle);
  const auto result = static_cast<CURLcode>(curlResult);
  HttpResponse& response = transfer.response;
  long status = 0;
  curl_->easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
  response.status = status;
  char* effective = nullptr;
  long redirects = 0;
  if (curl_->easy_getinfo(easy, CURLINFO_REDIRECT_COUNT, &redirects) == CURLE_OK)
    response.redirects = static_cast<int>(redirects);
  if (curl_->easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
    response.effectiveUrl = effective;
  if (!response.contentLength) {
    curl_off_t length = -1;
    if (curl_->easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
        length >= 0)
      response.contentLength = static_cast<std::uint64_t>(length);
  }
  if (ending == Ending::Stalled) {
    response.failure = HttpFailure::TimedOut;
    response.failureText = "no data arrived within the time limit";
  } else if (ending == Ending::TooSlow) {
    response.failure = HttpFailure::TimedOut;
    response.failureText = "the data arrived too slowly";
  } else if (ending == Ending::TooLong) {
    response.failure = HttpFailure::TimedOut;
    response.failureText = "the transfer took longer than its time limit";
  } else if (ending == Ending::Aborted) {
    response.failure = HttpFailure::Aborted;
    response.failureText = "stopped";
  } else if (transfer.tooLarge) {
    response.failure = HttpFailure::TooLarge;
    response.failureText = "the response passed its size limit";
  } else if (transfer.fileFailed) {
    response.failure = HttpFailure::FileWrite;
    response.failureText = "the file could not be written";
  } else {
    response.failure = FailureOf(result);
    if (result != CURLE_OK) response.failureText = curl_->easy_strerror(result);
  }
}

HttpResponse HttpClient::Perform(std::string_view url, Transfer& transfer) {
  CURL* easy = static_cast<CURL*>(easy_);
  CURLM* multi = static_cast<CURLM*>(multi_);
  if (easy == nullptr || multi == nullptr) {
    transfer.response.failure = HttpFailure::Transfer;
    transfer.response.failureText = "the network library could not start";
    return transfer.response;
  }
  // Resetting keeps the connections the multi handle holds, so the next request to the same
  // host goes over the same connection.
  curl_->easy_reset(easy);
  const std::string escaped = EscapeUrlForRequest(url);
  curl_slist* headers = static_cast<curl_slist*>(Configure(easy, escaped, transfer));

  // The multi interface lets the transfer wait in short polls, so the host's events can run
  // in between. The time limits are kept here rather than by curl's low-speed check, which
  // averages over a window of several seconds and so reacts late to a silent server.
  curl_->multi_add_handle(multi, easy);
  Ending ending = Ending::Done;
  CURLcode result = CURLE_OK;
  for (;;) {
    int running = 0;
    if (curl_->multi_perform(multi, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    if (running == 0) {
      int queued = 0;
      while (CURLMsg* message = curl_->multi_info_read(multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
          result = message->data.result;
      }
      break;
    }
    // The limits are judged right after what had arrived was read, as the batches do: judged
    // after the wait, the bytes that came while this thread was not running (on a busy machine)
    // were not counted yet, and a server that had sent them was taken for a silent one.
    if (const Ending limit = transfer.Check(options_.limits); limit != Ending::Done) {
      ending = limit;
      break;
    }
    curl_->multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
    if (options_.idle && options_.idle() == TransferControl::Abort) {
      ending = Ending::Aborted;
      break;
    }
  }
  curl_->multi_remove_handle(multi, easy);
  curl_->slist_free_all(headers);
  Finish(easy, transfer, result, ending);
  // Moved out rather than copied: the body may be the size of a whole page.
  return std::move(transfer.response);
}

void HttpClient::GetEach(std::span<const std::string> urls, const BatchLimits& limits,
                         const std::function<void(std::size_t, HttpResponse&&)>& done,
                         const std::function<TransferControl()>& whileWaiting) {
  CURLM* multi = static_cast<CURLM*>(multi_);
  if (multi == nullptr) {
    // Every URL still gets its answer, so that no caller waits for one or takes silence as
    // nothing to fetch.
    for (std::size_t index = 0; index < urls.size(); ++index) {
      HttpResponse response;
      response.failure = HttpFailure::Transfer;
      response.failureText = "the network library could not start";
      done(index, std::move(response));
    }
    return;
  }
  if (urls.empty()) return;
  curl_->multi_setopt(multi, CURLMOPT_MAX_TOTAL_CONNECTIONS, static_cast<long>(limits.maxTotal));
  curl_->multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, static_cast<long>(limits.maxPerHost));
  struct Job {
    std::size_t index;
    Transfer transfer;
    CURL* easy = nullptr;
    std::string escaped;
    std::string host;
  };
  // A job starts only when a connection is free for it: a handle waiting in curl's queue would
  // have its wait counted against the time limits, and on a slow link the jobs behind a few
  // large files failed as stalled. The order is kept: a job for a host whose connections are
  // all busy waits, and the jobs after it with it.
  const std::size_t maxTotal = static_cast<std::size_t>(std::max(1, limits.maxTotal));
  const int maxPerHost = std::max(1, limits.maxPerHost);
  std::map<std::string, int, std::less<>> perHost;
  std::vector<std::unique_ptr<Job>> running;
  std::size_t next = 0;
  bool aborted = false;
  const auto start = [&] {
    while (!aborted && next < urls.size() && running.size() < maxTotal) {
      std::string host = HostKey(urls[next]);
      if (perHost[host] >= maxPerHost) break;
      auto job = std::make_unique<Job>();
      job->index = next;
      job->transfer.memory = &job->transfer.response.body;
      job->transfer.limit = options_.limits.maxBodyInMemory;
      job->escaped = EscapeUrlForRequest(urls[next]);
      job->easy = curl_->easy_init();
      ++next;
      if (job->easy == nullptr) {
        job->transfer.response.failure = HttpFailure::Transfer;
        done(job->index, std::move(job->transfer.response));
        continue;
      }
      Configure(job->easy, job->escaped, job->transfer);
      curl_->multi_add_handle(multi, job->easy);
      ++perHost[host];
      job->host = std::move(host);
      running.push_back(std::move(job));
    }
  };
  const auto end = [&](std::size_t at, int result, Ending ending) {
    std::unique_ptr<Job> job = std::move(running[at]);
    running.erase(running.begin() + static_cast<std::ptrdiff_t>(at));
    --perHost[job->host];
    curl_->multi_remove_handle(multi, job->easy);
    Finish(job->easy, job->transfer, result, ending);
    curl_->easy_cleanup(job->easy);
    if (!job->transfer.response.ok()) job->transfer.response.body.clear();
    done(job->index, std::move(job->transfer.response));
  };
  start();
  while (!running.empty()) {
    int stillRunning = 0;
    curl_->multi_perform(multi, &stillRunning);
    int queued = 0;
    while (CURLMsg* message = curl_->multi_info_read(multi, &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      for (std::size_t at = 0; at < running.size(); ++at) {
        if (running[at]->easy == message->easy_handle) {
          end(at, message->data.result, Ending::Done);
          break;
        }
      }
    }
    for (std::size_t at = running.size(); at-- > 0;) {
      if (const Ending limit = running[at]->transfer.Check(options_.limits); limit != Ending::Done)
        end(at, CURLE_OK, limit);
    }
    start();
    if (running.empty()) break;
    curl_->multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
    const bool stop = (options_.idle && options_.idle() == TransferControl::Abort) ||
                      (whileWaiting && whileWaiting() == TransferControl::Abort);
    if (stop) {
      aborted = true;
      while (!running.empty())
        end(running.size() - 1, CURLE_OK, Ending::Aborted);
    }
  }
  // Transfers never started because of the stop are reported as stopped too.
  for (; next < urls.size(); ++next) {
    HttpResponse stopped;
    stopped.failure = HttpFailure::Aborted;
    stopped.failureText = "stopped";
    done(next, std::move(stopped));
  }
}

HttpResponse HttpClient::Get(std::string_view url) {
  Transfer transfer;
  transfer.memory = &transfer.response.body;
  transfer.limit = options_.limits.maxBodyInMemory;
  HttpResponse response = Perform(url, transfer);
  if (!response.ok()) response.body.clear();
  return response;
}

HttpResponse HttpClient::GetToFile(std::string_view url, const std::string& nativePath) {
  Transfer transfer;
  transfer.limit = options_.limits.maxFileSize;
  std::string temporary = nativePath + ".part-XXXXXX";
  const int descriptor = ::mkstemp(temporary.data());
  std::FILE* file = descriptor < 0 ? nullptr : ::fdopen(descriptor, "wb");
  if (file == nullptr) {
    if (descriptor >= 0) {
      ::close(descriptor);
      ::unlink(temporary.c_str());
    }
    transfer.response.failure = HttpFailure::FileWrite;
    transfer.response.failureText = "the file could not be created";
    return transfer.response;
  }
  transfer.file = file;
  HttpResponse response = Perform(url, transfer);
  const bool closed = std::fclose(file) == 0;
  if (response.ok() && !closed) {
    response.failure = HttpFailure::FileWrite;
    response.failureText = "the file could not be written";
  }
  // mkstemp makes the file private; a downloaded file is an ordinary file of its user.
  if (response.ok() && (::chmod(temporary.c_str(), 0644) != 0 ||
                        std::rename(temporary.c_str(), nativePath.c_str()) != 0)) {
    response.failure = HttpFailure::FileWrite;
    response.failureText = "the file could not be written";
  }
  if (!response.ok()) ::unlink(temporary.c_str());
  return response;
}

HttpResponse HttpClient::Head(std::string_view url, const RedirectCallback& onRedirect,
                              const std::vector<std::string>& requestHeaders) {
  std::string current(url);
  for (int hop = 0;; ++hop) {
    Transfer transfer;
    transfer.method = Transfer::Method::Head;
    transfer.followRedirects = false;
    transfer.requestHeaders = &requestHeaders;
    transfer.limit = options_.limits.maxBodyInMemory;
    HttpResponse response = Perform(current, transfer);
    if (!response.ok() || response.status < 300 || response.status >= 400) return response;
    char* location = nullptr;
    curl_->easy_getinfo(static_cast<CURL*>(easy_), CURLINFO_REDIRECT_URL, &location);
    if (location == nullptr) return response;
    std::string target = location;
    if (hop >= options_.limits.maxRedirects) {
      response.failure = HttpFailure::TooManyRedirects;
      response.failureText = "too many redirects";
      return response;
    }
    if (onRedirect && !onRedirect(target, response)) return response;
    current = std::move(target);
  }
}

}  // namespace pellucor

#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "httpclient/HttpClient.h"
#include "web/Fetch.h"

namespace pellucor {

/// Whether a run fetches the files it will need ahead, several at a time, or each when its row
/// is reached.
enum class FetchMode { Prefetch, Sequential };

struct FetchSettings {
  FetchMode mode = FetchMode::Prefetch;
  BatchLimits limits;  // 8 transfers at once in all, 6 to one host
  /// Responses kept in memory up to this many bytes in all; beyond, in temporary files.
  std::size_t memoryBudget = 32u << 20;
  /// Network requests of one run at most: a site that makes up new addresses without end must
  /// not hold the run (or fill the disk) for ever. Beyond, fetches fail without a request.
  std::size_t filesPerRun = 5000;
  /// Bytes of responses one run keeps at most (in memory and in temporary files): a site that
  /// sends without end must not fill the disk. Beyond, fetches fail without a request.
  std::uint64_t bytesPerRun = 512ull << 20;
  /// Where responses beyond the memory budget are kept, each run in a folder of its own made
  /// there; empty for the run's save folder (so a run that is killed leaves nothing in the
  /// system's temporary folder), or the system's temporary folder when no save folder is set.
  std::string spillParent;
};

/// The fetches of one download run. Every URL is requested at most once per run: the text of a
/// style sheet and its raw copy come from the same response, and files fetched ahead in
/// parallel are handed over when their rows are reached, in the run's own order. Cleared at the
/// start and the end of each run; temporary files are removed then.
class RunFetcher {
 public:
  RunFetcher(HttpClient& http, const FetchSettings& settings) : http_(http), settings_(settings) {}
  ~RunFetcher();
  RunFetcher(const RunFetcher&) = delete;
  RunFetcher& operator=(const RunFetcher&) = delete;

  /// As ReadUrlText.
  [[nodiscard]] std::string ReadUrlText(std::string_view url);
  /// As DownloadUrlToFile.
  bool DownloadUrlToFile(std::string_view url, std::string_view path);
  /// As DownloadResourceFile.
  [[nodiscard]] bool DownloadResourceFile(std::string_view url, std::string_view path,
                                          FileExtension extension);
  /// As StoreResource, on the run's response of the URL.
  [[nodiscard]] StoredResource StoreResource(std::string_view url, std::string_view path,
                                             FileExtension extension);
  /// Writes the bytes of the run's response of the URL to the file, replacing it. The reason
  /// when the file could not be written; empty when it was, and when the fetch itself failed
  /// (nothing to write: the run reports the failed fetch).
  [[nodiscard]] std::string SaveResponseBytes(std::string_view url, std::string_view path);

  /// Starts fetching the URLs not fetched yet, several at a time, and returns when they are all
  /// in (or the host asked to stop). Does nothing in sequential mode.
  void Prefetch(std::span<const std::string> urls);

  /// Why the run's fetch of the URL failed (no connection, a time-out, too large, too many
  /// redirects): empty when it succeeded, whatever its status, or was not fetched. Once the
  /// run's limit of files is reached, every URL not fetched yet has failed for that reason.
  [[nodiscard]] std::string FailureOf(std::string_view url) const;

  /// The media type of the run's response of the URL (fetched now when it was not), as its
  /// Content-Type header names it: in lower case, without parameters ("image/png"). Empty when
  /// the fetch failed or the header is missing.
  [[nodiscard]] std::string MediaTypeOf(std::string_view url);

  /// The HTTP status of the run's final response of the URL; 0 when it was not fetched or no
  /// response came.
  [[nodiscard]] long StatusOf(std::string_view url) const;

  /// Whether the run made a request for the URL (and keeps its response).
  [[nodiscard]] bool Fetched(std::string_view url) const { return store_.contains(url); }

  /// Forgets every response of the run.
  void Clear();

  /// The folder every file of the run lies in (Shift_JIS): the run's writes go below it through
  /// no link (ReplaceFileInside). Empty: written where the path says.
  void SetSaveFolder(std::string folder) { saveFolder_ = std::move(folder); }

  /// Called while fetches ahead wait: the host's events run there, and a stop cancels them.
  std::function<TransferControl()> whileWaiting;

  /// Network requests made since the last Clear, each redirect followed counted as one.
  [[nodiscard]] std::size_t requests() const { return requests_; }

  /// Which limit of the run refused a fetch since the last Clear.
  enum class Limit { None, Files, Bytes };
  [[nodiscard]] Limit LimitHit() const { return limit_; }

  /// Whether a fetch was refused since the last Clear because the run made `filesPerRun`
  /// requests or kept `bytesPerRun` bytes, and the first URL refused.
  [[nodiscard]] bool LimitReached() const { return !firstRefusedUrl_.empty(); }
  [[nodiscard]] const std::string& FirstRefusedUrl() const { return firstRefusedUrl_; }

 private:
  struct Stored {
    HttpResponse response;  // the body moved to `spillFile` when that is set
    std::string spillFile;
    std::size_t spilledSize = 0;
  };
  [[nodiscard]] bool Spill(Stored& stored);
  const HttpResponse& Fetch(std::string_view url);
  void Keep(const std::string& url, HttpResponse&& response);
  HttpResponse Loaded(const Stored& stored) const;

  HttpClient& http_;
  const FetchSettings& settings_;
  std::map<std::string, Stored, std::less<>> store_;
  std::size_t bytesInMemory_ = 0;
  std::string spillFolder_;
  std::size_t requests_ = 0;
  HttpResponse current_;    // the last response handed out from a spill file ...
  std::string currentUrl_;  // ... and its URL
  HttpResponse refused_;    // what a fetch past the limit gets
  std::string firstRefusedUrl_;
  std::string saveFolder_;
  std::uint64_t bytesKept_ = 0;
  Limit limit_ = Limit::None;
};

}  // namespace pellucor

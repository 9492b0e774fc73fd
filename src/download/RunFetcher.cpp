#include "download/RunFetcher.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace pellucor {

RunFetcher::~RunFetcher() {
  Clear();
}

void RunFetcher::Clear() {
  store_.clear();
  bytesInMemory_ = 0;
  requests_ = 0;
  firstRefusedUrl_.clear();
  if (!spillFolder_.empty()) {
    std::error_code error;
    std::filesystem::remove_all(spillFolder_, error);
    spillFolder_.clear();
  }
}

void RunFetcher::Keep(const std::string& url, HttpResponse&& response) {
  ++requests_;
  Stored stored{std::move(response), {}};
  const std::size_t size = stored.response.body.size();
  if (bytesInMemory_ + size > settings_.memoryBudget) {
    if (spillFolder_.empty()) {
      std::string pattern =
          (std::filesystem::temp_directory_path() / "pellucor-run-XXXXXX").string();
      if (::mkdtemp(pattern.data()) != nullptr) spillFolder_ = pattern;
    }
    if (!spillFolder_.empty()) {
      stored.spillFile = spillFolder_ + "/" + std::to_string(store_.size());
      std::ofstream(stored.spillFile, std::ios::binary) << stored.response.body;
      stored.response.body.clear();
      stored.response.body.shrink_to_fit();
    }
  }
  if (stored.spillFile.empty()) bytesInMemory_ += size;
  store_.insert_or_assign(url, std::move(stored));
}

HttpResponse RunFetcher::Loaded(const Stored& stored) const {
  HttpResponse response = stored.response;
  if (!stored.spillFile.empty()) {
    // Read in one piece: taken byte by byte, a page of tens of megabytes took most of a second.
    std::ifstream in(stored.spillFile, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    in.seekg(0);
    response.body.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    in.read(response.body.data(), static_cast<std::streamsize>(response.body.size()));
    response.body.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  }
  return response;
}

const HttpResponse& RunFetcher::Fetch(std::string_view url) {
  auto found = store_.find(url);
  if (found == store_.end()) {
    if (requests_ >= settings_.filesPerRun) {
      if (firstRefusedUrl_.empty()) firstRefusedUrl_ = std::string(url);
      refused_ = HttpResponse{};
      refused_.failure = HttpFailure::Aborted;
      refused_.failureText = "the run's limit of files was reached";
      return refused_;
    }
    Keep(std::string(url), http_.Get(url));
    found = store_.find(url);
  }
  if (found->second.spillFile.empty()) return found->second.response;
  current_ = Loaded(found->second);
  return current_;
}

std::string RunFetcher::FailureOf(std::string_view url) const {
  const auto found = store_.find(url);
  if (found != store_.end()) {
    const HttpResponse& response = found->second.response;
    if (response.ok()) return {};
    return response.failureText.empty() ? std::string("the transfer failed") : response.failureText;
  }
  // Past the limit every URL not fetched yet is refused.
  return LimitReached() ? refused_.failureText : std::string();
}

std::string RunFetcher::ReadUrlText(std::string_view url) {
  std::string text = ResponseText(Fetch(url));
  // A response loaded back from its temporary file is not held on to once it has been read
  // (swapped out: assigning an empty text would keep the room it had).
  std::string().swap(current_.body);
  return text;
}

bool RunFetcher::DownloadUrlToFile(std::string_view url, std::string_view path) {
  if (url.empty() || path.empty() || url == path) return false;
  if (url.find("http://") == std::string_view::npos &&
      url.find("https://") == std::string_view::npos)
    return false;
  return StoreResponseBytes(Fetch(url), url, path);
}

bool RunFetcher::DownloadResourceFile(std::string_view url, std::string_view path,
                                      ResourceKind kind) {
  if (url.find("http://") == std::string_view::npos &&
      url.find("https://") == std::string_view::npos)
    return false;
  return StoreResourceResponse(Fetch(url), url, path, kind);
}

void RunFetcher::Prefetch(std::span<const std::string> urls) {
  if (settings_.mode == FetchMode::Sequential) return;
  std::vector<std::string> missing;
  for (const std::string& url : urls) {
    if (store_.find(url) != store_.end()) continue;
    if (url.find("http://") != 0 && url.find("https://") != 0) continue;
    if (std::find(missing.begin(), missing.end(), url) == missing.end()) missing.push_back(url);
  }
  // Never ahead past the run's limit: the rows beyond it fail when they are reached.
  const std::size_t left =
      requests_ < settings_.filesPerRun ? settings_.filesPerRun - requests_ : std::size_t{0};
  if (missing.size() > left) missing.resize(left);
  http_.GetEach(
      missing, settings_.limits,
      [&](std::size_t index, HttpResponse&& response) {
        // A transfer cut short by a stop is not kept: the row that needs it fetches it again, or,
        // stopped, never comes.
        if (response.failure != HttpFailure::Aborted) Keep(missing[index], std::move(response));
      },
      whileWaiting);
}

}  // namespace pellucor

#include "download/RunFetcher.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "web/UrlKinds.h"

namespace pellucor {

RunFetcher::~RunFetcher() {
  Clear();
}

void RunFetcher::Clear() {
  store_.clear();
  current_ = HttpResponse{};
  currentUrl_.clear();
  bytesInMemory_ = 0;
  requests_ = 0;
  bytesKept_ = 0;
  limit_ = Limit::None;
  saveFolder_.clear();
  firstRefusedUrl_.clear();
  if (!spillFolder_.empty()) {
    std::error_code error;
    std::filesystem::remove_all(spillFolder_, error);
    spillFolder_.clear();
  }
}

// Moves the body to a file of the run's spill folder. False, with the body still in memory,
// when no folder can be made or the file not written whole (a full or missing temporary
// folder): a response must never come back shorter than it arrived.
bool RunFetcher::Spill(Stored& stored) {
  std::error_code error;
  if (spillFolder_.empty()) {
    std::filesystem::path parent = settings_.spillParent;
    if (parent.empty() && !saveFolder_.empty())
      parent = SjisToUtf8Exact(saveFolder_).value_or(std::string());
    if (parent.empty()) parent = std::filesystem::temp_directory_path(error);
    if (error || parent.empty()) return false;
    std::string pattern = (parent / ".pellucor-run-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return false;
    spillFolder_ = pattern;
  }
  const std::string file = spillFolder_ + "/" + std::to_string(store_.size());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(stored.response.body.data(), static_cast<std::streamsize>(stored.response.body.size()));
  out.close();
  if (!out) {
    std::filesystem::remove(file, error);
    return false;
  }
  stored.spillFile = file;
  stored.spilledSize = stored.response.body.size();
  stored.response.body.clear();
  stored.response.body.shrink_to_fit();
  return true;
}

void RunFetcher::Keep(const std::string& url, HttpResponse&& response) {
  requests_ += 1 + static_cast<std::size_t>(std::max(response.redirects, 0));
  bytesKept_ += response.body.size();
  Stored stored{std::move(response), {}, 0};
  const std::size_t size = stored.response.body.size();
  if (bytesInMemory_ + size <= settings_.memoryBudget || !Spill(stored)) bytesInMemory_ += size;
  store_.insert_or_assign(url, std::move(stored));
}

HttpResponse RunFetcher::Loaded(const Stored& stored) const {
  HttpResponse response = stored.response;
  if (stored.spillFile.empty()) return response;
  // Read in one piece: taken byte by byte, a page of tens of megabytes took most of a second.
  std::ifstream in(stored.spillFile, std::ios::binary | std::ios::ate);
  const std::streamoff size = in.tellg();
  in.seekg(0);
  response.body.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  in.read(response.body.data(), static_cast<std::streamsize>(response.body.size()));
  // A spill file removed or cut while the run went on: the body is lost, and the response
  // counts as failed rather than as a shorter file.
  if (!in || size < 0 || response.body.size() != stored.spilledSize) {
    response.body.clear();
    response.failure = HttpFailure::FileWrite;
    response.failureText = "the response kept in a temporary file could not be read back";
  }
  return response;
}

const HttpResponse& RunFetcher::Fetch(std::string_view url) {
  auto found = store_.find(url);
  if (found == store_.end()) {
    const bool files = requests_ >= settings_.filesPerRun;
    if (files || bytesKept_ >= settings_.bytesPerRun) {
      if (firstRefusedUrl_.empty()) {
        firstRefusedUrl_ = std::string(url);
        limit_ = files ? Limit::Files : Limit::Bytes;
      }
      refused_ = HttpResponse{};
      refused_.failure = HttpFailure::Aborted;
      refused_.failureText = limit_ == Limit::Files ? "the run's limit of files was reached"
                                                    : "the run's limit of bytes was reached";
      return refused_;
    }
    Keep(std::string(url), http_.Get(url));
    found = store_.find(url);
  }
  if (found->second.spillFile.empty()) return found->second.response;
  // A large response read again and again (the page itself) is loaded from its file once.
  if (currentUrl_ == url) return current_;
  current_ = Loaded(found->second);
  currentUrl_ = std::string(url);
  if (!current_.ok()) {
    // Remembered, so the run's panes name the file as not fetched.
    found->second.response.failure = current_.failure;
    found->second.response.failureText = current_.failureText;
  }
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

long RunFetcher::StatusOf(std::string_view url) const {
  const auto found = store_.find(url);
  return found == store_.end() ? 0 : found->second.response.status;
}

std::string RunFetcher::MediaTypeOf(std::string_view url) {
  const HttpResponse& response = Fetch(url);
  if (!response.ok()) return {};
  constexpr std::string_view kName = "content-type:";
  for (const std::string& line : response.headerLines) {
    if (line.size() < kName.size() || LowerAsciiBytes(line.substr(0, kName.size())) != kName)
      continue;
    std::string_view value = std::string_view(line).substr(kName.size());
    value = value.substr(0, value.find(';'));
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
      value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
      value.remove_suffix(1);
    return LowerAsciiBytes(value);
  }
  return {};
}

std::string RunFetcher::ReadUrlText(std::string_view url) {
  std::string text = ResponseText(Fetch(url));
  // A response loaded back from its temporary file is not held on to once it has been read
  // (swapped out: assigning an empty text would keep the room it had).
  std::string().swap(current_.body);
  currentUrl_.clear();
  return text;
}

bool RunFetcher::DownloadUrlToFile(std::string_view url, std::string_view path) {
  if (url.empty() || path.empty() || url == path || !MentionsWebScheme(url)) return false;
  (void)SaveResponseBytes(url, path);
  return true;
}

bool RunFetcher::DownloadResourceFile(std::string_view url, std::string_view path,
                                      FileExtension extension) {
  return StoreResource(url, path, extension).stored;
}

StoredResource RunFetcher::StoreResource(std::string_view url, std::string_view path,
                                         FileExtension extension) {
  if (!MentionsWebScheme(url)) return {};
  return pellucor::StoreResource(Fetch(url), url, path, extension, saveFolder_);
}

std::string RunFetcher::SaveResponseBytes(std::string_view url, std::string_view path) {
  const HttpResponse& response = Fetch(url);
  if (!response.ok()) return {};
  FileReplaceResult written = WriteResponseBytes(response, path, saveFolder_);
  return written ? std::string() : std::move(written.reason);
}

void RunFetcher::Prefetch(std::span<const std::string> urls) {
  if (settings_.mode == FetchMode::Sequential) return;
  std::vector<std::string> missing;
  for (const std::string& url : urls) {
    if (store_.find(url) != store_.end()) continue;
    if (!IsWebUrl(url)) continue;
    if (std::find(missing.begin(), missing.end(), url) == missing.end()) missing.push_back(url);
  }
  // Never ahead past the run's limit: the rows beyond it fail when they are reached.
  std::size_t left =
      requests_ < settings_.filesPerRun ? settings_.filesPerRun - requests_ : std::size_t{0};
  if (bytesKept_ >= settings_.bytesPerRun) left = 0;
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

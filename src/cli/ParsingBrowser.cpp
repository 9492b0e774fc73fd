#include "cli/ParsingBrowser.h"

#include "check/PageImages.h"
#include "check/SavedFiles.h"
#include "text/CodePage932.h"
#include "web/CombineUrl.h"
#include "web/UrlKinds.h"

namespace pellucor::cli {
namespace {

constexpr std::size_t kLongestParsedPage = std::size_t{4} << 20;

}  // namespace

void ParsingBrowser::Navigate(std::string_view urlOrPath) {
  location_ = std::string(urlOrPath);
  images_.clear();
  if (!IsWebUrl(urlOrPath)) return;
  // The run has the page already: a second request would fetch a page of megabytes again.
  std::optional<std::string> page = pageSource_ ? pageSource_(urlOrPath) : std::nullopt;
  if (!page) {
    HttpResponse response = http_.Get(urlOrPath);
    if (!response.ok()) return;
    page = std::move(response.body);
  }
  if (page->size() > kLongestParsedPage) return;
  const PageImages found = FindPageImages(SavedTextAsUtf8(*page));
  std::string base(urlOrPath);
  if (found.baseHref) base = CombineUrl(base, Utf8ToSjis(*found.baseHref).text);
  for (const std::string& image : found.images) {
    if (image.empty()) continue;
    std::string address = CombineUrl(base, Utf8ToSjis(image).text);
    if (IsWebUrl(address)) images_.push_back(std::move(address));
  }
}

}  // namespace pellucor::cli

#include "check/PageImages.h"

#include "check/PageReferences.h"

namespace pellucor {
namespace {

// U+E000, a private-use character: what a long run is shortened to, and the sign that a
// shortened run reached a value that matters.
constexpr std::string_view kStandIn = "\xEE\x80\x80";
// A run of more characters than this is shortened to this many stand-ins. Every tokenizer
// state treats any character outside ASCII alike ("anything else") and settles after the first
// one, and the tree builder only asks whether text is blank, which such characters never are:
// the parse of the shortened page builds the same elements with the same attributes, but for
// the values that held a shortened run. Runs of a few characters are left: shortening them
// would save little.
constexpr std::size_t kKeptCharacters = 4;
constexpr std::size_t kShortenedFrom = 16;

bool IsContinuationByte(unsigned char byte) {
  return byte >= 0x80 && byte <= 0xBF;
}

// The page with every run of bytes 0x80 and above that holds kShortenedFrom characters or
// more replaced by kKeptCharacters stand-ins; nullopt when there is none. A run at the very
// start is kept: a byte order mark there is dropped by the parser, and a stand-in would not be.
std::optional<std::string> ShortenLongRuns(std::string_view page) {
  bool shortenedAny = false;
  std::string shortened;
  shortened.reserve(page.size());
  std::size_t at = 0;
  while (at < page.size()) {
    std::size_t runStart = at;
    while (runStart < page.size() && static_cast<unsigned char>(page[runStart]) < 0x80)
      ++runStart;
    shortened.append(page.substr(at, runStart - at));
    if (runStart == page.size()) break;
    std::size_t runEnd = runStart;
    std::size_t characters = 0;
    while (runEnd < page.size() && static_cast<unsigned char>(page[runEnd]) >= 0x80) {
      if (!IsContinuationByte(static_cast<unsigned char>(page[runEnd]))) ++characters;
      ++runEnd;
    }
    if (runStart == 0 || characters < kShortenedFrom) {
      shortened.append(page.substr(runStart, runEnd - runStart));
    } else {
      for (std::size_t k = 0; k < kKeptCharacters; ++k)
        shortened.append(kStandIn);
      shortenedAny = true;
    }
    at = runEnd;
  }
  if (!shortenedAny) return std::nullopt;
  return shortened;
}

PageImages ImagesOf(const PageReferences& found) {
  PageImages images;
  images.baseHref = found.baseHref;
  for (const PageReference& reference : found.references)
    if (reference.kind == PageReferenceKind::Image) images.images.push_back(reference.text);
  return images;
}

bool HoldsStandIn(const PageImages& images) {
  if (images.baseHref && images.baseHref->find(kStandIn) != std::string::npos) return true;
  for (const std::string& image : images.images)
    if (image.find(kStandIn) != std::string::npos) return true;
  return false;
}

}  // namespace

PageImages FindPageImages(std::string_view utf8Page) {
  const std::optional<std::string> shortened = ShortenLongRuns(utf8Page);
  if (!shortened) return ImagesOf(FindPageReferences(utf8Page));
  PageImages images = ImagesOf(FindPageReferences(*shortened));
  // A stand-in in a value read from the page: the page itself holds one, or a shortened run
  // lay inside the value. Either way, only the page as it is gives the value.
  if (HoldsStandIn(images)) return ImagesOf(FindPageReferences(utf8Page));
  return images;
}

}  // namespace pellucor

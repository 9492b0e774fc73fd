// The images of a page from the parse with long runs of text shortened must be those of the
// parse of the whole page. Byte 0xFF stands for a long run of Japanese text (it never occurs in
// UTF-8), so that short inputs hold such runs in every place the parser may meet them.
#include <string>

#include "FuzzInput.h"
#include "check/PageImages.h"
#include "check/PageReferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = FuzzText(data, size);
  std::string page;
  for (const char byte : input) {
    if (static_cast<unsigned char>(byte) == 0xFF) {
      page += "東京の天気予報、本日は晴れのち曇り。ところにより";
    } else {
      page += byte;
    }
  }
  const pellucor::PageReferences whole = pellucor::FindPageReferences(page);
  std::vector<std::string> images;
  for (const pellucor::PageReference& reference : whole.references)
    if (reference.kind == pellucor::PageReferenceKind::Image) images.push_back(reference.text);
  const pellucor::PageImages found = pellucor::FindPageImages(page);
  FUZZ_CHECK(found.images == images);
  FUZZ_CHECK(found.baseHref == whole.baseHref);
  return 0;
}

// ConvertHtmlToSjis for every charset code: the first byte picks the code, the rest is the page.
#include "FuzzInput.h"
#include "text/HtmlCharset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto code = static_cast<pellucor::CharsetCode>(data[0] % 7);
  const pellucor::ConvertedText converted =
      pellucor::ConvertHtmlToSjis(FuzzText(data + 1, size - 1), code);
  FUZZ_CHECK(converted.ok());
  return 0;
}

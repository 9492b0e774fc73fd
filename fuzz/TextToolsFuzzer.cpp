// The web code converter's decodings and the colour list over any text.
#include "FuzzInput.h"
#include "analysis/CssColors.h"
#include "webcode/WebCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text = FuzzText(data + 1, size - 1);
  (void)pellucor::WebCodeDecode(text, data[0] % 8);
  (void)pellucor::ExtractCssColors(text, pellucor::ColorListOrder::AsFound);
  return 0;
}

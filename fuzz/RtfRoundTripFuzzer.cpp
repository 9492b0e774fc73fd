// HTML to coloured RTF and back through the reader gives the text again (up to a zero byte).
#include "FuzzInput.h"
#include "syntax/HtmlRtf.h"
#include "syntax/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(FuzzText(data, size));
  if (const std::size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  const pellucor::RtfText read = pellucor::ReadRtf(pellucor::HtmlToRtf(text));
  FUZZ_CHECK(read.ok());
  FUZZ_CHECK(read.text == text);
  return 0;
}

// FormatHTMLSource and MakeLocalLinks over any page text.
#include "FuzzInput.h"
#include "html/HtmlFormatter.h"
#include "html/LocalLinks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // No invariant on the text beyond sanity: the line-break rows may even take the last line's
  // CR LF back ("=" + CR LF becomes "="), so only crashes, leaks and undefined behaviour count.
  const std::string formatted = pellucor::FormatHTMLSource(FuzzText(data, size));
  (void)pellucor::MakeLocalLinks("", formatted);
  return 0;
}

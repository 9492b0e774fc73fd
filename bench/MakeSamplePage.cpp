// make_sample_page SIZE CHARSET: writes the generated sample page to standard output, in
// UTF-8 (charset "utf-8"), EUC-JP ("euc-jp") or Shift_JIS (anything else).
#include <cstdlib>
#include <iostream>
#include <string>

#include "SamplePage.h"
#include "text/CodePage932.h"
#include "text/JisCode.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_sample_page SIZE CHARSET\n";
    return 64;
  }
  const std::string charset = argv[2];
  const std::string page =
      pellucor::bench::SampleSjisPage(std::strtoul(argv[1], nullptr, 10), charset);
  if (charset == "utf-8") {
    std::cout << pellucor::SjisToUtf8(page);
  } else if (charset == "euc-jp") {
    std::cout << pellucor::SjisToEuc(page, pellucor::KanaWidening::Keep);
  } else {
    std::cout << page;
  }
  return 0;
}

// The INI reader over any file: values come back no longer than the limit.
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "FuzzInput.h"
#include "text/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = [] {
    std::string pattern = "/tmp/pellucor-ini-fuzz-XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor >= 0) ::close(descriptor);
    return pattern;
  }();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << FuzzText(data, size);
  const pellucor::IniFile file = pellucor::IniFile::Load(path);
  for (const char* section : {"DL", "NS", "Menu", "DLUrl"}) {
    for (const char* key : {"Url", "SaveFolder", "0", "Keyword"}) {
      const std::optional<std::string> value = file.Value(section, key);
      FUZZ_CHECK(!value || value->size() <= pellucor::IniFile::kLongestValue);
    }
  }
  return 0;
}

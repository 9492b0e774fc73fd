// The local file of any URL, in every decode mode, lies inside the save folder, and its names
// below it hold no control byte and start no hidden folder.
#include "FuzzInput.h"
#include "text/SafePath.h"
#include "web/LocalPath.h"
#include "web/PathBounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto mode = static_cast<pellucor::UrlDecodeMode>(data[0] % 6);
  const std::string url = "http://host/" + std::string(FuzzText(data + 1, size - 1));
  constexpr std::string_view kFolder = "/save/site/";
  for (const pellucor::LocalName name :
       {pellucor::LocalName::Plain, pellucor::LocalName::AsFetched}) {
    const std::string path = pellucor::UrlToLocalPath(url, kFolder, mode, name);
    FUZZ_CHECK(path.empty() || pellucor::IsInsideFolder(path, kFolder));
    if (name == pellucor::LocalName::Plain && path.starts_with(kFolder))
      FUZZ_CHECK(!pellucor::HasHiddenOrControlNames(path.substr(kFolder.size())));
    const std::string safe = pellucor::MakeSafeFilePath(path);
    FUZZ_CHECK(safe.empty() || pellucor::IsInsideFolder(safe, kFolder));
  }
  return 0;
}

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The image candidates of a srcset attribute (and of data-srcset and imagesrcset, which are
// written alike), as the HTML standard splits them: candidates separated by commas, each a URL
// and optional descriptors ("1x", "300w"); a URL may itself contain commas, but its trailing
// ones end the candidate.
namespace pellucor {

struct SrcsetCandidate {
  std::size_t offset = 0;  // where the URL begins in the attribute's value
  std::string_view url;    // into the value
  /// Whether its descriptors are valid; a browser drops a candidate with invalid ones and loads
  /// nothing for it.
  bool loaded = false;
};

/// Every candidate of the value, in order, loaded or not.
[[nodiscard]] std::vector<SrcsetCandidate> SrcsetCandidates(std::string_view srcset);

/// The URLs of the candidates a browser may load.
[[nodiscard]] std::vector<std::string> SrcsetUrls(std::string_view srcset);

/// Where a srcset, data-srcset or imagesrcset value stands in a page.
struct SrcsetValue {
  std::size_t name = 0;    // where "srcset" (any case) begins
  std::size_t offset = 0;  // where the value begins, after its opening quote
  std::size_t length = 0;  // up to its closing quote
};

/// The srcset values of the page in order: "srcset" in any case (so also the end of
/// "data-srcset" and "imagesrcset"), an equals sign with blanks around it or none, and the value
/// in double or single quotes. A value without its closing quote ends the list.
[[nodiscard]] std::vector<SrcsetValue> SrcsetValues(std::string_view page);

/// Every candidate URL of every srcset value of the page (as SrcsetValues finds them) that
/// `rewrite` gives a new text for is replaced by it; the rest of the page is left as it is.
void RewriteSrcsetUrlsIn(
    std::string& page, const std::function<std::optional<std::string>(std::string_view)>& rewrite);

}  // namespace pellucor

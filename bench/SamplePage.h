#pragma once

#include <cstddef>
#include <string>

namespace pellucor::bench {

/// A generated Japanese page of about `size` bytes in Shift_JIS: table rows with mixed-case
/// tags, links with queries, kanji, kana and half-width kana, runs of blank lines and tabs, and
/// a charset declaration of `charset` in its head.
[[nodiscard]] std::string SampleSjisPage(std::size_t size, const std::string& charset);

}  // namespace pellucor::bench

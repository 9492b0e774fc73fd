#pragma once

#include <atomic>
#include <cstddef>
#include <string>

#include "files/SearchCriteria.h"

// The content test of a file search: a phrase looked for as plain bytes, whatever the file's
// encoding.
namespace pellucor {

/// The size of the chunks a file is read in.
inline constexpr std::size_t kPhraseChunkSize = 61440;

/// True for the bytes that make up a word: ASCII letters and digits. Every other byte, those of
/// 0x80 and above included, separates words, so an ASCII word inside Japanese text stands alone.
[[nodiscard]] constexpr bool IsWordByte(unsigned char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z');
}

/// True when the regular file at `path` (a Shift_JIS path) contains `content.Phrase` as a byte
/// sequence, read in chunks of kPhraseChunkSize bytes (chunks one byte longer than a longer
/// phrase) so that a match may span two chunks. With IgnoreCase, ASCII letters of both sides are
/// lower-cased byte by byte; with WholeWord a match counts only between non-word bytes or the
/// file's ends. False for an empty phrase, a file shorter than the phrase, a path without a
/// UTF-8 form, a file that cannot be opened and anything but a regular file (a pipe or a device
/// is never read, so it cannot block or run forever). When `stop` becomes true the reading ends
/// between chunks with false.
[[nodiscard]] bool FileContainsPhrase(const std::string& path, const TContentCriteria& content,
                                      const std::atomic<bool>* stop = nullptr);

}  // namespace pellucor

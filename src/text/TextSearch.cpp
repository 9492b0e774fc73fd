#include "text/TextSearch.h"

#include <cstring>
#include <vector>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

std::size_t ToPosition(std::size_t offset) {
  return offset == kNotFound ? 0 : offset + 1;
}

}  // namespace

std::size_t PosFrom(std::string_view pattern, std::string_view text, std::size_t position) {
  if (position == 0) return ToPosition(FindText(text, pattern, CaseMode::Exact));
  if (position > text.size()) return 0;
  const bool lead = IsLeadByte(static_cast<unsigned char>(text[position - 1]));
  return ToPosition(FindText(text, pattern, position + (lead ? 1 : 0), CaseMode::Exact));
}

std::size_t BytePosFrom(std::string_view pattern, std::string_view text, std::size_t position) {
  if (pattern.empty()) return 0;
  if (position < 2) return ToPosition(FindText(text, pattern, CaseMode::Exact));
  if (position > text.size()) return 0;
  return ToPosition(text.find(pattern, position - 1));
}

std::string TextBetween(std::string_view text, std::string_view start, std::string_view end) {
  const std::size_t startOffset = FindText(text, start, CaseMode::Exact);
  if (startOffset == kNotFound) return {};
  const std::size_t afterStart = startOffset + start.size();
  const std::size_t endPosition = PosFrom(end, text, afterStart);
  if (endPosition == 0) return {};
  return std::string(text.substr(afterStart, endPosition - 1 - afterStart));
}

bool DeleteAllBetweenIn(std::string& buffer, std::string_view start, std::string_view end) {
  if (start.empty() || end.empty()) return false;
  // Most passes look for a marker the page does not hold: a byte search (memchr and memcmp)
  // settles that at once, where the walk below would move the page byte by byte.
  if (std::string_view(buffer).find(start) == std::string_view::npos) return false;
  // Deleting a span and searching again from the start of the text would be quadratic. The text
  // is kept as a gap buffer instead, in place: buffer[0, kept) is the settled front,
  // buffer[read, size) the rest. After a deletion only the last few characters of the front can
  // begin a new start marker, so those are moved back across the gap and scanned again. Where
  // characters begin in the front is remembered because a join can shift the character
  // boundaries of what follows; only the last start.size() - 1 places are ever looked at, so a
  // ring of twice that many (with room to spare) holds them without a table the page's size.
  const std::size_t ringSize = 2 * start.size() + 8;
  std::vector<unsigned char> charStart(ringSize, 0);
  const auto startsChar = [&](std::size_t position) -> unsigned char& {
    return charStart[position % ringSize];
  };
  std::size_t kept = 0;
  std::size_t read = 0;
  const std::size_t size = buffer.size();
  bool deleted = false;
  while (read < size) {
    if (buffer[read] != start[0]) {
      // What lies before the next byte that could begin a start marker is kept as it is, in one
      // move: the walk byte by byte was the bulk of the time on long pages. The jump lands on
      // the first character start from there, as the walk would, and where characters begin in
      // the last bytes kept is noted for the back-off after a deletion.
      const void* hit = std::memchr(buffer.data() + read + 1, start[0], size - read - 1);
      std::size_t next =
          hit == nullptr ? size
                         : static_cast<std::size_t>(static_cast<const char*>(hit) - buffer.data());
      if (next < size) next = CharStartFrom(buffer, read, next);
      if (next > size) next = size;
      const std::size_t tail = next - read > ringSize ? next - ringSize : read;
      for (std::size_t q = tail; q < next; ++q)
        startsChar(kept + (q - read)) = 0;
      for (std::size_t at = CharStartFrom(buffer, read, tail); at < next;
           at += CharLengthAt(buffer, at))
        startsChar(kept + (at - read)) = 1;
      if (kept != read) std::memmove(buffer.data() + kept, buffer.data() + read, next - read);
      kept += next - read;
      read = next;
      continue;
    }
    // The first byte is compared inline: most positions fail there, and a call per byte was
    // the bulk of the time on long pages.
    const bool startHere = buffer[read] == start[0] && size - read >= start.size() &&
                           std::memcmp(buffer.data() + read, start.data(), start.size()) == 0;
    if (startHere) {
      // The end marker is looked for from the last byte of the start marker on; only a one-byte
      // start marker at the very beginning of the text uses the character-aware search.
      std::size_t endOffset;
      if (kept == 0 && start.size() < 2) {
        endOffset = FindText(buffer, end, read, CaseMode::Exact);
      } else {
        endOffset = std::string_view(buffer).find(end, read + start.size() - 1);
      }
      if (endOffset != kNotFound) {
        deleted = true;
        read = endOffset + end.size();
        // Back off to the first character start from which a start marker could reach the gap.
        std::size_t back = kept > start.size() - 1 ? kept - (start.size() - 1) : 0;
        while (back < kept && !startsChar(back))
          ++back;
        const std::size_t moved = kept - back;
        std::memmove(buffer.data() + read - moved, buffer.data() + back, moved);
        read -= moved;
        kept = back;
        continue;
      }
      // No end marker anywhere after this start: nothing further can be deleted.
      break;
    }
    const std::size_t length = CharLengthAt(buffer, read);
    startsChar(kept) = 1;
    buffer[kept++] = buffer[read++];
    if (length == 2) {
      startsChar(kept) = 0;
      buffer[kept++] = buffer[read++];
    }
  }
  if (!deleted) return false;
  std::memmove(buffer.data() + kept, buffer.data() + read, size - read);
  buffer.resize(kept + (size - read));
  return true;
}

std::string DeleteAllBetween(std::string_view text, std::string_view start, std::string_view end) {
  std::string result(text);
  DeleteAllBetweenIn(result, start, end);
  return result;
}

std::string ReplaceAllText(std::string_view text, std::string_view pattern,
                           std::string_view replacement) {
  if (!ContainsText(text, pattern, CaseMode::Exact)) return std::string(text);
  return ReplaceAll(text, pattern, replacement, CaseMode::IgnoreAsciiCase);
}

std::string ReplaceAllAfter(std::string_view text, std::string_view pattern,
                            std::string_view replacement, std::size_t position) {
  std::string result(text);
  ReplaceAllAfterIn(result, pattern, replacement, position);
  return result;
}

bool ReplaceAllAfterIn(std::string& text, std::string_view pattern, std::string_view replacement,
                       std::size_t position) {
  if (position == 0 || position > text.size() || !ContainsText(text, pattern, CaseMode::Exact))
    return false;
  return ReplaceAllFrom(text, position - 1, pattern, replacement, CaseMode::IgnoreAsciiCase);
}

}  // namespace pellucor

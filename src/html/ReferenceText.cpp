#include "html/ReferenceText.h"

#include <array>
#include <cstdint>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

struct NamedReference {
  std::string_view name;
  char character;
};

constexpr std::array<NamedReference, 9> kNamed = {{
    {"amp", '&'},
    {"AMP", '&'},
    {"quot", '"'},
    {"QUOT", '"'},
    {"apos", '\''},
    {"lt", '<'},
    {"LT", '<'},
    {"gt", '>'},
    {"GT", '>'},
}};

// The character a reference at `text` (just after its "&") stands for, and its length up to
// and with its ";"; 0 when it is none of those decoded here.
std::pair<char, std::size_t> DecodeAt(std::string_view text) {
  const std::size_t end = text.find(';');
  if (end == std::string_view::npos || end == 0 || end > 8) return {0, 0};
  const std::string_view body = text.substr(0, end);
  if (body[0] == '#') {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return {0, 0};
    std::uint32_t value = 0;
    for (const char digit : digits) {
      const int number = HexDigitValue(static_cast<unsigned char>(digit));
      if (number < 0 || (!hex && number > 9)) return {0, 0};
      value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(number);
      if (value >= 128) return {0, 0};
    }
    if (value == 0) return {0, 0};
    return {static_cast<char>(value), end + 1};
  }
  for (const NamedReference& named : kNamed) {
    if (body == named.name) return {named.character, end + 1};
  }
  return {0, 0};
}

bool IsHostByte(char byte) {
  return IsAsciiLetter(static_cast<unsigned char>(byte)) || (byte >= '0' && byte <= '9') ||
         byte == '-' || byte == '.' || byte == ':' || byte == '_' || byte == '[' || byte == ']';
}

}  // namespace

std::string ReferenceFromAttribute(std::string_view written) {
  std::string decoded;
  decoded.reserve(written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '&') {
      const auto [character, length] = DecodeAt(written.substr(i + 1));
      if (length != 0) {
        decoded.push_back(character);
        i += length;
        continue;
      }
    }
    decoded.push_back(written[i]);
  }
  if (decoded.size() >= 2 && (decoded.front() == '"' || decoded.front() == '\'') &&
      decoded.back() == decoded.front())
    return decoded.substr(1, decoded.size() - 2);
  return decoded;
}

void ReplaceWholeReferenceIn(std::string& text, std::string_view reference,
                             std::string_view replacement) {
  static constexpr std::array<std::pair<char, char>, 3> kEnclosures = {
      {{'"', '"'}, {'\'', '\''}, {'(', ')'}}};
  for (const auto& [open, close] : kEnclosures) {
    std::string from(1, open);
    from += reference;
    from += close;
    std::string to(1, open);
    to += replacement;
    to += close;
    ReplaceAllIn(text, from, to, CaseMode::Exact);
  }
}

bool ExpandProtocolRelativeIn(std::string& text, std::string_view scheme) {
  const auto opens = [&](std::size_t slashes) {
    if (slashes == 0) return false;
    const char before = text[slashes - 1];
    if (before == '=' || before == '(') return true;
    return (before == '"' || before == '\'') && slashes >= 2 &&
           (text[slashes - 2] == '=' || text[slashes - 2] == '(');
  };
  const auto isHost = [&](std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsHostByte(text[end]))
      ++end;
    if (end == from) return false;
    const std::string_view host(text.data() + from, end - from);
    const bool ends = end == text.size() || text[end] == '/' || text[end] == '"' ||
                      text[end] == '\'' || text[end] == ')' || text[end] == ' ' ||
                      text[end] == '?' || text[end] == '#';
    return ends &&
           (host.find('.') != std::string_view::npos || host.find(':') != std::string_view::npos ||
            EqualIgnoringAsciiCase(host, "localhost"));
  };
  std::string result;
  std::size_t copied = 0;
  for (std::size_t at = text.find("//"); at != std::string::npos; at = text.find("//", at + 2)) {
    if (!opens(at) || !isHost(at + 2)) continue;
    if (result.empty()) result.reserve(text.size() + 64);
    result.append(text, copied, at - copied);
    result.append(scheme);
    result.push_back(':');
    copied = at;
  }
  if (copied == 0) return false;
  result.append(text, copied, std::string::npos);
  text = std::move(result);
  return true;
}

}  // namespace pellucor

#include "text/NumberText.h"

#include <cstdint>

namespace pellucor {
namespace {

std::string PadLeft(long long number, int width, char fill) {
  std::string digits = std::to_string(number);
  if (width > 0 && digits.size() < static_cast<std::size_t>(width))
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), fill);
  return digits;
}

}  // namespace

std::string ZeroPadNumber(long long number, int width) {
  return PadLeft(number, width, '0');
}

std::string SpacePadNumber(long long number, int width) {
  return PadLeft(number, width, ' ');
}

std::string PadBeforeTab(std::string_view text, int width) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos) return std::string(text);
  const long long headLength = static_cast<long long>(tab);
  const long long blanks = headLength > width ? 3 : width - headLength - 1;
  std::string out(text.substr(0, tab));
  if (blanks > 0) out.append(static_cast<std::size_t>(blanks), ' ');
  out.append("\t\t");
  out.append(text.substr(tab + 1));
  return out;
}

int HexStrToInt(std::string_view text) {
  std::uint32_t value = 0;
  for (const char character : text) {
    if (character >= '0' && character <= '9') {
      value = value * 16 + static_cast<std::uint32_t>(character - '0');
    } else if (character >= 'A' && character <= 'F') {
      value = value * 16 + static_cast<std::uint32_t>(character - 'A' + 10);
    } else if (character >= 'a' && character <= 'f') {
      value = value * 16 + static_cast<std::uint32_t>(character - 'a' + 10);
    } else {
      value = 0;
    }
  }
  return static_cast<int>(value);
}

}  // namespace pellucor

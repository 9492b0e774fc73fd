#include "check/CssReferences.h"

#include <optional>

#include "text/ShiftJis.h"

namespace pellucor {
namespace {

bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsNewline(char c) {
  return c == '\n' || c == '\r' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsNameStart(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsNameChar(char c) {
  return IsNameStart(c) || IsDigit(c) || c == '-';
}

bool IsNonPrintable(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x08 || byte == 0x0B || (byte >= 0x0E && byte <= 0x1F) || byte == 0x7F;
}

void AppendUtf8(char32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

// How a prelude skipped up to its end stopped.
enum class PreludeEnd { Semicolon, Block, End };

// One pass over the text, token by token, keeping only what decides about references: where
// the top level is, which functions are open, and whether @import is still honoured.
class CssScanner {
 public:
  CssScanner(std::string_view css, CssSource source)
      : css_(css), importsAllowed_(source == CssSource::StyleSheet) {}

  std::vector<CssReference> Scan() {
    while (pos_ < css_.size()) {
      const bool topLevel = braces_ == 0 && functions_.empty();
      if (!ScanToken(topLevel) && topLevel) importsAllowed_ = false;
    }
    return std::move(references_);
  }

 private:
  [[nodiscard]] char At(std::size_t at) const { return at < css_.size() ? css_[at] : '\0'; }
  [[nodiscard]] bool StartsWith(std::string_view text) const {
    return css_.substr(pos_).starts_with(text);
  }
  [[nodiscard]] bool ValidEscapeAt(std::size_t at) const {
    return at < css_.size() && css_[at] == '\\' && !IsNewline(At(at + 1));
  }
  [[nodiscard]] bool StartsIdentAt(std::size_t at) const {
    if (at >= css_.size()) return false;
    const char c = css_[at];
    if (c == '-') return IsNameStart(At(at + 1)) || At(at + 1) == '-' || ValidEscapeAt(at + 1);
    return IsNameStart(c) || ValidEscapeAt(at);
  }
  [[nodiscard]] bool StartsNumberAt(std::size_t at) const {
    char c = At(at);
    if (c == '+' || c == '-') c = At(++at);
    if (IsDigit(c)) return true;
    return c == '.' && IsDigit(At(at + 1));
  }

  // Scans one token; false when it was one that ends the run of @imports at the top level.
  bool ScanToken(bool topLevel) {
    const char c = css_[pos_];
    if (StartsWith("/*")) {
      SkipComment();
      return true;
    }
    if (IsWhitespace(c)) {
      ++pos_;
      return true;
    }
    if (StartsWith("<!--")) {
      pos_ += 4;
      return true;
    }
    if (c == '"' || c == '\'') {
      const std::optional<std::string> text = ConsumeString();
      if (text && !functions_.empty() && functions_.back() == Function::ImageSet)
        references_.push_back({*text, CssReferenceKind::Url});
      return false;
    }
    if (c == '@' && StartsIdentAt(pos_ + 1)) {
      ++pos_;
      return AtRule(LowerAsciiBytes(ConsumeName()), topLevel);
    }
    if (c == '#') {
      ++pos_;
      if (IsNameChar(At(pos_)) || ValidEscapeAt(pos_)) static_cast<void>(ConsumeName());
      return false;
    }
    if (StartsNumberAt(pos_)) {
      ConsumeNumber();
      return false;
    }
    if (StartsWith("-->")) {
      pos_ += 3;
      return true;
    }
    if (StartsIdentAt(pos_)) {
      const std::string name = LowerAsciiBytes(ConsumeName());
      if (At(pos_) == '(') {
        ++pos_;
        if (name == "url") {
          if (UrlAfterParenthesis(CssReferenceKind::Url)) functions_.push_back(Function::Other);
        } else {
          functions_.push_back(name == "image-set" || name == "-webkit-image-set"
                                   ? Function::ImageSet
                                   : Function::Other);
        }
      }
      return false;
    }
    ++pos_;
    switch (c) {
      case '(':
        functions_.push_back(Function::Other);
        break;
      case ')':
        if (!functions_.empty()) functions_.pop_back();
        break;
      case '{':
        ++braces_;
        break;
      case '}':
        if (braces_ == 0) return false;
        // A block closes whatever it left open.
        --braces_;
        functions_.clear();
        return true;
      default:
        break;
    }
    return false;
  }

  // The at-rule named `name` (lower case), its keyword read. @import is honoured only where a
  // browser honours it; an ignored one is skipped whole, so that its URL is not counted as a
  // plain url(). @namespace names a namespace with url(), which loads nothing.
  bool AtRule(const std::string& name, bool topLevel) {
    if (name == "import") {
      if (topLevel && importsAllowed_) {
        SkipWhitespaceAndComments();
        if (At(pos_) == '"' || At(pos_) == '\'') {
          if (const std::optional<std::string> text = ConsumeString())
            references_.push_back({*text, CssReferenceKind::Import});
        } else if (StartsIdentAt(pos_)) {
          const std::string function = LowerAsciiBytes(ConsumeName());
          if (function == "url" && At(pos_) == '(') {
            ++pos_;
            // The closing parenthesis of url("x") is left to the prelude.
            static_cast<void>(UrlAfterParenthesis(CssReferenceKind::Import));
          }
        }
      }
      return SkipPrelude() == PreludeEnd::Semicolon;
    }
    if (name == "charset" || name == "layer") return SkipPrelude() == PreludeEnd::Semicolon;
    if (name == "namespace") {
      static_cast<void>(SkipPrelude());
      return false;
    }
    return false;
  }

  // After "url(": an unquoted URL token, or a url() function around a string. True when it
  // was the function, whose closing parenthesis is still to come.
  [[nodiscard]] bool UrlAfterParenthesis(CssReferenceKind kind) {
    while (IsWhitespace(At(pos_)))
      ++pos_;
    if (At(pos_) == '"' || At(pos_) == '\'') {
      if (const std::optional<std::string> text = ConsumeString())
        references_.push_back({*text, kind});
      return true;
    }
    if (const std::optional<std::string> text = ConsumeUrl()) references_.push_back({*text, kind});
    return false;
  }

  void SkipComment() {
    const std::size_t end = css_.find("*/", pos_ + 2);
    pos_ = end == std::string_view::npos ? css_.size() : end + 2;
  }

  void SkipWhitespaceAndComments() {
    while (pos_ < css_.size()) {
      if (StartsWith("/*")) {
        SkipComment();
      } else if (IsWhitespace(css_[pos_])) {
        ++pos_;
      } else {
        break;
      }
    }
  }

  // The rest of an at-rule's prelude up to its ";" (consumed) or its block (left for the
  // caller), strings, comments, escapes and URLs read as tokens.
  PreludeEnd SkipPrelude() {
    int depth = 0;
    while (pos_ < css_.size()) {
      const char c = css_[pos_];
      if (StartsWith("/*")) {
        SkipComment();
      } else if (c == '"' || c == '\'') {
        static_cast<void>(ConsumeString());
      } else if (ValidEscapeAt(pos_)) {
        static_cast<void>(ConsumeName());
      } else if (StartsIdentAt(pos_)) {
        const std::string name = LowerAsciiBytes(ConsumeName());
        if (At(pos_) == '(') {
          ++pos_;
          if (name == "url") {
            while (IsWhitespace(At(pos_)))
              ++pos_;
            if (At(pos_) == '"' || At(pos_) == '\'') {
              ++depth;
            } else {
              static_cast<void>(ConsumeUrl());
            }
          } else {
            ++depth;
          }
        }
      } else if (c == '(') {
        ++depth;
        ++pos_;
      } else if (c == ')') {
        if (depth > 0) --depth;
        ++pos_;
      } else if (depth == 0 && c == ';') {
        ++pos_;
        return PreludeEnd::Semicolon;
      } else if (depth == 0 && (c == '{' || c == '}')) {
        return PreludeEnd::Block;
      } else {
        ++pos_;
      }
    }
    return PreludeEnd::End;
  }

  // An escape, the backslash at pos_: a hexadecimal code point with one blank after it, or
  // the character itself (all bytes of a UTF-8 character).
  void ConsumeEscape(std::string& out) {
    ++pos_;
    if (pos_ >= css_.size()) {
      AppendUtf8(0xFFFD, out);
      return;
    }
    if (HexDigitValue(static_cast<unsigned char>(css_[pos_])) >= 0) {
      char32_t value = 0;
      for (int digits = 0; digits < 6 && HexDigitValue(static_cast<unsigned char>(At(pos_))) >= 0;
           ++digits)
        value = value * 16 +
                static_cast<char32_t>(HexDigitValue(static_cast<unsigned char>(css_[pos_++])));
      if (StartsWith("\r\n")) {
        pos_ += 2;
      } else if (IsWhitespace(At(pos_))) {
        ++pos_;
      }
      if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) value = 0xFFFD;
      AppendUtf8(value, out);
      return;
    }
    out.push_back(css_[pos_++]);
    while (pos_ < css_.size() && (static_cast<unsigned char>(css_[pos_]) & 0xC0) == 0x80)
      out.push_back(css_[pos_++]);
  }

  std::string ConsumeName() {
    std::string name;
    while (pos_ < css_.size()) {
      if (IsNameChar(css_[pos_])) {
        name.push_back(css_[pos_++]);
      } else if (ValidEscapeAt(pos_)) {
        ConsumeEscape(name);
      } else {
        break;
      }
    }
    return name;
  }

  void ConsumeNumber() {
    if (At(pos_) == '+' || At(pos_) == '-') ++pos_;
    while (IsDigit(At(pos_)))
      ++pos_;
    if (At(pos_) == '.' && IsDigit(At(pos_ + 1))) {
      ++pos_;
      while (IsDigit(At(pos_)))
        ++pos_;
    }
    const char next = At(pos_ + 1);
    if ((At(pos_) == 'e' || At(pos_) == 'E') &&
        (IsDigit(next) || ((next == '+' || next == '-') && IsDigit(At(pos_ + 2))))) {
      pos_ += 2;
      while (IsDigit(At(pos_)))
        ++pos_;
    }
    // The unit of a dimension is a name, never the start of a function.
    if (StartsIdentAt(pos_)) {
      static_cast<void>(ConsumeName());
    } else if (At(pos_) == '%') {
      ++pos_;
    }
  }

  // A string, pos_ at its opening quote; nullopt for one broken by a line end.
  std::optional<std::string> ConsumeString() {
    const char quote = css_[pos_++];
    std::string text;
    while (pos_ < css_.size()) {
      const char c = css_[pos_];
      if (c == quote) {
        ++pos_;
        return text;
      }
      if (IsNewline(c)) return std::nullopt;
      if (c == '\\') {
        if (pos_ + 1 >= css_.size()) {
          ++pos_;
        } else if (StartsWith("\\\r\n")) {
          pos_ += 3;
        } else if (IsNewline(css_[pos_ + 1])) {
          pos_ += 2;
        } else {
          ConsumeEscape(text);
        }
        continue;
      }
      text.push_back(c);
      ++pos_;
    }
    return text;
  }

  // An unquoted URL, pos_ after "url(" and its blanks; nullopt for a bad URL, whose rest is
  // skipped up to its ")".
  std::optional<std::string> ConsumeUrl() {
    std::string text;
    while (pos_ < css_.size()) {
      const char c = css_[pos_];
      if (c == ')') {
        ++pos_;
        return text;
      }
      if (IsWhitespace(c)) {
        while (IsWhitespace(At(pos_)))
          ++pos_;
        if (pos_ >= css_.size() || css_[pos_] == ')') {
          if (pos_ < css_.size()) ++pos_;
          return text;
        }
        break;
      }
      if (c == '"' || c == '\'' || c == '(' || IsNonPrintable(c)) break;
      if (c == '\\') {
        if (!ValidEscapeAt(pos_)) break;
        ConsumeEscape(text);
        continue;
      }
      text.push_back(c);
      ++pos_;
    }
    if (pos_ >= css_.size()) return text;
    SkipBadUrlRemnants();
    return std::nullopt;
  }

  void SkipBadUrlRemnants() {
    while (pos_ < css_.size()) {
      if (css_[pos_] == ')') {
        ++pos_;
        return;
      }
      if (ValidEscapeAt(pos_)) {
        std::string ignored;
        ConsumeEscape(ignored);
      } else {
        ++pos_;
      }
    }
  }

  enum class Function { ImageSet, Other };

  std::string_view css_;
  std::size_t pos_ = 0;
  int braces_ = 0;
  std::vector<Function> functions_;
  bool importsAllowed_;
  std::vector<CssReference> references_;
};

}  // namespace

std::vector<CssReference> FindCssReferences(std::string_view css, CssSource source) {
  return CssScanner(css, source).Scan();
}

}  // namespace pellucor

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "syntax/RtfSyntax.h"

// HTML source as coloured RTF: a byte tokenizer for tag names, attributes, values, strings,
// symbols, text, entities, comments, server-script blocks, blanks and line breaks. Shift_JIS
// passes through untouched, since no lead or trail byte is one the tokenizer reacts to.
namespace pellucor {

/// Where the scanner stands. Line breaks do not change it, so comments, server-script blocks
/// and tags continue across lines.
enum class HtmlRange : std::uint8_t {
  RangeStart = 0,         // start of the text, or an entity found in text is the next token
  RangeServerScript = 1,  // inside "<%" ... "%>"
  RangeComment = 2,       // inside "<!--" ... "-->"
  RangeTagOpen = 3,       // after "<": the tag name comes next
  RangeInTag = 4,         // inside a tag after its name
  RangeText = 5,          // text between tags
  RangeValue = 7,         // after "=": an attribute value comes next
};

enum class HtmlTokenKind : std::uint8_t {
  TokenEntity = 0,
  TokenServerScript = 1,
  TokenComment = 2,
  TokenAttribute = 3,
  TokenTag = 4,  // a known tag name
  TokenEnd = 5,
  TokenBlank = 6,  // blanks, control characters, line breaks
  TokenString = 7,
  TokenSymbol = 8,  // "<", ">", "="
  TokenText = 9,
  TokenUnlistedTag = 10,
  TokenValue = 11,
};

/// The colour table index of a token kind (1 to 11; entity, end and value share black).
[[nodiscard]] int HtmlColorIndex(HtmlTokenKind kind);

/// The HTML colourer. One object converts one text: the scan state is not reset by SetLine.
class TpsvHTMLRTF : public TpsvRTFSyntax {
 public:
  /// The base frame and the default palette.
  TpsvHTMLRTF();

  /// A backslash before every "\", "{" and "}" - trail bytes of double-byte characters
  /// included, since an RTF reader takes the token's bytes one by one.
  void EscapeToken(std::string& token) const override;
  /// The token in the colour of `colorIndex`, except: a token whose first non-blank bytes are
  /// "//" takes the comment colour 2, and an attribute value (10) that begins with a double
  /// quote takes the string colour 6.
  void FormatToken(int colorIndex, std::string_view token, std::string& out) const override;
  void NextToken() override;
  [[nodiscard]] bool AtEnd() const override;
  /// May be empty: an "&" inside a tag, and text before an entity, give empty tokens.
  [[nodiscard]] std::string_view CurrentToken() const override;
  [[nodiscard]] int CurrentColorIndex() const override;
  /// Starts scanning the text from its first byte; a zero byte ends it. The text must outlive
  /// the output.
  void SetLine(const std::string& text, int lineNumber) override;
  using TpsvRTFSyntax::SetLine;  // keeps a temporary text refused
  /// Attribute names, blanks and text black; known tags and symbols blue; unknown tags red.
  void ApplyAlternatePalette() override;

  [[nodiscard]] HtmlTokenKind TokenKind() const { return tokenKind_; }
  [[nodiscard]] HtmlRange Range() const { return range_; }

 private:
  void ScanServerScript();
  void ScanComment();
  void ScanText();
  void ScanBlock(HtmlTokenKind kind, std::string_view beforeClose);
  void ScanHandler();  // the character handler of the byte at run_
  void ScanBlank();
  void ScanLineEnd();
  void ScanString();
  void ScanEntity();
  void ScanOpen();
  void ScanWord();
  [[nodiscard]] HtmlTokenKind LookupKeyword();

  std::int32_t entityIndex_ = -1;
  HtmlRange range_ = HtmlRange::RangeStart;
  const char* line_ = "";
  std::size_t run_ = 0;
  const char* identStart_ = nullptr;
  std::size_t identLength_ = 0;
  std::size_t tokenPos_ = 0;
  HtmlTokenKind tokenKind_ = HtmlTokenKind::TokenEntity;
};

/// The text as a coloured RTF document, by a fresh TpsvHTMLRTF.
[[nodiscard]] std::string HtmlToRtf(const std::string& text);

}  // namespace pellucor

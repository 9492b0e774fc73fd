#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The RTF document frame and output loop shared by the syntax colourers. The class knows no
// source language: a subclass splits the text into tokens and chooses each token's colour.
namespace pellucor {

/// A colour in the platform's order: red in the low byte, green in the next, blue in the third.
/// A negative value names a system colour (its low byte is the system colour's number).
using Color = std::int32_t;

[[nodiscard]] constexpr Color RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red | (green << 8) | (blue << 16));
}

/// Resolves a system colour's number to its current RGB value.
using SystemColorResolver = Color (*)(std::uint8_t systemColor);

/// The system colours every colourer starts with: the host's (the desktop program sets its
/// palette's at start-up, before any colouring). Without one, a system colour is written black.
void SetHostSystemColors(SystemColorResolver resolver);
[[nodiscard]] SystemColorResolver HostSystemColors();

/// A font of the font table, with the metrics it has as realised on the screen. The defaults
/// are what a Linux host reports for every font: the Shift_JIS character set (128) and the
/// modern family (0x30 in the high four bits of the pitch-and-family byte), so that the views
/// read the raw Shift_JIS bytes of the tokens as Japanese.
struct RtfFont {
  std::string faceName;
  std::uint8_t charSet = 128;
  std::uint8_t pitchAndFamily = 0x30;
};

/// Writes a text as an RTF document in which every token has the colour of its class. Use:
/// construct, SetText, then GetRtf (or WriteRtf); one object converts one text.
///
/// The tokenizer contract with a subclass: SetLine hands over the text and leaves the first
/// token ready; CurrentToken and CurrentColorIndex describe the ready token; NextToken makes the
/// next one ready; AtEnd is true once the end of the text is reached. Tokens are copied into the
/// RTF byte for byte, Shift_JIS lead and trail bytes included.
class TpsvRTFSyntax {
 public:
  /// Code page 1252, one font ("Courier New", realised as RtfFont's defaults), no colour table.
  TpsvRTFSyntax();
  virtual ~TpsvRTFSyntax() = default;
  TpsvRTFSyntax(const TpsvRTFSyntax&) = delete;
  TpsvRTFSyntax& operator=(const TpsvRTFSyntax&) = delete;

  /// Makes the token safe for the RTF stream, in place. The base leaves it as it is.
  virtual void EscapeToken(std::string& token) const;
  /// Appends the token in its colour to `out`: "\cf" + the index in decimal + " " + the token.
  virtual void FormatToken(int colorIndex, std::string_view token, std::string& out) const;
  /// Makes the next token ready. The base has no tokens.
  virtual void NextToken();
  /// True once the end of the text has been reached; always true for the base.
  [[nodiscard]] virtual bool AtEnd() const;
  /// The bytes of the ready token, valid until NextToken; empty for the base.
  [[nodiscard]] virtual std::string_view CurrentToken() const;
  /// The colour table index of the ready token; 0 (the fixed black entry) for the base.
  [[nodiscard]] virtual int CurrentColorIndex() const;
  /// One colour table entry, "\redR\greenG\blueB;", a system colour resolved first.
  [[nodiscard]] virtual std::string ColorEntry(Color color) const;
  /// Hands over the text; it must stay alive and unchanged until the output is written, since a
  /// subclass keeps a pointer into it. The text ends at its first zero byte. The base keeps
  /// nothing.
  virtual void SetLine(const std::string& text, int lineNumber);
  void SetLine(std::string&& text, int lineNumber) = delete;
  /// SetLine with line number 1.
  virtual void SetText(const std::string& text);
  void SetText(std::string&& text) = delete;
  /// Rebuilds the font table: one entry per font, numbered from 0 in array order. A character
  /// set other than 0, 1, 2, 128 and 255 gets an empty word (the entry keeps its backslash).
  virtual void SetFonts(std::span<const RtfFont> fonts);
  /// Rebuilds the colour table: the fixed black entry 0, then the colours as entries 1, 2, ...
  virtual void SetColors(std::span<const Color> colors);
  /// Appends the whole document to `stream`: header, font table, colour table, document
  /// defaults, then every token, with "\par" before each CR LF or lone CR token, then "\par }".
  virtual void WriteRtf(std::string& stream);
  /// The whole document as WriteRtf writes it.
  [[nodiscard]] virtual std::string GetRtf();
  /// Switches to the colourer's second palette; the base has none.
  virtual void ApplyAlternatePalette();

  /// Used by ColorEntry for negative colours, in place of the host's. Without one, a system
  /// colour is written black.
  void SetSystemColorResolver(SystemColorResolver resolver) { systemColors_ = resolver; }

  [[nodiscard]] const std::string& Header() const { return header_; }
  [[nodiscard]] const std::string& FontTableEnd() const { return fontTableEnd_; }
  [[nodiscard]] const std::string& DocumentStart() const { return documentStart_; }
  [[nodiscard]] const std::string& ColorTable() const { return colorTable_; }
  [[nodiscard]] const std::string& FontTable() const { return fontTable_; }
  [[nodiscard]] std::int32_t CodePage() const { return codePage_; }

 private:
  std::string header_;
  std::string fontTableEnd_;
  std::string documentStart_;
  std::string colorTable_;
  std::string fontTable_;
  std::int32_t codePage_ = 1252;
  SystemColorResolver systemColors_ = HostSystemColors();
  std::string token_;  // the output loop's token buffer, kept to reuse its storage
};

}  // namespace pellucor

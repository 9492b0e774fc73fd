#include "syntax/RtfSyntax.h"

#include <atomic>
#include <charconv>

namespace pellucor {
namespace {

std::atomic<SystemColorResolver> hostSystemColors{nullptr};

void AppendNumber(std::string& out, long long number) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
  out.append(digits, end);
}

// The RTF word for a font's character set; sets that RTF readers of the views do not know get
// no word.
std::string_view CharSetWord(std::uint8_t charSet) {
  switch (charSet) {
    case 0:
      return "fcharset0";
    case 1:
      return "fcharset1";
    case 2:
      return "fcharset2";
    case 128:
      return "fcharset128";
    case 255:
      return "fcharset255";
    default:
      return "";
  }
}

// The RTF family word from the high four bits of the pitch-and-family byte; the families past
// "decorative" have no word of their own and read as roman.
std::string_view FamilyWord(std::uint8_t pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case 0x00:
      return "fdontcare";
    case 0x10:
      return "froman";
    case 0x20:
      return "fswiss";
    case 0x30:
      return "fmodern";
    case 0x40:
      return "fscript";
    case 0x50:
      return "fdecorative";
    default:
      return "froman";
  }
}

}  // namespace

void SetHostSystemColors(SystemColorResolver resolver) {
  hostSystemColors.store(resolver);
}

SystemColorResolver HostSystemColors() {
  return hostSystemColors.load();
}

TpsvRTFSyntax::TpsvRTFSyntax() {
  codePage_ = 1252;
  const RtfFont font{"Courier New"};
  SetFonts(std::span<const RtfFont>(&font, 1));
  header_ = "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage_) + "\\deff0\\deftab720{\\fonttbl";
  fontTableEnd_ = "}\r\n";
  documentStart_ = "\\deflang1033\\pard\\plain\\f0\\fs20";
  colorTable_.clear();
}

void TpsvRTFSyntax::EscapeToken(std::string&) const {}

void TpsvRTFSyntax::FormatToken(int colorIndex, std::string_view token, std::string& out) const {
  out += "\\cf";
  AppendNumber(out, colorIndex);
  out += ' ';
  out += token;
}

void TpsvRTFSyntax::NextToken() {}

bool TpsvRTFSyntax::AtEnd() const {
  return true;
}

std::string_view TpsvRTFSyntax::CurrentToken() const {
  return {};
}

int TpsvRTFSyntax::CurrentColorIndex() const {
  return 0;
}

std::string TpsvRTFSyntax::ColorEntry(Color color) const {
  if (color < 0) {
    const auto systemColor = static_cast<std::uint8_t>(color & 0xFF);
    color = systemColors_ ? systemColors_(systemColor) : 0;
  }
  std::string entry = "\\red";
  AppendNumber(entry, color & 0xFF);
  entry += "\\green";
  AppendNumber(entry, (color >> 8) & 0xFF);
  entry += "\\blue";
  AppendNumber(entry, (color >> 16) & 0xFF);
  entry += ';';
  return entry;
}

void TpsvRTFSyntax::SetLine(const std::string&, int) {}

void TpsvRTFSyntax::SetText(const std::string& text) {
  SetLine(text, 1);
}

void TpsvRTFSyntax::SetFonts(std::span<const RtfFont> fonts) {
  fontTable_.clear();
  int index = 0;
  for (const RtfFont& font : fonts) {
    fontTable_ += "{\\f";
    AppendNumber(fontTable_, index++);
    fontTable_ += '\\';
    fontTable_ += FamilyWord(font.pitchAndFamily);
    fontTable_ += '\\';
    fontTable_ += CharSetWord(font.charSet);
    fontTable_ += ' ';
    fontTable_ += font.faceName;
    fontTable_ += ";}";
  }
}

void TpsvRTFSyntax::SetColors(std::span<const Color> colors) {
  colorTable_ = "{\\colortbl\\red0\\green0\\blue0;";
  for (const Color color : colors)
    colorTable_ += ColorEntry(color);
  colorTable_ += "}\r\n";
}

void TpsvRTFSyntax::WriteRtf(std::string& stream) {
  stream += header_;
  stream += fontTable_;
  stream += fontTableEnd_;
  stream += colorTable_;
  stream += documentStart_;
  stream += "\\f0 ";
  while (!AtEnd()) {
    token_.assign(CurrentToken());
    const int index = CurrentColorIndex();
    EscapeToken(token_);
    // A paragraph mark for CR LF and CR only; the break's own bytes follow in the token, where
    // RTF readers skip them. A lone LF therefore starts no paragraph.
    if (token_ == "\r\n" || token_ == "\r") stream += "\\par";
    FormatToken(index, token_, stream);
    NextToken();
  }
  stream += "\\par }";
}

std::string TpsvRTFSyntax::GetRtf() {
  std::string stream;
  WriteRtf(stream);
  return stream;
}

void TpsvRTFSyntax::ApplyAlternatePalette() {}

}  // namespace pellucor

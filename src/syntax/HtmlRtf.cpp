#include "syntax/HtmlRtf.h"

#include <array>

#include "syntax/HtmlTables.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

// The scan that a token starting with a given byte gets.
enum class CharHandler : std::uint8_t {
  End,
  LineFeed,
  CarriageReturn,
  Blank,
  String,
  Entity,
  Open,
  Equals,
  Close,
  Word,
};

constexpr std::array<CharHandler, 256> MakeCharHandlers() {
  std::array<CharHandler, 256> handlers{};
  for (std::size_t byte = 0; byte < handlers.size(); ++byte)
    handlers[byte] = byte >= 1 && byte <= 32 ? CharHandler::Blank : CharHandler::Word;
  handlers[0] = CharHandler::End;
  handlers['\n'] = CharHandler::LineFeed;
  handlers['\r'] = CharHandler::CarriageReturn;
  handlers['"'] = CharHandler::String;
  handlers['&'] = CharHandler::Entity;
  handlers['<'] = CharHandler::Open;
  handlers['='] = CharHandler::Equals;
  handlers['>'] = CharHandler::Close;
  return handlers;
}

constexpr std::array<CharHandler, 256> kCharHandlers = MakeCharHandlers();

// The colours in the order of the colour table (entry 1 first), as (red, green, blue).
constexpr std::array<Color, 11> kDefaultPalette = {
    RgbColor(0, 128, 0), RgbColor(128, 0, 0), RgbColor(255, 0, 0),   RgbColor(255, 0, 0),
    RgbColor(0, 0, 255), RgbColor(0, 128, 0), RgbColor(255, 0, 255), RgbColor(0, 0, 255),
    RgbColor(255, 0, 0), RgbColor(0, 0, 0),   RgbColor(0, 0, 0),
};

constexpr std::array<Color, 11> kAlternatePalette = {
    RgbColor(0, 128, 0), RgbColor(128, 0, 0), RgbColor(0, 0, 0),   RgbColor(0, 0, 255),
    RgbColor(0, 0, 0),   RgbColor(0, 128, 0), RgbColor(0, 0, 255), RgbColor(0, 0, 0),
    RgbColor(255, 0, 0), RgbColor(0, 0, 0),   RgbColor(0, 0, 0),
};

// Token kind to colour table index, in the order of HtmlTokenKind.
constexpr std::array<int, 12> kColorIndexes = {11, 1, 2, 3, 4, 11, 5, 6, 7, 8, 9, 10};

constexpr int kCommentColor = 2;
constexpr int kStringColor = 6;
constexpr int kValueColor = 10;

[[nodiscard]] inline unsigned char ByteAt(const char* text, std::size_t offset) {
  return static_cast<unsigned char>(text[offset]);
}

// True when the bytes at `at` begin with `entity`, ASCII letters compared without regard to
// case. The text's terminating zero byte ends the comparison as a mismatch.
bool StartsWithEntity(const char* at, std::string_view entity) {
  for (std::size_t i = 0; i < entity.size(); ++i) {
    const auto byte = static_cast<unsigned char>(at[i]);
    if (byte == 0 || FoldAscii(byte) != FoldAscii(static_cast<unsigned char>(entity[i])))
      return false;
  }
  return true;
}

}  // namespace

int HtmlColorIndex(HtmlTokenKind kind) {
  return kColorIndexes[static_cast<std::size_t>(kind)];
}

TpsvHTMLRTF::TpsvHTMLRTF() {
  entityIndex_ = -1;
  SetColors(kDefaultPalette);
}

void TpsvHTMLRTF::EscapeToken(std::string& token) const {
  std::size_t specials = 0;
  for (const char byte : token)
    specials += byte == '\\' || byte == '{' || byte == '}';
  if (specials == 0) return;
  // Widen in place from the back, so the token is rewritten in one pass without a copy.
  std::size_t from = token.size();
  token.resize(token.size() + specials);
  std::size_t to = token.size();
  while (from > 0) {
    const char byte = token[--from];
    token[--to] = byte;
    if (byte == '\\' || byte == '{' || byte == '}') token[--to] = '\\';
  }
}

void TpsvHTMLRTF::FormatToken(int colorIndex, std::string_view token, std::string& out) const {
  int index = colorIndex;
  std::size_t first = 0;
  while (first < token.size() && static_cast<unsigned char>(token[first]) <= ' ')
    ++first;
  if (token.substr(first).starts_with("//")) index = kCommentColor;
  if (colorIndex == kValueColor && token.starts_with('"')) index = kStringColor;
  TpsvRTFSyntax::FormatToken(index, token, out);
}

void TpsvHTMLRTF::NextToken() {
  tokenPos_ = run_;
  switch (range_) {
    case HtmlRange::RangeServerScript:
      ScanServerScript();
      break;
    case HtmlRange::RangeComment:
      ScanComment();
      break;
    case HtmlRange::RangeText:
      ScanText();
      break;
    default:
      ScanHandler();
      break;
  }
}

bool TpsvHTMLRTF::AtEnd() const {
  return tokenKind_ == HtmlTokenKind::TokenEnd;
}

std::string_view TpsvHTMLRTF::CurrentToken() const {
  return std::string_view(line_ + tokenPos_, run_ - tokenPos_);
}

int TpsvHTMLRTF::CurrentColorIndex() const {
  return HtmlColorIndex(tokenKind_);
}

void TpsvHTMLRTF::SetLine(const std::string& text, int) {
  line_ = text.c_str();
  run_ = 0;
  NextToken();
}

void TpsvHTMLRTF::ApplyAlternatePalette() {
  SetColors(kAlternatePalette);
}

void TpsvHTMLRTF::ScanHandler() {
  switch (kCharHandlers[ByteAt(line_, run_)]) {
    case CharHandler::End:
      tokenKind_ = HtmlTokenKind::TokenEnd;
      break;
    case CharHandler::LineFeed:
      tokenKind_ = HtmlTokenKind::TokenBlank;
      ++run_;
      break;
    case CharHandler::CarriageReturn:
      ScanLineEnd();
      break;
    case CharHandler::Blank:
      ScanBlank();
      break;
    case CharHandler::String:
      ScanString();
      break;
    case CharHandler::Entity:
      ScanEntity();
      break;
    case CharHandler::Open:
      ScanOpen();
      break;
    case CharHandler::Equals:
      range_ = HtmlRange::RangeValue;
      tokenKind_ = HtmlTokenKind::TokenSymbol;
      ++run_;
      break;
    case CharHandler::Close:
      range_ = HtmlRange::RangeText;
      tokenKind_ = HtmlTokenKind::TokenSymbol;
      ++run_;
      break;
    case CharHandler::Word:
      ScanWord();
      break;
  }
}

void TpsvHTMLRTF::ScanLineEnd() {
  // CR LF is one token, so the writer marks one paragraph for it.
  tokenKind_ = HtmlTokenKind::TokenBlank;
  ++run_;
  if (line_[run_] == '\n') ++run_;
}

void TpsvHTMLRTF::ScanBlank() {
  // A tab never joins a run of blanks: each tab starts a token of its own.
  ++run_;
  tokenKind_ = HtmlTokenKind::TokenBlank;
  for (unsigned char byte = ByteAt(line_, run_);
       byte >= 1 && byte <= ' ' && byte != '\t' && byte != '\n' && byte != '\r';
       byte = ByteAt(line_, run_))
    ++run_;
}

void TpsvHTMLRTF::ScanString() {
  if (range_ == HtmlRange::RangeValue) {
    range_ = HtmlRange::RangeInTag;
    tokenKind_ = HtmlTokenKind::TokenValue;
  } else {
    tokenKind_ = HtmlTokenKind::TokenString;
  }
  ++run_;
  // A string that is not closed on its line ends with the line.
  for (;;) {
    const unsigned char byte = ByteAt(line_, run_);
    if (byte == 0 || byte == '\r' || byte == '\n') break;
    ++run_;
    if (byte == '"') break;
  }
}

void TpsvHTMLRTF::ScanEntity() {
  // Without a pending entity (an "&" inside a tag or at the start) the token is empty and keeps
  // the previous kind; the "&" is scanned again as text.
  if (entityIndex_ >= 0 && entityIndex_ < static_cast<std::int32_t>(kHtmlEntities.size())) {
    tokenKind_ = HtmlTokenKind::TokenEntity;
    run_ += kHtmlEntities[static_cast<std::size_t>(entityIndex_)].size();
  }
  entityIndex_ = -1;
  range_ = HtmlRange::RangeText;
}

void TpsvHTMLRTF::ScanOpen() {
  ++run_;
  if (line_[run_] == '!' && line_[run_ + 1] == '-' && line_[run_ + 2] == '-') {
    range_ = HtmlRange::RangeComment;
    tokenKind_ = HtmlTokenKind::TokenComment;
    run_ += 3;
  } else if (line_[run_] == '%') {
    range_ = HtmlRange::RangeServerScript;
    tokenKind_ = HtmlTokenKind::TokenServerScript;
    ++run_;
  } else {
    range_ = HtmlRange::RangeTagOpen;
    tokenKind_ = HtmlTokenKind::TokenSymbol;
  }
}

void TpsvHTMLRTF::ScanWord() {
  switch (range_) {
    case HtmlRange::RangeTagOpen:
      // The name may be empty ("<?xml"): then the empty token is an unlisted tag and the rest
      // is scanned as an attribute.
      range_ = HtmlRange::RangeInTag;
      tokenKind_ = LookupKeyword();
      run_ += identLength_;
      break;
    case HtmlRange::RangeValue: {
      range_ = HtmlRange::RangeInTag;
      tokenKind_ = HtmlTokenKind::TokenValue;
      unsigned char byte = 0;
      do {
        byte = ByteAt(line_, ++run_);
      } while (byte >= 33 && byte != '>');
      break;
    }
    default: {
      tokenKind_ = HtmlTokenKind::TokenAttribute;
      unsigned char byte = 0;
      do {
        byte = ByteAt(line_, ++run_);
      } while (byte >= 33 && byte != '"' && byte != '=' && byte != '>');
      break;
    }
  }
}

HtmlTokenKind TpsvHTMLRTF::LookupKeyword() {
  identStart_ = line_ + run_;
  // Wider than the hash can get for any text in memory, so a long name cannot wrap around.
  std::uint64_t hash = 0;
  std::size_t length = 0;
  for (int charClass = HtmlCharClass(ByteAt(identStart_, length)); charClass != 0;
       charClass = HtmlCharClass(ByteAt(identStart_, length))) {
    hash += static_cast<std::uint64_t>(charClass);
    ++length;
  }
  for (unsigned char byte = ByteAt(identStart_, length); byte >= '0' && byte <= '9';
       byte = ByteAt(identStart_, length)) {
    hash += byte - '0';
    ++length;
  }
  identLength_ = length;
  if (hash >= static_cast<std::uint64_t>(kHtmlKeywordHashes)) return HtmlTokenKind::TokenAttribute;
  for (const HtmlKeyword& keyword : HtmlKeywordsOfHash(static_cast<int>(hash))) {
    if (keyword.key.size() != identLength_) continue;
    bool same = true;
    for (std::size_t i = 0; i < identLength_ && same; ++i) {
      same = HtmlCharClass(ByteAt(identStart_, i)) ==
             HtmlCharClass(static_cast<unsigned char>(keyword.key[i]));
    }
    if (same) return HtmlTokenKind::TokenTag;
  }
  return HtmlTokenKind::TokenUnlistedTag;
}

void TpsvHTMLRTF::ScanServerScript() {
  ScanBlock(HtmlTokenKind::TokenServerScript, "%");
}

// "-->" may reuse the dashes of "<!--" itself, so "<!-->" is a whole comment.
void TpsvHTMLRTF::ScanComment() {
  ScanBlock(HtmlTokenKind::TokenComment, "--");
}

void TpsvHTMLRTF::ScanBlock(HtmlTokenKind kind, std::string_view beforeClose) {
  tokenKind_ = kind;
  unsigned char byte = ByteAt(line_, run_);
  // A line break or the end inside the block is a token of its own; the block goes on after it.
  if (byte == 0 || byte == '\r' || byte == '\n') {
    ScanHandler();
    return;
  }
  for (; byte != 0 && byte != '\r' && byte != '\n'; byte = ByteAt(line_, run_)) {
    if (byte == '>' && run_ >= beforeClose.size() &&
        std::string_view(line_ + run_ - beforeClose.size(), beforeClose.size()) == beforeClose) {
      range_ = HtmlRange::RangeText;
      ++run_;
      return;
    }
    ++run_;
  }
}

void TpsvHTMLRTF::ScanText() {
  unsigned char byte = ByteAt(line_, run_);
  if (byte < ' ' || byte == '<') {
    ScanHandler();
    return;
  }
  // Blanks, "=", ">" and double quotes are ordinary text here.
  tokenKind_ = HtmlTokenKind::TokenText;
  for (;;) {
    for (byte = ByteAt(line_, run_); byte >= ' ' && byte != '<' && byte != '&';
         byte = ByteAt(line_, run_))
      ++run_;
    if (byte != '&') return;
    for (std::size_t i = 0; i < kHtmlEntities.size(); ++i) {
      if (StartsWithEntity(line_ + run_, kHtmlEntities[i])) {
        // The text ends before the entity (it may be empty); the entity is the next token.
        entityIndex_ = static_cast<std::int32_t>(i);
        range_ = HtmlRange::RangeStart;
        return;
      }
    }
    ++run_;
  }
}

std::string HtmlToRtf(const std::string& text) {
  TpsvHTMLRTF html;
  html.SetText(text);
  return html.GetRtf();
}

}  // namespace pellucor

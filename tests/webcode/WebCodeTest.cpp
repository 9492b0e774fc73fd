#include "webcode/WebCode.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;

// The system's iconv as the reference for the byte forms.
std::string Euc(const char* utf8) {
  return Iconv("UTF-8", "EUC-JP", utf8).value_or("?");
}
std::string Utf8Bytes(const char* utf8) {
  return utf8;
}
// ISO-2022-JP as iconv writes it, but without the escape back at the end: the converter leaves
// a text that ends in two-byte mode as it is.
std::string JisWithoutClosingEscape(const char* utf8) {
  std::string jis = Iconv("UTF-8", "ISO-2022-JP", utf8).value_or("?");
  if (jis.ends_with("\x1b(B")) jis.resize(jis.size() - 3);
  return jis;
}

struct Case {
  const char* name;
  std::string in;
  int item;
  std::string out;
};

TEST(WebCodeEncode, Items) {
  const Case cases[] = {
      {"0: percent-escaped UTF-8", Sjis("日本"), 0, "%e6%97%a5%e6%9c%ac"},
      {"1: the same as 0", Sjis("日本"), 1, "%e6%97%a5%e6%9c%ac"},
      {"0: ASCII after a character is escaped, a blank becomes +", Sjis("日a b"), 0,
       "%e6%97%a5%61+b"},
      {"2: percent-escaped EUC-JP", Sjis("日本"), 2, "%c6%fc%cb%dc"},
      {"2: asterisk, blank and ampersand written plainly", Sjis("日*日 日&"), 2,
       "%c6%fc*%c6%fc+%c6%fc&"},
      {"2: a parenthesis after a character keeps its escaped percent sign", Sjis("日("), 2,
       "%c6%fc%2528"},
      {"2: CR LF becomes LF before encoding", Sjis("日\r\nx"), 2, "%c6%fc%0ax"},
      {"3: percent-escaped Shift_JIS", Sjis("日本"), 3, "%93%fa%96%7b"},
      {"4: UTF-8", Sjis("日本語 abc"), 4, Utf8Bytes("日本語 abc")},
      {"5: ISO-2022-JP, no escape back at the end", Sjis("abc日本"), 5,
       JisWithoutClosingEscape("abc日本")},
      {"5: half-width katakana written full-width", Sjis("ｱ"), 5, JisWithoutClosingEscape("ア")},
      {"6: Base64 of the Shift_JIS bytes", Sjis("日本"), 6, "k/qWew=="},
      {"7: EUC-JP with kana widened and merged, LF line ends", Sjis("ｶﾞｷﾞ\r\n"), 7, Euc("ガギ\n")},
      {"an empty text", "", 3, ""},
      {"an item past the last", Sjis("日本"), 8, Sjis("日本")},
      {"a negative item", Sjis("日本"), -1, Sjis("日本")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WebCodeEncode(c.in, c.item), c.out);
  }
}

TEST(WebCodeDecode, Items) {
  const Case cases[] = {
      {"0: percent-escaped UTF-8", "%e6%97%a5%e6%9c%ac", 0, Sjis("日本")},
      {"0: a blank written +", "%e6%97%a5+b", 0, Sjis("日 b")},
      {"0: bytes that are not UTF-8 give nothing", "%93%fa%96%7b", 0, ""},
      {"1: %25 removed first", "%25e6%2597%25a5", 1, Sjis("日")},
      {"0: without that, %25 stays a percent sign", "%25e6", 0, "%e6"},
      {"2: percent-escaped EUC-JP, LF made CR LF", "%c6%fc%0a%cb%dc", 2, Sjis("日\r\n本")},
      {"3: percent-escaped Shift_JIS", "%93%fa%96%7b", 3, Sjis("日本")},
      {"4: UTF-8", Utf8Bytes("日本語"), 4, Sjis("日本語")},
      {"4: text that is not UTF-8 gives nothing", Sjis("日本"), 4, ""},
      {"5: ISO-2022-JP", JisWithoutClosingEscape("abc日本") + "\x1b(Bx", 5, Sjis("abc日本x")},
      {"6: Base64", "k/qWew==", 6, Sjis("日本")},
      {"7: EUC-JP, LF made CR LF", Euc("日本\nx"), 7, Sjis("日本\r\nx")},
      {"an empty text", "", 0, ""},
      {"an item past the last", "%41", 8, "%41"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WebCodeDecode(c.in, c.item), c.out);
  }
}

TEST(WebCodeDecode, APercentEscapedShiftJisAddressNeedsItem3) {
  const std::string address = "%93%fa%96%7b";
  EXPECT_EQ(WebCodeDecode(address, 3), Sjis("日本"));
  // Item 2 reads the same bytes as EUC-JP, as item 7 reads them unescaped.
  EXPECT_NE(WebCodeDecode(address, 2), Sjis("日本"));
  EXPECT_EQ(WebCodeDecode(address, 2), WebCodeDecode("\x93\xfa\x96\x7b", 7));
}

TEST(WebCode, EveryItemRoundTrips) {
  // Texts without "+" (a decoded "+" is a blank) and without half-width katakana (widened by
  // items 5 and 7).
  const std::string texts[] = {
      Sjis("日本"),
      Sjis("ソフト表示 abc=1&x (y)"),
      Sjis("一行目：テキスト\r\n二行目 ＡＢＣ\r\n"),
  };
  for (int item = 0; item < kWebCodeItemCount; ++item) {
    for (const std::string& text : texts) {
      SCOPED_TRACE("item " + std::to_string(item) + ": " + text);
      // Both encode items 0 and 1 are read back by decode item 0.
      const int decodeItem = item == 1 ? 0 : item;
      EXPECT_EQ(WebCodeDecode(WebCodeEncode(text, item), decodeItem), text);
    }
  }
}

}  // namespace
}  // namespace pellucor

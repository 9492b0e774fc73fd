#include "text/TextSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "support/Iconv.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(PosFrom, StartsAfterTheCharacterAtThePosition) {
  EXPECT_EQ(PosFrom("b", "abab", 0), 2u);
  EXPECT_EQ(PosFrom("b", "abab", 2), 4u);  // after the "b" at 2
  EXPECT_EQ(PosFrom("b", "abab", 1), 2u);
  EXPECT_EQ(PosFrom("x", "abab", 0), 0u);
  EXPECT_EQ(PosFrom("", "abab", 0), 0u);
  EXPECT_EQ(PosFrom("b", "abab", 9), 0u);
  // After a double-byte character the search starts behind its second byte.
  const std::string text = Sjis("表") + "\\x";
  EXPECT_EQ(PosFrom("\\", text, 1), 3u);
}

TEST(PosFrom, NeverMatchesOnASecondByte) {
  // "表" is 0x95 0x5C: its second byte is a backslash.
  const std::string text = Sjis("表") + "\\";
  EXPECT_EQ(PosFrom("\\", text, 0), 3u);
  EXPECT_EQ(FindText(Sjis("ア"), "A", 0, CaseMode::IgnoreAsciiCase), std::string::npos);
}

TEST(BytePosFrom, ComparesBytesFromThePosition) {
  const std::string text = Sjis("表") + "\\";
  EXPECT_EQ(BytePosFrom("\\", text, 2), 2u);  // the second byte of "表" counts here
  EXPECT_EQ(BytePosFrom("\\", text, 1), 3u);  // below 2: the plain search
  EXPECT_EQ(BytePosFrom("", text, 2), 0u);
  EXPECT_EQ(BytePosFrom("ab", "xxab", 3), 3u);
  EXPECT_EQ(BytePosFrom("ab", "xxab", 4), 0u);
}

TEST(TextBetween, Cases) {
  EXPECT_EQ(TextBetween("[a][b]", "[", "]"), "a");
  EXPECT_EQ(TextBetween("x<b>bold</b>", "<b>", "</b>"), "bold");
  EXPECT_EQ(TextBetween("[]", "[", "]"), "");
  EXPECT_EQ(TextBetween("[a", "[", "]"), "");
  EXPECT_EQ(TextBetween("a]", "[", "]"), "");
  EXPECT_EQ(TextBetween("\"a\"", "\"", "\""), "a");
}

// The definition: find the start marker, find the end marker from the start marker's last byte,
// delete, and search again from the beginning.
std::string DeleteAllBetweenByDefinition(std::string text, std::string_view start,
                                         std::string_view end) {
  for (;;) {
    const std::size_t i = PosFrom(start, text, 0);
    if (i == 0) return text;
    const std::size_t j = BytePosFrom(end, text, i + start.size() - 1);
    if (j == 0) return text;
    text.erase(i - 1, j + end.size() - i);
  }
}

TEST(DeleteAllBetween, Cases) {
  struct Case {
    const char* name;
    std::string text, start, end, out;
  } cases[] = {
      {"comments", "a<!-- x -->b<!--y-->c", "<!--", "-->", "abc"},
      {"quotes: each step deletes one quote", "say \"hi\" and \"bye\"", "\"", "\"",
       "say hi and bye"},
      {"start without end stays", "a<!-- x", "<!--", "-->", "a<!-- x"},
      {"a start marker formed by a deletion is deleted too", "<!<!--x-->--y-->z", "<!--", "-->",
       "z"},
      {"end may begin at the last byte of the start marker", "a<!--->b<!-->c", "<!--", "-->",
       "ab<!-->c"},
      {"second bytes are no start", Sjis("表") + "\\x\\y", "\\", "\\", Sjis("表") + "xy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DeleteAllBetween(c.text, c.start, c.end), c.out);
    EXPECT_EQ(DeleteAllBetweenByDefinition(c.text, c.start, c.end), c.out);
  }
}

TEST(DeleteAllBetween, AgreesWithTheDefinitionOnRandomTexts) {
  std::mt19937 random(7);
  const std::string alphabet[] = {"<", "!", "-", ">", "a", Sjis("表"), "\\", "\x81"};
  const std::pair<std::string, std::string> markers[] = {
      {"<!--", "-->"}, {"<", ">"}, {"-", "-"}, {"\\", "-"}, {"a<", "a"}, {"!-", "->"}};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 30);
    for (int k = 0; k < length; ++k)
      text += alphabet[random() % std::size(alphabet)];
    const auto& [start, end] = markers[random() % std::size(markers)];
    ASSERT_EQ(DeleteAllBetween(text, start, end), DeleteAllBetweenByDefinition(text, start, end))
        << "text: " << text << " start: " << start << " end: " << end;
  }
}

// Where characters start is defined by walking them from a known start; the shortcut over the
// run of possible lead bytes before an offset must agree with that walk everywhere, including
// lead bytes before "<", at the end of the text and runs reaching back to the known start.
TEST(CharStartFrom, AgreesWithAWalkFromTheKnownStartOnRandomTexts) {
  std::mt19937 random(11);
  const unsigned char bytes[] = {'<', 'a', 0x40, 0x7F, 0x81, 0x9F, 0xA0, 0xB1, 0xE0, 0xFC, 0xFD};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 24);
    for (int k = 0; k < length; ++k)
      text += static_cast<char>(bytes[random() % std::size(bytes)]);
    std::vector<std::size_t> starts;  // the character starts from 0, then the end
    for (std::size_t at = 0; at < text.size(); at += CharLengthAt(text, at))
      starts.push_back(at);
    starts.push_back(text.size());
    const std::size_t knownStart = starts[random() % starts.size()];
    for (std::size_t offset = knownStart; offset <= text.size(); ++offset) {
      const std::size_t expected = *std::lower_bound(starts.begin(), starts.end(), offset);
      ASSERT_EQ(CharStartFrom(text, knownStart, offset), expected)
          << "round " << round << " known start " << knownStart << " offset " << offset;
    }
  }
}

TEST(ReplaceAllText, NeedsTheExactCaseOnceThenIgnoresCase) {
  EXPECT_EQ(ReplaceAllText("ABC", "b", "x"), "ABC");
  EXPECT_EQ(ReplaceAllText("AbB", "b", "x"), "Axx");
  EXPECT_EQ(ReplaceAllText("aaa", "aa", "a"), "aa");  // non-overlapping, not searched again
  EXPECT_EQ(ReplaceAllText("abc", "", "x"), "abc");
  // Second bytes are neither matched nor folded: "ア" is 0x83 0x41 ("A").
  EXPECT_EQ(ReplaceAllText(Sjis("ア") + "aA", "a", "b"), Sjis("ア") + "bb");
}

TEST(ReplaceAllAfter, KeepsTheTextBeforeThePosition) {
  EXPECT_EQ(ReplaceAllAfter("abab", "a", "x", 2), "abxb");
  EXPECT_EQ(ReplaceAllAfter("abAb", "a", "x", 1), "xbxb");
  EXPECT_EQ(ReplaceAllAfter("abab", "a", "x", 0), "abab");
  EXPECT_EQ(ReplaceAllAfter("abab", "a", "x", 5), "abab");
  EXPECT_EQ(ReplaceAllAfter("ABAB", "a", "x", 1), "ABAB");  // no exact "a" anywhere
}

}  // namespace
}  // namespace pellucor

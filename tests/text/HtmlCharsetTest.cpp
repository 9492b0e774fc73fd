#include "text/HtmlCharset.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Iconv;
using testing::Sjis;

std::string Page(std::string_view charset, std::string_view body) {
  return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
         std::string(charset) + "\"></head>\r\n<body>" + std::string(body) + "</body></html>";
}

TEST(NormalizeLineEnds, PairsOfLineEndsBecomeOne) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"a\r\nb", "a\r\nb"},
      {"a\nb", "a\r\nb"},
      {"a\n\nb", "a\r\nb"},
      {"a\r\n\r\n\r\nb", "a\r\n\r\nb"},
      {"a\n\n\n\nb", "a\r\n\r\nb"},  // four become two
      {"a\r\rb", "a\r\rb"},          // lone CRs are kept
      {"a\r\r\nb", "a\r\r\nb"},
      {"a\n\r\r\nb", "a\r\n\r\r\nb"},
      {"\n", "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(NormalizeLineEnds(c.in), c.out);
  }
}

struct ConvertCase {
  const char* name;
  std::string in;
  CharsetCode charset;
  std::string out;
};

void PrintTo(const ConvertCase& c, std::ostream* os) {
  *os << c.name;
}

class ConvertHtmlToSjisTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertHtmlToSjisTest, GivesTheShiftJisText) {
  const ConvertedText converted = ConvertHtmlToSjis(GetParam().in, GetParam().charset);
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted.text, GetParam().out);
}

const std::string kJapanese = "日本語のページ";
const std::string kUtf8Page = Page("utf-8", kJapanese);
const std::string kSjisPage = *Iconv("UTF-8", "CP932", Page("Shift_JIS", kJapanese));
const std::string kBareSjis = Sjis("<p>" + kJapanese + "</p>");

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertHtmlToSjisTest,
    ::testing::Values(
        ConvertCase{"empty", "", CharsetCode::Automatic, ""},
        ConvertCase{"declared UTF-8", kUtf8Page, CharsetCode::Automatic,
                    Sjis(Page("utf-8", kJapanese))},
        ConvertCase{"declared Shift_JIS stays", kSjisPage, CharsetCode::Automatic, kSjisPage},
        ConvertCase{"x-sjis without quote is Shift_JIS", Sjis(Page("x-sjis", kJapanese)),
                    CharsetCode::Automatic, Sjis(Page("x-sjis", kJapanese))},
        ConvertCase{"other Shift_JIS spellings are renamed",
                    Sjis(Page("Shift-JIS", kJapanese)) + "\"x-jis\"", CharsetCode::Automatic,
                    Sjis(Page("Shift_JIS", kJapanese)) + "\"Shift_JIS\""},
        ConvertCase{"declared EUC-JP", *Iconv("UTF-8", "EUC-JP", Page("EUC-JP", kJapanese)),
                    CharsetCode::Automatic, Sjis(Page("EUC-JP", kJapanese))},
        ConvertCase{"declared ISO-2022-JP keeps its line ends",
                    *Iconv("UTF-8", "ISO-2022-JP", Page("ISO-2022-JP", kJapanese) + "\n\n"),
                    CharsetCode::Automatic, Sjis(Page("ISO-2022-JP", kJapanese)) + "\n\n"},
        ConvertCase{"iso-2022-jp without quote falls to the UTF-8 attempt",
                    Page("iso-2022-jp>", "abc"), CharsetCode::Automatic,
                    Page("iso-2022-jp>", "abc")},
        ConvertCase{"undeclared UTF-8 is converted", "<p>" + kJapanese + "</p>\n\n",
                    CharsetCode::Automatic, Sjis("<p>" + kJapanese + "</p>\r\n")},
        ConvertCase{"undeclared Shift_JIS stays as it is", kBareSjis, CharsetCode::Automatic,
                    kBareSjis},
        ConvertCase{"ASCII passes through", "<p>plain</p>", CharsetCode::Automatic, "<p>plain</p>"},
        ConvertCase{"byte order mark is removed", "\xEF\xBB\xBF<p>" + kJapanese,
                    CharsetCode::Automatic, Sjis("<p>" + kJapanese)},
        ConvertCase{"declaration after </head> does not count",
                    "<head></head><meta charset=\"euc-jp\">" + kBareSjis, CharsetCode::Automatic,
                    "<head></head><meta charset=\"euc-jp\">" + kBareSjis},
        ConvertCase{"head ends at <script> without </head>",
                    "<script>var s=\"euc-jp\";</script>" + kJapanese, CharsetCode::Automatic,
                    Sjis("<script>var s=\"euc-jp\";</script>" + kJapanese)},
        ConvertCase{"forced EUC-JP", *Iconv("UTF-8", "EUC-JP", kJapanese + "\n\n\n\n"),
                    CharsetCode::EucJp, Sjis(kJapanese + "\r\n\r\n")},
        ConvertCase{"runs of CR LF are halved", "a\r\n\r\n\r\nb\r\nc\r\n\r\n", CharsetCode::EucJp,
                    "a\r\n\r\nb\r\nc\r\n"},
        ConvertCase{"bare and CR LF line ends mixed", "a\n\r\nb\r\n\nc", CharsetCode::EucJp,
                    "a\r\nb\r\nc"},
        ConvertCase{"forced UTF-8, malformed bytes become ?", kJapanese + "\xFF", CharsetCode::Utf8,
                    Sjis(kJapanese) + "?"},
        ConvertCase{"forced UTF-8 keeps the ? of a byte order mark",
                    "\xEF\xBB\xBF"
                    "a",
                    CharsetCode::Utf8, "?a"},
        ConvertCase{"forced Shift_JIS is untouched", "a\n\n\nb", CharsetCode::ShiftJis, "a\n\n\nb"},
        ConvertCase{"forced ISO-2022-JP", *Iconv("UTF-8", "ISO-2022-JP", kJapanese + "\n"),
                    CharsetCode::Iso2022Jp, Sjis(kJapanese + "\r\n")},
        ConvertCase{"UTF-8N drops the byte order mark", "\xEF\xBB\xBF" + kJapanese + "\n",
                    CharsetCode::Utf8N, Sjis(kJapanese + "\r\n")},
        ConvertCase{"unknown code leaves the text", "a\n\nb", static_cast<CharsetCode>(9),
                    "a\n\nb"}));

TEST(ConvertHtmlToSjis, DeclaredUtf8PageLineEnds) {
  const std::string page = "<head><meta charset=\"utf-8\"></head>\n\n\n\n<p>" + kJapanese;
  EXPECT_EQ(ConvertHtmlToSjis(page, CharsetCode::Automatic).text,
            Sjis("<head><meta charset=\"utf-8\"></head>\r\n\r\n<p>" + kJapanese));
}

// The code names what Automatic does, so that a reader that needs the text in another form
// than Shift_JIS (UTF-8 for an HTML parser) reads the same characters.
TEST(DetectHtmlCharset, NamesTheCharsetAutomaticReads) {
  struct Case {
    const char* name;
    std::string in;
    CharsetCode code;
  } cases[] = {
      {"declared UTF-8", kUtf8Page, CharsetCode::Utf8},
      {"declared Shift_JIS", kSjisPage, CharsetCode::ShiftJis},
      {"declared EUC-JP", *Iconv("UTF-8", "EUC-JP", Page("EUC-JP", kJapanese)), CharsetCode::EucJp},
      {"declared ISO-2022-JP", *Iconv("UTF-8", "ISO-2022-JP", Page("ISO-2022-JP", kJapanese)),
       CharsetCode::Iso2022Jp},
      {"Shift_JIS first of two declarations", Page("Shift_JIS", "") + "<meta charset=\"euc-jp\">",
       CharsetCode::ShiftJis},
      {"undeclared UTF-8", "<p>" + kJapanese, CharsetCode::Utf8},
      {"ASCII", "<p>plain</p>", CharsetCode::Utf8},
      {"byte order mark", "\xEF\xBB\xBF<p>" + kJapanese, CharsetCode::Utf8},
      {"undeclared Shift_JIS", kBareSjis, CharsetCode::ShiftJis},
      {"declared UTF-8 that is not", Page("utf-8", Sjis(kJapanese)), CharsetCode::ShiftJis},
      {"declaration after </head>", "<head></head><meta charset=\"euc-jp\">" + kBareSjis,
       CharsetCode::ShiftJis},
      {"style sheet with @charset", "@charset \"EUC-JP\";\nbody{}", CharsetCode::EucJp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectHtmlCharset(c.in), c.code);
  }
}

}  // namespace
}  // namespace pellucor

namespace pellucor {
namespace {

TEST(ResourceCharset, OwnWordThenUtf8ThenThePagesCharset) {
  struct Case {
    const char* name;
    std::string text;
    CharsetCode page;
    CharsetCode read;
  } cases[] = {
      {"declared", "@charset \"EUC-JP\";\n\xA4\xA2", CharsetCode::ShiftJis, CharsetCode::EucJp},
      {"declared UTF-8", "@charset \"utf-8\";", CharsetCode::EucJp, CharsetCode::Utf8},
      {"EUC-JP bytes of an EUC-JP page", "var a = '\xA4\xA2';", CharsetCode::EucJp,
       CharsetCode::EucJp},
      {"ISO-2022-JP escapes of such a page", "var a = '\x1B$B$\"\x1B(B';", CharsetCode::Iso2022Jp,
       CharsetCode::Iso2022Jp},
      {"UTF-8 bytes read as UTF-8", "var a = '\xE3\x81\x82';", CharsetCode::EucJp,
       CharsetCode::Automatic},
      {"ASCII", "var a = 1;", CharsetCode::EucJp, CharsetCode::Automatic},
      {"a Shift_JIS page's text stays", "var a = '\x82\xA0';", CharsetCode::ShiftJis,
       CharsetCode::Automatic},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResourceCharset(c.text, c.page), c.read) << c.name;
}

}  // namespace
}  // namespace pellucor

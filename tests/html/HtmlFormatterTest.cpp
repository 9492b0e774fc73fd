#include "html/HtmlFormatter.h"

#include <gtest/gtest.h>

#include "support/Iconv.h"

namespace pellucor {
namespace {

using testing::Sjis;

TEST(FormatHTMLSource, Cases) {
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"empty", "", ""},
      {"blank lines only", " \r\n\t\n\r  \n", ""},
      {"tabs widened, tab-only lines dropped, every line ends in CR LF", "a\tb\n\t\t\nc\rd",
       "a  b\r\nc\r\nd\r\n"},
      {"empty cell in capitals", "<TR><TD></TD></TR>", "<tr>\r\n<td>&nbsp;</td>\r\n</tr>\r\n"},
      {"bold run stays on the paragraph's line", "<P>a <B>b</B> c</P>", "<p>a <b>b</b> c</p>\r\n"},
      {"div after div", "<DIV>a</DIV><DIV>b</DIV>", "<div>a</div>\r\n<div>b</div>\r\n"},
      {"blockquote and layer", "<BLOCKQUOTE><LAYER>x</LAYER></BLOCKQUOTE>",
       "<blockquote><layer>x</layer></blockquote>\r\n"},
      {"longer names keep letters that no row covers", "<BGSOUND SRC=\"a.mid\">",
       "<bGSOUND src=\"a.mid\">\r\n"},
      {"attribute after a quote is not lower-cased", "<IMG SRC=\"a\"WIDTH=1 HEIGHT=2>",
       "<img src=\"a\"WIDTH=1 height=2>\r\n"},
      {"JAVASCRIPT anywhere", "<P>JAVASCRIPT</P>", "<p>javascript</p>\r\n"},
      {"quoted values", "<TD ALIGN=\"CENTER\" VALIGN=\"TOP\">",
       "<td align=\"center\" valign=\"top\">\r\n"},
      {"charset declarations",
       "<META CONTENT=\"text/html; charset=EUC-JP\">\r\n<?xml encoding=\"UTF-8\"?>",
       "<meta CONTENT=\"text/html; charset=Shift_JIS\">\r\n<?xml encoding=\"Shift_JIS\"?>\r\n"},
      {"colour values are kept whole", "<FONT COLOR=\"#0CF7FF\">x</FONT>",
       "<font color=\"#0CF7FF\">x</font>\r\n"},
      {"comments back to back", "<!-- a --><!-- b --><P>", "<!-- a -->\r\n<!--b -->\r\n<p>\r\n"},
      {"line breaks after br", "a<BR>b<br />\r\n\r\nc", "a<br />\r\nb<br />\r\nc\r\n"},
      {"second bytes are no tag start", Sjis("表") + "<P>", Sjis("表") + "<p>\r\n"},
      {"a lead byte before a tag does not hide it", "\x81<P>", "\x81<p>\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatHTMLSource(c.in), c.out);
  }
}

TEST(BreakHTMLLines, RowsSeeWhatEarlierRowsWrote) {
  // Row 9 makes "<br />" + NL, row 10 adds another NL to every "<br />", rows 11 and 12 take
  // the extra ones away again.
  EXPECT_EQ(BreakHTMLLines("a<br>b"), "a<br />\r\nb");
  EXPECT_EQ(BreakHTMLLines("a<br />\r\nb"), "a<br />\r\nb");
  EXPECT_EQ(BreakHTMLLines("<ul><li>x</li></ul>"), "<ul>\r\n<li>x</li></ul>");
  EXPECT_EQ(BreakHTMLLines("<a\r\nhref=\r\n\"x\"\r\n>"), "<a\r\nhref=\"x\">");
}

TEST(SetDeclaredCharsetShiftJIS, NamesOfOtherEncodingsOnly) {
  EXPECT_EQ(SetDeclaredCharsetShiftJIS("charset=iso-2022-jp-2"), "charset=Shift_JIS-2");
  EXPECT_EQ(SetDeclaredCharsetShiftJIS("charset=x-sjis charset=Shift_JIS"),
            "charset=x-sjis charset=Shift_JIS");
  EXPECT_EQ(SetDeclaredCharsetShiftJIS("ENCODING=\"EUC-JP\""), "encoding=\"Shift_JIS\"");
}

}  // namespace
}  // namespace pellucor

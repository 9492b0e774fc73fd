#include "SamplePage.h"

#include "text/CodePage932.h"

namespace pellucor::bench {

std::string SampleSjisPage(std::size_t size, const std::string& charset) {
  const std::string row = SjisFromUtf8Literal(
      "<TR>\r\n\t<td class=\"item\"><A HREF=\"list.php?id=42&amp;cat=表示\">"
      "日本語の見出し、カタカナ・ﾊﾝｶｸｶﾅ・ひらがな</A></td>\r\n"
      "\t<TD>ソフト予定能力 価格：1,980円（税込）</td>\r\n</TR>\r\n\r\n\r\n");
  std::string page =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + charset +
      "\"><title>sample</title></head>\r\n<body><table>\r\n";
  while (page.size() < size)
    page += row;
  page += "</table></body></html>\r\n";
  return page;
}

}  // namespace pellucor::bench

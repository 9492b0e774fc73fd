#include "cli/SearchUrlCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"

namespace pellucor::cli {
namespace {

CommandRun SearchUrl(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunSearchUrl(arguments, out, error); });
}

const std::string kGooglePaging = "&num=100&hl=ja&lr=&ie=UTF-8&oe=UTF-8&as_qdr=all&start=";
const std::string kYahooPaging = "&aq=-1&ei=UTF-8&pstart=1&fr=ush-jp_full&b=";

TEST(SearchUrlCommand, PrintsTheQueryUrl) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string url;
  } cases[] = {
      {"a new Google search",
       {"google", "abc  def"},
       "http://www.google.co.jp/search?as_q=abc+def&num=100&hl=ja&ie=UTF-8&oe=UTF-8"
       "&btnG=Google+%E6%A4%9C%E7%B4%A2&as_epq=&as_oq=&as_eq=&lr=&as_ft=i&as_filetype="
       "&as_qdr=all&as_occt=any&as_dt=i&as_sitesearch="},
      {"a new Yahoo search",
       {"yahoo", "あいう"},
       "http://search.yahoo.co.jp/search?p=%e3%81%82%e3%81%84%e3%81%86"
       "&aq=-1&oq=&ei=UTF-8&fr=top_ga1_sa&x=wrt"},
      {"English mode",
       {"yahoo", "--mode", "1", "x"},
       "http://search.yahoo.com/search?p=x&aq=-1&oq=&ei=UTF-8&fr=top_ga1_sa&x=wrt"},
      {"words are joined by a blank",
       {"google", "--next", "1", "あ", "b"},
       "http://www.google.co.jp/search?as_q=%e3%81%82%20b" + kGooglePaging + "101&sa=N"},
      {"two pages on with Google",
       {"google", "--next=2", "abc"},
       "http://www.google.co.jp/search?as_q=abc" + kGooglePaging + "201&sa=N"},
      {"one page on with Yahoo",
       {"yahoo", "--next", "1", "abc"},
       "http://search.yahoo.co.jp/search?p=abc" + kYahooPaging + "101"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun run = SearchUrl(c.arguments);
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.out, c.url + "\n");
  }
}

TEST(SearchUrlCommand, ExitStatuses) {
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no arguments", {}, 64},
      {"no keyword", {"google"}, 64},
      {"unknown engine", {"bing", "x"}, 64},
      {"mode out of range", {"google", "--mode", "2", "x"}, 64},
      {"negative next", {"google", "--next", "-1", "x"}, 64},
      {"next that is no number", {"google", "--next", "two", "x"}, 64},
      {"blank keyword", {"yahoo", "   "}, 2},
      {"keyword without a Shift_JIS form", {"google", "한국어"}, 2},
  };
  ExpectExitStatuses("search-url", SearchUrl, cases);
}

}  // namespace
}  // namespace pellucor::cli

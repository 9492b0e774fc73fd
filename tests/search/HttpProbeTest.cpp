#include "search/HttpProbe.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <ctime>
#include <thread>

#include "search/HttpDate.h"
#include "search/NetSearchFixture.h"
#include "support/Iconv.h"
#include "support/LoopbackServer.h"
#include "support/TimeZone.h"

namespace pellucor::testing {
namespace {

constexpr const char* kModified = "Sun, 06 Nov 1994 08:49:37 GMT";

std::string Summary(const std::string& url, const std::string& modified, const std::string& size,
                    const std::string& name) {
  return url + "\r\n\r\n\r\n" + Sjis("最終更新日時　　： ") + modified + "\r\n" +
         Sjis("ファイルサイズ　　： ") + size + Sjis(" バイト") + "\r\n" +
         Sjis("フルパス名　　　　： ") + url + "\r\n" + Sjis("ファイル名　　　　 ： ") + name +
         "\r\n\r\n";
}

class HttpProbeTest : public NetSearchTest {
 protected:
  LoopbackServer server;
  TimeZone zone{"JST-9"};
};

TEST_F(HttpProbeTest, ShowsTheSummaryAndTheHeadersOnTheTab) {
  server.Serve("/dir/page.html", "12345", "text/html", {{"Last-Modified", kModified}});
  tab.ComboBoxNSTargetUrl = " " + server.Url("/dir/page.html") + " ";
  search.sbNSGethhtpClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(tab.MemoMemoNSHTTPGetFile, Summary(server.Url("/dir/page.html"),
                                               Sjis("1994年11月06日 17時49分"), "5", "page.html"));
  EXPECT_TRUE(tab.MemoNSHTTPGet.starts_with("HTTP/1.1 200 OK\r\n")) << tab.MemoNSHTTPGet;
  EXPECT_NE(tab.MemoNSHTTPGet.find("\r\nLast-Modified: " + std::string(kModified) + "\r\n"),
            std::string::npos);
  EXPECT_TRUE(tab.MemoNSHTTPGet.ends_with("\r\n\r\n"));
  EXPECT_EQ(tab.SubTabShown, Sjis(" HTTPGet "));
  EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500)});
  EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));
  // Two HEAD requests: the check and the one whose headers are shown.
  EXPECT_EQ(server.RequestCount(), 2u);
}

TEST_F(HttpProbeTest, FollowsARedirectAndReportsWhereItEnded) {
  server.Serve("/new/target.html", "abc");
  server.Redirect("/old", server.Url("/new/target.html"));
  downloadTab.urlBox = server.Url("/old");
  search.sbDLHTTPGetClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "information");
  EXPECT_EQ(dialogs.shown[0].text, "");
  // The information box's upper text.
  EXPECT_EQ(dialogs.shown[0].initialFolder,
            Summary(server.Url("/new/target.html"), "", "3", "target.html"));
  EXPECT_EQ(search.probe().ProbeUrl, server.Url("/new/target.html"));
  // The tab's boxes are not the destination.
  EXPECT_EQ(tab.MemoMemoNSHTTPGetFile, "");
  EXPECT_EQ(pump.cursors.back(), BusyCursor::Off);
}

TEST_F(HttpProbeTest, MissingHeadersShowMinusOneAndNoDate) {
  server.Endless("/stream");
  tab.ComboBoxNSTargetUrl = server.Url("/stream");
  search.sbNSGethhtpClick();
  EXPECT_EQ(tab.MemoMemoNSHTTPGetFile, Summary(server.Url("/stream"), "", "-1", "stream"));
}

TEST_F(HttpProbeTest, FailuresShowTheNotFoundMessage) {
  server.Serve("/404.htm", "error page");
  server.Redirect("/gone", server.Url("/404.htm"));
  server.NotFound("/missing", "<html>no</html>");
  struct Case {
    const char* name;
    std::string url;
  } cases[] = {
      {"a redirect to an error page is refused", server.Url("/gone")},
      {"an error status", server.Url("/missing")},
      {"no server", "http://127.0.0.1:1/x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.shown.clear();
    pump.cursors.clear();
    tab.MemoNSHTTPGet = "kept";
    tab.ComboBoxNSTargetUrl = c.url;
    search.sbNSGethhtpClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "message");
    EXPECT_EQ(dialogs.shown[0].text, Sjis("指定したページまたはファイルが見つかりませんでした．"));
    EXPECT_EQ(pump.cursors, (std::vector<BusyCursor>{BusyCursor::On, BusyCursor::Off}));
    EXPECT_EQ(tab.MemoNSHTTPGet, "kept");
  }
}

TEST_F(NetSearchTest, AProbeOfATextThatIsNoWebUrlDoesNothing) {
  tab.ComboBoxNSTargetUrl = "example.com/page.html";
  search.sbNSGethhtpClick();
  downloadTab.urlBox = " ";
  search.sbDLHTTPGetClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(pump.cursors.empty());
  EXPECT_TRUE(pauses.empty());
}

TEST(HttpProbe, CheckHTTPUrlReplacesOrEmptiesTheUrl) {
  LoopbackServer server;
  server.Serve("/b.html", "b");
  server.Redirect("/a", server.Url("/b.html"), 301);
  server.Redirect("/c", server.Url("/some/404.html"));
  HttpClient client;
  HttpProbe probe(client);

  std::string url = server.Url("/a");
  EXPECT_TRUE(probe.CheckHTTPUrl(url));
  EXPECT_EQ(url, server.Url("/b.html"));

  url = server.Url("/c");
  EXPECT_FALSE(probe.CheckHTTPUrl(url));
  EXPECT_EQ(url, "");
  // The redirect was refused before the error page was asked for.
  for (const std::string& path : server.RequestedPaths())
    EXPECT_NE(path, "/some/404.html");
}

TEST(HttpProbe, TheRedirectRule) {
  HttpClient client;
  HttpProbe probe(client);
  probe.ProbeUrl = "http://h/start";
  EXPECT_FALSE(probe.IdHTTPNSRedirect("http://h/err/404.htm"));
  EXPECT_EQ(probe.ProbeUrl, "http://h/start");
  // The test is case-sensitive.
  EXPECT_TRUE(probe.IdHTTPNSRedirect("http://h/404.HTM"));
  EXPECT_EQ(probe.ProbeUrl, "http://h/404.HTM");
}

TEST(HttpProbe, SendsItsFixedRequestHeaders) {
  httplib::Server server;
  httplib::Headers seen;
  std::mutex mutex;
  server.Get("/h", [&](const httplib::Request& request, httplib::Response& response) {
    const std::lock_guard<std::mutex> lock(mutex);
    seen = request.headers;
    response.set_content("x", "text/plain");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread thread([&] { server.listen_after_bind(); });
  HttpClient client(OneConnectionPerRequest());
  HttpProbe probe(client);
  std::string url = "http://127.0.0.1:" + std::to_string(port) + "/h";
  EXPECT_TRUE(probe.CheckHTTPUrl(url));
  server.stop();
  thread.join();
  const std::lock_guard<std::mutex> lock(mutex);
  const auto value = [&](const char* name) {
    const auto found = seen.find(name);
    return found == seen.end() ? std::string("<none>") : found->second;
  };
  EXPECT_EQ(value("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(value("Accept"), "text/html, */*");
  EXPECT_EQ(value("Content-Type"), "text/html");
}

TEST(UrlLastSegment, Cases) {
  struct Case {
    const char* url;
    const char* segment;
  } cases[] = {
      {"http://h/a/f.html?x=1/y", "f.html"},
      {"http://h/a/f.html#top", "f.html"},
      {"http://h/a/", ""},
      {"http://h", ""},
      {"http://h/", ""},
      {"https://h/file", "file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(UrlLastSegment(c.url), c.segment);
  }
}

TEST(HttpDate, ThreeFormsAndTheLocalDisplay) {
  TimeZone zone("JST-9");
  const std::time_t expected = 784111777;  // 1994-11-06 08:49:37 UTC
  for (const char* text : {"Sun, 06 Nov 1994 08:49:37 GMT", "Sunday, 06-Nov-94 08:49:37 GMT",
                           "Sun Nov  6 08:49:37 1994", "  Sun, 06 Nov 1994 08:49:37 GMT "}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseHttpDate(text), expected);
  }
  EXPECT_EQ(JapaneseLocalDateTime(expected), Sjis("1994年11月06日 17時49分"));
  TimeZone utc("UTC0");
  EXPECT_EQ(JapaneseLocalDateTime(expected), Sjis("1994年11月06日 08時49分"));
}

TEST(HttpDate, TextsThatAreNoDate) {
  for (const char* text :
       {"", "yesterday", "Sun, 31 Feb 1994 08:49:37 GMT", "Sun, 06 Nov 1994 25:49:37 GMT",
        "Sun, 06 Foo 1994 08:49:37 GMT", "Sun, 06 Nov 1994 08:49:37 GMT trailing"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseHttpDate(text).has_value());
  }
}

}  // namespace
}  // namespace pellucor::testing

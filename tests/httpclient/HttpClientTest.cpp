#include "httpclient/HttpClient.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::LoopbackServer;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Limits small enough that a misbehaving server is given up on within a fraction of a second.
HttpClientOptions ShortLimits() {
  HttpClientOptions options;
  options.limits.connectTimeout = std::chrono::milliseconds(2000);
  options.limits.stallTimeout = std::chrono::milliseconds(300);
  options.limits.slowWindow = std::chrono::milliseconds(400);
  options.limits.slowBytes = 100;
  options.limits.maxBodyInMemory = 1 << 20;
  options.limits.maxFileSize = 2 << 20;
  options.limits.maxRedirects = 5;
  return options;
}

TEST(HttpClient, GetReturnsBodyStatusAndHeaders) {
  LoopbackServer server;
  server.Serve("/page.html", "<html>hello</html>", "text/html",
               {{"Last-Modified", "Wed, 21 Oct 2015 07:28:00 GMT"}});
  HttpClient client(ShortLimits());
  const HttpResponse response = client.Get(server.Url("/page.html"));
  ASSERT_TRUE(response.ok()) << response.failureText;
  EXPECT_EQ(response.status, 200);
  EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
  EXPECT_EQ(response.body, "<html>hello</html>");
  EXPECT_EQ(response.contentLength, 18u);
  EXPECT_EQ(response.lastModified, "Wed, 21 Oct 2015 07:28:00 GMT");
  EXPECT_NE(std::find(response.headerLines.begin(), response.headerLines.end(),
                      "Content-Type: text/html"),
            response.headerLines.end());
}

TEST(HttpClient, ErrorPagesAreResponsesWithTheirStatus) {
  LoopbackServer server;
  server.NotFound("/gone.png", "<html><body>Not Found</body></html>");
  HttpClient client(ShortLimits());
  const HttpResponse response = client.Get(server.Url("/gone.png"));
  ASSERT_TRUE(response.ok());
  EXPECT_EQ(response.status, 404);
  EXPECT_EQ(response.body, "<html><body>Not Found</body></html>");
}

TEST(HttpClient, FollowsRedirectsUpToTheLimit) {
  LoopbackServer server;
  server.Redirect("/old", "/new");
  server.Serve("/new", "moved here");
  server.Redirect("/loop", "/loop");
  HttpClient client(ShortLimits());
  const HttpResponse moved = client.Get(server.Url("/old"));
  ASSERT_TRUE(moved.ok());
  EXPECT_EQ(moved.body, "moved here");
  EXPECT_EQ(moved.effectiveUrl, server.Url("/new"));
  EXPECT_EQ(moved.redirects, 1);
  const HttpResponse loop = client.Get(server.Url("/loop"));
  EXPECT_EQ(loop.failure, HttpFailure::TooManyRedirects);
  EXPECT_LE(server.RequestCount(), 2u + 6u);
}

// Bytes that come steadily, fast enough for the stall and speed limits, still end at the
// transfer's deadline.
TEST(HttpClient, ATransferEndsAtItsDeadline) {
  LoopbackServer server;
  server.Drip("/steady", 100000, std::chrono::milliseconds(10));
  HttpClientOptions options = ShortLimits();
  options.limits.slowBytes = 1;
  options.limits.transferDeadline = std::chrono::milliseconds(300);
  HttpClient client(options);
  const HttpResponse response = client.Get(server.Url("/steady"));
  EXPECT_EQ(response.failure, HttpFailure::TimedOut);
  EXPECT_EQ(response.failureText, "the transfer took longer than its time limit");
}

TEST(HttpClient, MisbehavingServersBecomeFailures) {
  LoopbackServer server;
  server.Hang("/hang", "<html>the first bytes", 100000);
  server.Endless("/endless");
  // A byte well within the stall time-out each time, but never enough to get anywhere.
  server.Drip("/drip", 100000, std::chrono::milliseconds(50));
  HttpClient client(ShortLimits());
  struct Case {
    const char* name;
    std::string url;
    HttpFailure failure;
  } cases[] = {
      {"a response that stops half way", server.Url("/hang"), HttpFailure::TimedOut},
      {"an endless body", server.Url("/endless"), HttpFailure::TooLarge},
      {"a byte now and then", server.Url("/drip"), HttpFailure::TimedOut},
      {"nobody listening", "http://127.0.0.1:1/", HttpFailure::Connect},
      {"not a web URL", "ftp://127.0.0.1/x", HttpFailure::BadUrl},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HttpResponse response = client.Get(c.url);
    EXPECT_EQ(response.failure, c.failure) << response.failureText;
    EXPECT_EQ(response.body, "");
  }
}

TEST(HttpClient, GetToFileReplacesOnlyOnSuccess) {
  LoopbackServer server;
  server.Serve("/a.css", "body { color: red }", "text/css");
  server.Endless("/huge.bin");
  TempFolder folder;
  HttpClient client(ShortLimits());
  WriteBytes(folder / "a.css", "old");
  ASSERT_TRUE(client.GetToFile(server.Url("/a.css"), folder / "a.css").ok());
  EXPECT_EQ(ReadBytes(folder / "a.css"), "body { color: red }");

  WriteBytes(folder / "huge.bin", "old");
  EXPECT_EQ(client.GetToFile(server.Url("/huge.bin"), folder / "huge.bin").failure,
            HttpFailure::TooLarge);
  EXPECT_EQ(ReadBytes(folder / "huge.bin"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            2);  // no temporary file left
  EXPECT_EQ(client.GetToFile(server.Url("/a.css"), folder / "no/such/folder/a.css").failure,
            HttpFailure::FileWrite);
}

TEST(HttpClient, HeadOffersEveryRedirect) {
  LoopbackServer server;
  server.Redirect("/one", "/two", 301);
  server.Redirect("/two", "/three");
  server.Serve("/three", std::string(1234, 'x'), "text/plain",
               {{"Last-Modified", "Thu, 01 Jan 2026 00:00:00 GMT"}});
  HttpClient client(ShortLimits());
  std::vector<std::string> offered;
  const HttpResponse followed = client.Head(
      server.Url("/one"), [&](const std::string& location, const HttpResponse& response) {
        offered.push_back(location + " " + std::to_string(response.status));
        return true;
      });
  ASSERT_TRUE(followed.ok());
  EXPECT_EQ(offered,
            (std::vector<std::string>{server.Url("/two") + " 301", server.Url("/three") + " 302"}));
  EXPECT_EQ(followed.status, 200);
  EXPECT_EQ(followed.contentLength, 1234u);
  EXPECT_EQ(followed.lastModified, "Thu, 01 Jan 2026 00:00:00 GMT");
  EXPECT_EQ(followed.body, "");

  const HttpResponse refused = client.Head(
      server.Url("/one"), [](const std::string&, const HttpResponse&) { return false; });
  EXPECT_EQ(refused.status, 301);
  EXPECT_EQ(refused.statusLine, "HTTP/1.1 301 Moved Permanently");
}

TEST(HttpClient, ReusesConnectionsUnlessToldNotTo) {
  LoopbackServer server;
  server.Serve("/f", "x");
  {
    HttpClient client(ShortLimits());
    for (int i = 0; i < 5; ++i)
      ASSERT_TRUE(client.Get(server.Url("/f")).ok());
  }
  EXPECT_EQ(server.ConnectionCount(), 1u);
  HttpClientOptions options = ShortLimits();
  options.reuse = ConnectionReuse::NewConnectionEachTime;
  HttpClient client(options);
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(client.Get(server.Url("/f")).ok());
  EXPECT_EQ(server.ConnectionCount(), 6u);
}

TEST(HttpClient, TlsIsVerified) {
  LoopbackServer server(LoopbackServer::Tls::On);
  ASSERT_FALSE(server.CertificateFile().empty()) << "openssl could not make a certificate";
  server.Serve("/secure.html", "secret");
  // Both clients have the ordinary limits: on a loaded machine a sanitized handshake can take
  // seconds, and neither the answer nor the refusal may turn into a time-out.
  HttpClientOptions trusting;
  trusting.caFile = server.CertificateFile();
  const HttpResponse trusted = HttpClient(trusting).Get(server.Url("/secure.html"));
  ASSERT_TRUE(trusted.ok()) << trusted.failureText;
  EXPECT_EQ(trusted.body, "secret");
  // The same server is a stranger to the system's certificates.
  EXPECT_EQ(HttpClient(HttpClientOptions{}).Get(server.Url("/secure.html")).failure,
            HttpFailure::Connect);
}

TEST(HttpClient, IdleCallbackRunsWhileWaitingAndCanAbort) {
  LoopbackServer server;
  server.Hang("/hang", "x", 1000);
  HttpClientOptions options = ShortLimits();
  int idleCalls = 0;
  options.idle = [&idleCalls] {
    return ++idleCalls < 3 ? TransferControl::Continue : TransferControl::Abort;
  };
  HttpClient client(options);
  EXPECT_EQ(client.Get(server.Url("/hang")).failure, HttpFailure::Aborted);
  EXPECT_EQ(idleCalls, 3);
}

TEST(HttpClient, ShiftJisAndBlanksInUrlsAreEscaped) {
  EXPECT_EQ(EscapeUrlForRequest("http://h/a b/\x95\x5C.html?q=%41"),
            "http://h/a%20b/%95%5C.html?q=%41");
  EXPECT_EQ(EscapeUrlForRequest("http://h/\x83\x41\\x"), "http://h/%83%41\\x");
  LoopbackServer server;
  server.Serve("/\x95\x5C \x8E\x9A.html", "found");
  HttpClient client(ShortLimits());
  EXPECT_EQ(client.Get(server.Url("/\x95\x5C \x8E\x9A.html")).body, "found");
}

TEST(HttpClient, GetEachFetchesInParallelWithinTheLimits) {
  LoopbackServer server;
  std::vector<std::string> urls;
  for (int i = 0; i < 20; ++i) {
    server.Serve("/f" + std::to_string(i), "body " + std::to_string(i));
    urls.push_back(server.Url("/f" + std::to_string(i)));
  }
  server.Hang("/hang", "x", 100);
  urls.push_back(server.Url("/hang"));
  urls.push_back("http://127.0.0.1:1/refused");
  HttpClient client(ShortLimits());
  std::vector<HttpResponse> responses(urls.size());
  std::vector<int> calls(urls.size(), 0);
  client.GetEach(urls, {4, 3}, [&](std::size_t index, HttpResponse&& response) {
    ++calls[index];
    responses[index] = std::move(response);
  });
  for (std::size_t i = 0; i < 20; ++i) {
    EXPECT_EQ(calls[i], 1);
    EXPECT_TRUE(responses[i].ok());
    EXPECT_EQ(responses[i].body, "body " + std::to_string(i));
  }
  EXPECT_EQ(responses[20].failure, HttpFailure::TimedOut);
  EXPECT_EQ(responses[21].failure, HttpFailure::Connect);
  EXPECT_LE(server.ConnectionCount(), 3u) << "at most three connections to the one host";
}

// Transfers waiting for a free connection are not timed while they wait: each of these takes
// longer than the stall time-out, one after the other over the one connection allowed.
TEST(HttpClient, GetEachTimesATransferOnlyOnceItStarts) {
  LoopbackServer server;
  std::vector<std::string> urls;
  for (const char* path : {"/slow1", "/slow2", "/slow3"}) {
    server.Drip(path, 8, std::chrono::milliseconds(50));
    urls.push_back(server.Url(path));
  }
  HttpClientOptions options = ShortLimits();
  options.limits.slowBytes = 1;
  HttpClient client(options);
  std::vector<HttpResponse> responses(urls.size());
  client.GetEach(urls, {1, 1}, [&](std::size_t index, HttpResponse&& response) {
    responses[index] = std::move(response);
  });
  for (const HttpResponse& response : responses) {
    EXPECT_TRUE(response.ok()) << response.failureText;
    EXPECT_EQ(response.body, "xxxxxxxx");
  }
}

TEST(HttpClient, GetEachStopsWhenAsked) {
  LoopbackServer server;
  server.Hang("/a", "x", 100);
  server.Hang("/b", "x", 100);
  HttpClientOptions options = ShortLimits();
  options.limits.stallTimeout = std::chrono::milliseconds(10'000);
  int idleCalls = 0;
  options.idle = [&idleCalls] {
    return ++idleCalls < 3 ? TransferControl::Continue : TransferControl::Abort;
  };
  HttpClient client(options);
  const std::vector<std::string> urls = {server.Url("/a"), server.Url("/b"), server.Url("/c")};
  std::vector<HttpFailure> failures(urls.size(), HttpFailure::None);
  client.GetEach(urls, {1, 1}, [&](std::size_t index, HttpResponse&& response) {
    failures[index] = response.failure;
  });
  EXPECT_EQ(failures, std::vector<HttpFailure>(3, HttpFailure::Aborted));
}

}  // namespace
}  // namespace pellucor

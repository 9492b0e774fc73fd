#include "web/Fetch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Iconv.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::LoopbackServer;
using testing::ReadBytes;
using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;

HttpClient ShortLimitClient() {
  HttpClientOptions options;
  options.limits.stallTimeout = std::chrono::milliseconds(300);
  options.limits.maxBodyInMemory = 1 << 20;
  options.limits.maxFileSize = 1 << 20;
  return HttpClient(options);
}

TEST(ReadUrlText, BodyWithCrLfLineEndsOrEmptyOnFailure) {
  LoopbackServer server;
  server.Serve("/page.html", std::string("a\nb\rc\r\nd\0e", 10));
  server.NotFound("/missing.html", "<html>404\n</html>");
  server.Hang("/hang.html", "<html>", 1000);
  server.Endless("/endless.html");
  HttpClient client = ShortLimitClient();
  EXPECT_EQ(ReadUrlText(client, server.Url("/page.html")), std::string("a\r\nb\r\nc\r\nd\0e", 12));
  EXPECT_EQ(ReadUrlText(client, server.Url("/missing.html")), "<html>404\r\n</html>");
  EXPECT_EQ(ReadUrlText(client, server.Url("/hang.html")), "");
  EXPECT_EQ(ReadUrlText(client, server.Url("/endless.html")), "");
  EXPECT_EQ(ReadUrlText(client, "http://127.0.0.1:1/"), "");
}

TEST(DownloadUrlToFile, RefusesBadArgumentsAndOtherwiseTries) {
  LoopbackServer server;
  server.Serve("/a.js", "var a;");
  TempFolder folder;
  HttpClient client = ShortLimitClient();
  EXPECT_FALSE(DownloadUrlToFile(client, "", folder / "a.js"));
  EXPECT_FALSE(DownloadUrlToFile(client, server.Url("/a.js"), ""));
  EXPECT_FALSE(DownloadUrlToFile(client, "a.js", folder / "a.js"));
  EXPECT_FALSE(DownloadUrlToFile(client, server.Url("/a.js"), server.Url("/a.js")));
  EXPECT_TRUE(DownloadUrlToFile(client, server.Url("/a.js"), folder / "a.js"));
  EXPECT_EQ(ReadBytes(folder / "a.js"), "var a;");
  // Attempted, so true, though nothing could be fetched.
  EXPECT_TRUE(DownloadUrlToFile(client, "http://127.0.0.1:1/b.js", folder / "b.js"));
  EXPECT_FALSE(std::filesystem::exists(folder / "b.js"));
}

TEST(DownloadResourceFile, StoresUsableFilesOnly) {
  LoopbackServer server;
  server.Serve("/a.css", "body{}", "text/css");
  server.Serve("/soft404.png", "<html><body>moved</body></html>");
  server.NotFound("/gone.png", "<HTML>gone</HTML>");
  server.Serve("/error.png", "plain error", "text/plain");
  server.Serve("/gif.png", std::string("GIF89a\0\1", 8), "image/png");
  server.Serve("/photo", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10), "image/jpeg");
  server.Serve("/binary.png", std::string("\x89PNG\r\n", 6), "image/png");
  server.Endless("/huge.png");
  TempFolder folder;
  HttpClient client = ShortLimitClient();
  struct Case {
    const char* name;
    std::string url;
    std::string path;
    FileExtension extension;
    bool stored;
    std::string storedAs;  // the file left behind, empty for none
  } cases[] = {
      {"style sheet", server.Url("/a.css"), folder / "a.css", FileExtension::KeepName, true,
       "a.css"},
      {"page instead of image", server.Url("/soft404.png"), folder / "soft404.png",
       FileExtension::FromImageBytes, false, ""},
      {"404 page", server.Url("/gone.png"), folder / "gone.png", FileExtension::FromImageBytes,
       false, ""},
      {"no web URL", "/a.css", folder / "c.css", FileExtension::KeepName, false, ""},
      {"GIF bytes get .gif", server.Url("/gif.png"), folder / "gif.png",
       FileExtension::FromImageBytes, true, "gif.gif"},
      {"JFIF bytes get .jpg", server.Url("/photo"), folder / "photo", FileExtension::FromImageBytes,
       true, "photo.jpg"},
      {"other image bytes keep their name", server.Url("/binary.png"), folder / "binary.png",
       FileExtension::FromImageBytes, true, "binary.png"},
      {"GIF bytes of a text resource keep their name", server.Url("/gif.png"),
       folder / "text.gif.txt", FileExtension::KeepName, true, "text.gif.txt"},
      {"too large", server.Url("/huge.png"), folder / "huge.png", FileExtension::FromImageBytes,
       false, ""},
      {"Shift_JIS file name", server.Url("/a.css"), folder.path() + "/" + Sjis("表示.css"),
       FileExtension::KeepName, true, "表示.css"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto before = std::distance(std::filesystem::directory_iterator(folder.path()),
                                      std::filesystem::directory_iterator());
    EXPECT_EQ(DownloadResourceFile(client, c.url, c.path, c.extension), c.stored);
    const auto after = std::distance(std::filesystem::directory_iterator(folder.path()),
                                     std::filesystem::directory_iterator());
    EXPECT_EQ(after - before, c.storedAs.empty() ? 0 : 1) << "no partial or extra file";
    if (!c.storedAs.empty()) {
      EXPECT_TRUE(std::filesystem::exists(folder / c.storedAs));
    }
  }
}

}  // namespace
}  // namespace pellucor

#include "cli/ProbeCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "CommandRun.h"
#include "support/LoopbackServer.h"

namespace pellucor::cli {
namespace {

using testing::LoopbackServer;

CommandRun Probe(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunProbe(arguments, out, error); });
}

// Greenwich time for the test, so the local time shown is known.
class UtcZone {
 public:
  UtcZone() {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
  }
  ~UtcZone() {
    if (old_) {
      ::setenv("TZ", old_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(ProbeCommand, PrintsTheSummaryThenTheHeaders) {
  UtcZone zone;
  LoopbackServer server;
  server.Serve("/files/report.pdf", "0123456789", "application/pdf",
               {{"Last-Modified", "Wed, 21 Oct 2015 07:28:00 GMT"}});
  server.Redirect("/r", server.Url("/files/report.pdf"));
  const CommandRun run = Probe({server.Url("/r")});
  ASSERT_EQ(run.status, 0) << run.error;
  const std::string url = server.Url("/files/report.pdf");
  const std::string summary = url +
                              "\n\n\n"
                              "最終更新日時　　： 2015年10月21日 07時28分\n"
                              "ファイルサイズ　　： 10 バイト\n"
                              "フルパス名　　　　： " +
                              url +
                              "\n"
                              "ファイル名　　　　 ： report.pdf\n"
                              "\n";
  EXPECT_TRUE(run.out.starts_with(summary + "HTTP/1.1 200 OK\n")) << run.out;
  EXPECT_NE(run.out.find("\nContent-Type: application/pdf\n"), std::string::npos);
  EXPECT_TRUE(run.out.ends_with("\n\n"));
  EXPECT_EQ(run.error, "");
}

TEST(ProbeCommand, ExitStatuses) {
  LoopbackServer server;
  server.Redirect("/gone", server.Url("/error/404.htm"));
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int status;
  } cases[] = {
      {"help", {"--help"}, 0},
      {"no URL", {}, 64},
      {"two URLs", {"http://a/", "http://b/"}, 64},
      {"unknown option", {"--head", "http://a/"}, 64},
      {"not a web URL", {"example.com"}, 2},
      {"a refused redirect", {server.Url("/gone")}, 1},
      {"not found", {server.Url("/missing")}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun run = Probe(c.arguments);
    EXPECT_EQ(run.status, c.status);
    if (c.status != 0) {
      EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << run.error;
      EXPECT_EQ(run.out, "");
    } else {
      EXPECT_TRUE(run.out.starts_with("usage: pellucor-cli probe"));
    }
    if (c.status == 1) {
      EXPECT_NE(run.error.find("指定したページまたはファイルが見つかりませんでした．"),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace pellucor::cli

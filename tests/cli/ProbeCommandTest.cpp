#include "cli/ProbeCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CommandRun.h"
#include "support/LoopbackServer.h"
#include "support/TimeZone.h"

namespace pellucor::cli {
namespace {

using testing::LoopbackServer;

CommandRun Probe(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunProbe(arguments, out, error); });
}

TEST(ProbeCommand, PrintsTheSummaryThenTheHeaders) {
  // Greenwich time, so the local time shown is known.
  testing::TimeZone zone("UTC0");
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
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no URL", {}, 64},
      {"two URLs", {"http://a/", "http://b/"}, 64},
      {"unknown option", {"--head", "http://a/"}, 64},
      {"not a web URL", {"example.com"}, 2},
      {"a refused redirect", {server.Url("/gone")}, 1},
      {"not found", {server.Url("/missing")}, 1},
  };
  ExpectExitStatuses("probe", Probe, cases, [](const CommandRun& run) {
    ExpectOneLineFailure(run);
    EXPECT_NE(run.error.find("指定したページまたはファイルが見つかりませんでした．"),
              std::string::npos);
  });
}

}  // namespace
}  // namespace pellucor::cli

// Commands given a named pipe where a file belongs: each refuses it at once (exit status 2)
// instead of waiting for a writer for ever, and never writes into one.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "CommandRun.h"
#include "cli/ColorizeCommand.h"
#include "cli/ColorsCommand.h"
#include "cli/FormatCommand.h"
#include "cli/ToSjisCommand.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

TEST(NamedPipes, AreRefusedAsInputAndOutput) {
  TempFolder folder;
  const std::string pipe = folder / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  WriteBytes(folder / "page.html", "<html><body style=\"color:#123456\">x</body></html>");
  struct Case {
    const char* name;
    Command run;
    bool writesOutput;
  } cases[] = {
      {"format", [](auto& a, auto& o, auto& e) { return RunFormat(a, o, e, false); }, true},
      {"colorize", [](auto& a, auto& o, auto& e) { return RunColorize(a, o, e); }, true},
      {"to-sjis", [](auto& a, auto& o, auto& e) { return RunToSjis(a, o, e, false); }, true},
      {"colors", [](auto& a, auto& o, auto& e) { return RunColors(a, o, e); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandRun input =
        Capture([&](std::ostream& out, std::ostream& error) { return c.run({pipe}, out, error); });
    EXPECT_EQ(input.status, 2) << input.error;
    if (!c.writesOutput) continue;
    const CommandRun output = Capture([&](std::ostream& out, std::ostream& error) {
      return c.run({folder / "page.html", "-o", pipe}, out, error);
    });
    EXPECT_EQ(output.status, 2) << output.error;
    struct stat status {};
    ASSERT_EQ(::lstat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
  }
}

}  // namespace
}  // namespace pellucor::cli

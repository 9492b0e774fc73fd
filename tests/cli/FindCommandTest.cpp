#include "cli/FindCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "CommandRun.h"
#include "support/SearchTree.h"
#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::SearchTree;
using testing::TempFolder;
using testing::WriteBytes;

// A run with its match lines apart from the summary that ends it.
struct FindRun {
  int status;
  std::vector<std::string> lines;  // the match lines, sorted; the summary taken off
  std::string summary;
  std::string error;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

FindRun Split(int status, const std::string& out, const std::string& error) {
  FindRun run{status, Lines(out), {}, error};
  if (!run.lines.empty()) {
    run.summary = run.lines.back();
    run.lines.pop_back();
  }
  std::sort(run.lines.begin(), run.lines.end());
  return run;
}

CommandRun FindOutput(const std::vector<std::string>& arguments) {
  return Capture(
      [&](std::ostream& out, std::ostream& error) { return RunFind(arguments, out, error); });
}

FindRun Find(const std::vector<std::string>& arguments) {
  const CommandRun run = FindOutput(arguments);
  return Split(run.status, run.out, run.error);
}

// A small tree whose files all carry one known last write time.
class FindTree : public SearchTree {
 public:
  FindTree() {
    AddDated({{"a.h", "uint32_t x;"},
              {"b.txt", std::string(3000, 'b')},
              {"empty.h", ""},
              {"sub/c.h", "xuint32_t y;"},
              {"sub/d.tmp", ""},
              {"sub/deep/e.h", "UINT32_T"},
              {"表/f.h", "x"}},
             2012, 4, 1, 18);
  }
  // The line of a match as the command prints it.
  [[nodiscard]] std::string Line(const std::string& name, const std::string& folder,
                                 const std::string& size) const {
    return name + "\t" + root() + "/" + folder + "\t" + size + "\t2012/04/01 18:00:00";
  }
};

TEST(FindCommand, PrintsOneLinePerMatchAndTheSummary) {
  FindTree tree;
  const std::string root = tree.root();
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::string> lines;
    int folders;
  } cases[] = {
      {"masks with and without case",
       {"--mask", "*.H;*.txt", "--dir", root},
       {tree.Line("a.h", "", "1KB"), tree.Line("b.txt", "", "3KB"), tree.Line("c.h", "sub/", "1KB"),
        tree.Line("e.h", "sub/deep/", "1KB"), tree.Line("empty.h", "", "0KB"),
        tree.Line("f.h", "表/", "1KB")},
       4},
      {"a folder without its subfolders",
       {"--mask", "*.h", "--dir", "<" + root},
       {tree.Line("a.h", "", "1KB"), tree.Line("empty.h", "", "0KB")},
       1},
      {"levels",
       {"--mask=*.h", "--dir", root, "--min-level", "2", "--max-level=2"},
       {tree.Line("c.h", "sub/", "1KB"), tree.Line("f.h", "表/", "1KB")},
       3},
      {"a phrase ignores case by default",
       {"--mask", "*.h", "--dir", root, "--phrase", "uint32_t"},
       {tree.Line("a.h", "", "1KB"), tree.Line("c.h", "sub/", "1KB"),
        tree.Line("e.h", "sub/deep/", "1KB")},
       4},
      {"a whole word in its case",
       {"--mask", "*.h", "--dir", root, "--phrase", "uint32_t", "--whole-word", "--case"},
       {tree.Line("a.h", "", "1KB")},
       4},
      {"excluded masks, several",
       {"--mask", "*.*", "--dir", root, "--exclude", "*.h", "--exclude=sub/*.tmp"},
       {tree.Line("b.txt", "", "3KB")},
       4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FindRun run = Find(c.arguments);
    EXPECT_EQ(run.status, 0) << run.error;
    EXPECT_EQ(run.lines, c.lines);
    const std::string start = " 【 " + std::to_string(c.folders) +
                              " 】個のフォルダーを検索し、【 " + std::to_string(c.lines.size()) +
                              " 】個のファイルを検出しました - ［ ";
    EXPECT_TRUE(run.summary.starts_with(start)) << run.summary;
    EXPECT_TRUE(run.summary.ends_with(" ］秒")) << run.summary;
  }
}

TEST(FindCommand, ExitStatuses) {
  FindTree tree;
  const std::string root = tree.root();
  const ExitStatusCase cases[] = {
      {"help", {"--help"}, 0},
      {"no mask", {"--dir", root}, 64},
      {"no folder", {"--mask", "*"}, 64},
      {"a positional argument", {"--mask", "*", "--dir", root, "extra"}, 64},
      {"a level that is no number", {"--mask", "*", "--dir", root, "--max-level", "x"}, 64},
      {"a level past 16 bits", {"--mask", "*", "--dir", root, "--min-level", "65536"}, 64},
      {"unknown option", {"--mask", "*", "--dir", root, "--fast"}, 64},
      {"a folder that does not exist", {"--mask", "*", "--dir", root + "/none"}, 2},
      {"one of several folders missing", {"--mask", "*", "--dir", root + ";<" + root + "/x"}, 2},
      {"a phrase with no Shift_JIS form", {"--mask", "*", "--dir", root, "--phrase", "한"}, 2},
      {"nothing found", {"--mask", "*.none", "--dir", root}, 1},
  };
  // Nothing found still ends with the summary on standard output.
  ExpectExitStatuses("find", FindOutput, cases, [](const CommandRun& run) {
    EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;  // the summary alone
  });
}

// Output that raises SIGINT, as Ctrl-C would, once the first line has been written.
class InterruptingBuffer : public std::stringbuf {
 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    const std::streamsize written = std::stringbuf::xsputn(bytes, count);
    if (!raised_ && std::string_view(bytes, static_cast<std::size_t>(count)).find('\n') !=
                        std::string_view::npos) {
      raised_ = true;
      std::raise(SIGINT);
    }
    return written;
  }

 private:
  bool raised_ = false;
};

TEST(FindCommand, InterruptAbortsAndStillPrintsTheSummary) {
  TempFolder tree;
  for (int i = 0; i < 50; ++i)
    WriteBytes(tree / ("d" + std::to_string(i % 5) + "/f" + std::to_string(i) + ".txt"), "x");
  InterruptingBuffer buffer;
  std::ostream out(&buffer);
  std::ostringstream error;
  const int status = RunFind({"--mask", "*.txt", "--dir", tree.path()}, out, error);
  const FindRun run = Split(status, buffer.str(), error.str());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.lines.size(), 1u);  // the handler's flag stops the walk before the next match
  EXPECT_EQ(run.summary, "  実行は中止されました - ");
  EXPECT_EQ(run.error, "the search was aborted\n");
  // The handler is taken down again: the signal's own action is back.
  struct sigaction action {};
  ::sigaction(SIGINT, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace pellucor::cli

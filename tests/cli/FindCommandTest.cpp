#include "cli/FindCommand.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace pellucor::cli {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

struct CommandRun {
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

CommandRun Split(int status, const std::string& out, const std::string& error) {
  CommandRun run{status, Lines(out), {}, error};
  if (!run.lines.empty()) {
    run.summary = run.lines.back();
    run.lines.pop_back();
  }
  std::sort(run.lines.begin(), run.lines.end());
  return run;
}

CommandRun Find(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream error;
  const int status = RunFind(arguments, out, error);
  return Split(status, out.str(), error.str());
}

// A small tree whose files all carry one known last write time.
class FindTree : public TempFolder {
 public:
  FindTree() {
    for (const auto& [name, bytes] :
         std::vector<std::pair<std::string, std::string>>{{"a.h", "uint32_t x;"},
                                                          {"b.txt", std::string(3000, 'b')},
                                                          {"empty.h", ""},
                                                          {"sub/c.h", "xuint32_t y;"},
                                                          {"sub/d.tmp", ""},
                                                          {"sub/deep/e.h", "UINT32_T"},
                                                          {"表/f.h", "x"}}) {
      WriteBytes(*this / name, bytes);
      std::tm local{};
      local.tm_year = 2012 - 1900;
      local.tm_mon = 3;
      local.tm_mday = 1;
      local.tm_hour = 18;
      local.tm_isdst = -1;
      const timespec time{std::mktime(&local), 0};
      const timespec times[2] = {time, time};
      ::utimensat(AT_FDCWD, (*this / name).c_str(), times, 0);
    }
  }
  // The line of a match as the command prints it.
  [[nodiscard]] std::string Line(const std::string& name, const std::string& folder,
                                 const std::string& size) const {
    return name + "\t" + path() + "/" + folder + "\t" + size + "\t2012/04/01 18:00:00";
  }
};

TEST(FindCommand, PrintsOneLinePerMatchAndTheSummary) {
  FindTree tree;
  const std::string root = tree.path();
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
    const CommandRun run = Find(c.arguments);
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
  const std::string root = tree.path();
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int status;
  } cases[] = {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream out;
    std::ostringstream error;
    const int status = RunFind(c.arguments, out, error);
    EXPECT_EQ(status, c.status);
    if (c.status == 0) {
      EXPECT_TRUE(out.str().starts_with("usage: pellucor-cli find"));
    } else if (c.status == 1) {
      EXPECT_EQ(Lines(out.str()).size(), 1u) << out.str();  // the summary alone
    } else {
      EXPECT_EQ(out.str(), "");
      const std::string message = error.str();
      EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
  }
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
  const CommandRun run = Split(status, buffer.str(), error.str());
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

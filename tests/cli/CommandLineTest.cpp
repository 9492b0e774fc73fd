#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pellucor::cli {
namespace {

TEST(CommandLine, OptionsFlagsAndPositionalArguments) {
  std::ostringstream error;
  const auto line =
      CommandLine::Parse({"in.html", "-o", "out", "--charset=euc-jp", "--help", "--", "-x"},
                         {"-o", "--charset"}, {"--help"}, error);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Value("-o"), "out");
  EXPECT_EQ(line->Value("--charset"), "euc-jp");
  EXPECT_TRUE(line->Has("--help"));
  EXPECT_EQ(line->Positional(), (std::vector<std::string>{"in.html", "-x"}));
}

TEST(CommandLine, RepeatedOptionsKeepEveryValueInOrder) {
  std::ostringstream error;
  const auto line = CommandLine::Parse(
      {"--frame", "b.html", "--frame=a.html", "--charset", "x", "--frame", "b.html"},
      {"--frame", "--charset"}, {}, error);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Values("--frame"), (std::vector<std::string>{"b.html", "a.html", "b.html"}));
  EXPECT_EQ(line->Value("--frame"), "b.html");
  EXPECT_EQ(line->Values("--charset"), std::vector<std::string>{"x"});
  EXPECT_EQ(line->Values("-o"), std::vector<std::string>{});
}

TEST(CommandLine, UsageErrors) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"-o"}, {"--unknown"}, {"--help=yes"}}) {
    std::ostringstream error;
    EXPECT_FALSE(CommandLine::Parse(arguments, {"-o"}, {"--help"}, error));
    EXPECT_FALSE(error.str().empty());
  }
}

}  // namespace
}  // namespace pellucor::cli

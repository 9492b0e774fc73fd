#include "html/ReplaceRows.h"

#include <gtest/gtest.h>

#include <random>

#include "support/Iconv.h"

namespace pellucor {
namespace {

// Random texts made of the pieces the rows look for, so that matches meet, nest and touch.
std::string RandomText(std::mt19937& random, std::span<const std::string> pieces, int count) {
  std::string text;
  for (int k = 0; k < count; ++k)
    text += pieces[random() % pieces.size()];
  return text;
}

TEST(ApplyRows, RunsOfLineBreakRowsGiveWhatRowByRowGives) {
  const ReplaceRow rows[] = {
      {"><div", ">\r\n<div"},
      {"></div", ">\r\n</div"},
      {"</div><", "</div>\r\n<"},
      {"><d", ">\r\n<d"},
      {"\r\n>", ">"},
      {"><li", ">\r\n<li"},
      {"<li>\r\n<", "<li><"},
      {">\r\n</li>", "></li>"},
      {"--><", "-->\r\n<"},
      {"td></td", "td>&nbsp;</td"},
      {"</td></tr>", "</td>\r\n</tr>"},
      {"><tr", ">\r\n<tr"},
  };
  const std::vector<std::string> pieces = {"<",  ">",    "/",  "div", "DIV", "li",   "d",
                                           "--", "\r\n", "td", "tr",  "x",   "\x81", "\x95\x5C"};
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(random, pieces, static_cast<int>(random() % 40));
    std::string fused = text;
    ApplyRows(fused, rows);
    std::string rowByRow = text;
    for (const ReplaceRow& row : rows)
      ReplaceAllIn(rowByRow, row.pattern, row.replacement, CaseMode::IgnoreAsciiCase);
    ASSERT_EQ(fused, rowByRow) << text;
  }
}

TEST(LowerCasingRows, OneWalkGivesWhatRowByRowGives) {
  const std::string_view patterns[] = {
      "<A",         "<ABBR",           "</A",     "\"TOP\"", " HREF=",
      "JAVASCRIPT", "TEXT/JAVASCRIPT", "@IMPORT", "<B",      "<BR"};
  const LowerCasingRows table(patterns);
  const std::vector<std::string> pieces = {
      "<",      "/",     "A",       "a",    "BBR", "\"TOP\"", "TOP\"",    " HREF=", "Java",
      "SCRIPT", "TEXT/", "@IMPORT", "\x83", "B",   "R",       "\x95\x5C", "\x81"};
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = RandomText(random, pieces, static_cast<int>(random() % 30));
    std::string oneWalk = text;
    table.Apply(oneWalk);
    std::string rowByRow = text;
    for (const std::string_view pattern : patterns)
      ReplaceAllIn(rowByRow, pattern, LowerCaseText(pattern), CaseMode::IgnoreAsciiCase);
    ASSERT_EQ(oneWalk, rowByRow) << text;
  }
}

}  // namespace
}  // namespace pellucor

#include "html/ManyRows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pellucor {
namespace {

std::vector<ReplaceRow> Views(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::vector<ReplaceRow> views;
  for (const auto& [pattern, replacement] : rows)
    views.push_back({pattern, replacement});
  return views;
}

// Pieces that make rows interact: letters in both cases, the quote and marks of references,
// and double-byte characters whose second byte is a letter ("ア" is 0x83 0x41).
const std::vector<std::string> kPieces = {"a",  "A", "b",        "/",        "?",   "@",
                                          "\"", ".", "\x83\x41", "\x82\xa0", "\x83"};

std::string RandomText(std::mt19937& random, std::size_t most, bool loneLeadBytes) {
  std::string text;
  const std::size_t count = std::uniform_int_distribution<std::size_t>(0, most)(random);
  const std::size_t pieces = loneLeadBytes ? kPieces.size() : kPieces.size() - 1;
  for (std::size_t k = 0; k < count; ++k)
    text += kPieces[std::uniform_int_distribution<std::size_t>(0, pieces - 1)(random)];
  return text;
}

TEST(ApplyManyRows, GivesWhatTheRowsGiveOneAfterAnother) {
  std::mt19937 random(20261211);
  int inOneWalk = 0;
  int oneAfterAnother = 0;
  for (int round = 0; round < 20000; ++round) {
    const bool lone = round % 10 == 0;
    const std::string text = RandomText(random, 40, lone);
    std::vector<std::pair<std::string, std::string>> rows;
    const int count = std::uniform_int_distribution<int>(1, 8)(random);
    for (int k = 0; k < count; ++k)
      rows.emplace_back(RandomText(random, 3, lone && k == 0), RandomText(random, 3, false));
    const auto views = Views(rows);
    for (const CaseMode mode : {CaseMode::IgnoreAsciiCase, CaseMode::Exact}) {
      std::string expected = text;
      ApplyRows(expected, views, mode);
      std::string played = text;
      const RowsPlayed how = ApplyManyRows(played, views, mode);
      (how == RowsPlayed::InOneWalk ? inOneWalk : oneAfterAnother)++;
      ASSERT_EQ(played, expected) << "round " << round << " text \"" << text << "\"";
    }
  }
  // Both ways were tried by the table above, or the comparison says little.
  EXPECT_GT(inOneWalk, 10000);
  EXPECT_GT(oneAfterAnother, 1000);
}

// The rows of a page's references with queries, as the run makes them: one walk, and the text
// the rows give one after another.
TEST(ApplyManyRows, ReferenceRowsOfALongPageTakeOneWalk) {
  std::string page = "<html><body>\r\n";
  std::vector<std::pair<std::string, std::string>> rows;
  for (int n = 0; n < 1000; ++n) {
    const std::string number = std::to_string(n);
    const std::string reference = "img/p" + number + ".png?" + number;
    const std::string name = "p" + number + ".png?" + number;
    page += "<img src=\"" + reference + "\"><a href=\"http://host/" + reference + "\">" + name +
            "</a>\r\n";
    const std::string safe = "img/p" + number + ".png@" + number;
    rows.emplace_back("http://host/" + reference, safe);
    rows.emplace_back(reference, safe);
    rows.emplace_back(name, "p" + number + ".png@" + number);
    rows.emplace_back(reference, safe);
  }
  page += "</body></html>\r\n";
  const auto views = Views(rows);
  std::string expected = page;
  ApplyRows(expected, views, CaseMode::IgnoreAsciiCase);
  EXPECT_EQ(ApplyManyRows(page, views, CaseMode::IgnoreAsciiCase), RowsPlayed::InOneWalk);
  EXPECT_EQ(page, expected);
  EXPECT_NE(page.find("<img src=\"img/p999.png@999\"><a href=\"img/p999.png@999\">"
                      "p999.png@999</a>"),
            std::string::npos);
}

}  // namespace
}  // namespace pellucor

#include "files/PhraseSearch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <string>

#include "support/Iconv.h"
#include "support/TempFolder.h"

namespace pellucor {
namespace {

using testing::Sjis;
using testing::TempFolder;
using testing::WriteBytes;

TContentCriteria Content(std::string phrase, bool ignoreCase, bool wholeWord) {
  return {std::move(phrase), ignoreCase, wholeWord};
}

// The rule read plainly: fold the whole file, try every start.
bool ContainsByDefinition(std::string file, std::string phrase, const TContentCriteria& how) {
  if (phrase.empty() || file.size() < phrase.size()) return false;
  const auto lower = [](std::string& text) {
    for (char& byte : text) {
      if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte + 32);
    }
  };
  if (how.IgnoreCase) {
    lower(file);
    lower(phrase);
  }
  for (std::size_t at = 0; at + phrase.size() <= file.size(); ++at) {
    if (file.compare(at, phrase.size(), phrase) != 0) continue;
    if (!how.WholeWord) return true;
    const bool before = at == 0 || !IsWordByte(static_cast<unsigned char>(file[at - 1]));
    const std::size_t end = at + phrase.size();
    const bool after = end == file.size() || !IsWordByte(static_cast<unsigned char>(file[end]));
    if (before && after) return true;
  }
  return false;
}

TEST(FileContainsPhrase, CaseAndWholeWord) {
  TempFolder folder;
  struct Case {
    const char* name;
    std::string file;
    TContentCriteria content;
    bool found;
  } cases[] = {
      {"ignoring case finds xABCy", "xABCy", Content("abc", true, false), true},
      {"whole word rejects xABCy", "xABCy", Content("abc", true, true), false},
      {"whole word between a blank and a full stop", "x ABC.", Content("abc", true, true), true},
      {"whole word at the file's ends", "abc", Content("abc", true, true), true},
      {"whole word after a rejected earlier match", "abcd abc", Content("abc", false, true), true},
      {"digits are word bytes", "1abc", Content("abc", false, true), false},
      {"an underscore is no word byte", "_abc_", Content("abc", false, true), true},
      {"bytes of 0x80 and above separate words", Sjis("表abc語"), Content("abc", false, true),
       true},
      {"exact case", "xABCy", Content("abc", false, false), false},
      {"exact case found", "xabcy", Content("abc", false, false), true},
      {"a blank typed before the phrase counts", "xabc", Content(" abc", true, false), false},
      {"a blank typed before the phrase, found", "x abc", Content(" abc", true, false), true},
      {"a byte sequence, even inside a double-byte character", Sjis("表"),
       Content("\\", false, false), true},
      {"file shorter than the phrase", "ab", Content("abc", true, false), false},
      {"empty phrase", "abc", Content("", true, false), false},
      {"empty file", "", Content("a", true, false), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(folder / "file", c.file);
    EXPECT_EQ(FileContainsPhrase(folder / "file", c.content), c.found);
    EXPECT_EQ(ContainsByDefinition(c.file, c.content.Phrase, c.content), c.found);
  }
}

TEST(FileContainsPhrase, MatchesAcrossChunkBorders) {
  TempFolder folder;
  const std::string phrase = "needle";
  for (const bool wholeWord : {false, true}) {
    // Every start from wholly before the first border to wholly after it, and around the second.
    for (const std::size_t border : {kPhraseChunkSize, 2 * kPhraseChunkSize}) {
      for (std::size_t start = border - phrase.size() - 1; start <= border + 1; ++start) {
        SCOPED_TRACE(std::to_string(start) + (wholeWord ? " whole word" : ""));
        std::string file(2 * kPhraseChunkSize + 100, 'x');
        file.replace(start, phrase.size(), "NEEDLE");
        file[start - 1] = ' ';
        file[start + phrase.size()] = '.';
        WriteBytes(folder / "file", file);
        EXPECT_TRUE(FileContainsPhrase(folder / "file", Content(phrase, true, wholeWord)));
        // A word byte right behind the match, perhaps the first byte of the next chunk.
        file[start + phrase.size()] = 'z';
        WriteBytes(folder / "file", file);
        EXPECT_EQ(FileContainsPhrase(folder / "file", Content(phrase, true, wholeWord)),
                  !wholeWord);
        // A word byte right before it, perhaps the last byte of the previous chunk.
        file[start + phrase.size()] = '.';
        file[start - 1] = '7';
        WriteBytes(folder / "file", file);
        EXPECT_EQ(FileContainsPhrase(folder / "file", Content(phrase, true, wholeWord)),
                  !wholeWord);
      }
    }
  }
}

TEST(FileContainsPhrase, PhrasesLongerThanAChunk) {
  TempFolder folder;
  std::string phrase(kPhraseChunkSize + 5000, 'p');
  phrase.front() = 'q';
  phrase.back() = 'r';
  for (const std::size_t start :
       {std::size_t{0}, std::size_t{1}, kPhraseChunkSize - 3, kPhraseChunkSize + 7000}) {
    SCOPED_TRACE(start);
    std::string file(start, 'p');
    file += phrase;
    file += std::string(100, 'p');
    WriteBytes(folder / "file", file);
    EXPECT_TRUE(FileContainsPhrase(folder / "file", Content(phrase, false, false)));
    file[start + phrase.size() / 2] = 'x';
    WriteBytes(folder / "file", file);
    EXPECT_FALSE(FileContainsPhrase(folder / "file", Content(phrase, false, false)));
  }
}

TEST(FileContainsPhrase, AgreesWithTheRuleOnRandomFiles) {
  TempFolder folder;
  std::mt19937 random(20240517);
  const std::string alphabet = "aAb .";
  for (int round = 0; round < 200; ++round) {
    std::uniform_int_distribution<std::size_t> sizeNear(kPhraseChunkSize - 8, kPhraseChunkSize + 8);
    std::string file(round % 2 == 0 ? sizeNear(random) : round, 'a');
    for (char& byte : file)
      byte = alphabet[random() % alphabet.size()];
    std::string phrase(1 + random() % 3, 'a');
    for (char& byte : phrase)
      byte = alphabet[random() % 3];
    const TContentCriteria content = Content(phrase, random() % 2 == 0, random() % 2 == 0);
    SCOPED_TRACE(std::to_string(round) + " phrase '" + phrase + "'");
    WriteBytes(folder / "file", file);
    EXPECT_EQ(FileContainsPhrase(folder / "file", content),
              ContainsByDefinition(file, phrase, content));
  }
}

TEST(FileContainsPhrase, ReadsOnlyRegularFilesItCanOpen) {
  TempFolder folder;
  WriteBytes(folder / "sub/file", "abc");
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
  WriteBytes(folder / "locked", "abc");
  ::chmod((folder / "locked").c_str(), 0);
  const TContentCriteria content = Content("abc", true, false);
  EXPECT_TRUE(FileContainsPhrase(folder / "sub/file", content));
  EXPECT_FALSE(FileContainsPhrase(folder / "missing", content));
  EXPECT_FALSE(FileContainsPhrase(folder / "sub", content));
  EXPECT_FALSE(FileContainsPhrase(folder / "pipe", content));  // returns at once, no writer needed
  if (::geteuid() != 0) {
    EXPECT_FALSE(FileContainsPhrase(folder / "locked", content));
  }
  // A path whose bytes are no Shift_JIS text has no name on the system.
  EXPECT_FALSE(FileContainsPhrase(folder.path() + "/\x85\x40", content));
  const std::atomic<bool> stop{true};
  EXPECT_FALSE(FileContainsPhrase(folder / "sub/file", content, &stop));
}

}  // namespace
}  // namespace pellucor

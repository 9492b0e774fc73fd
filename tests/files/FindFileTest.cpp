#include "files/FindFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/TimeBounds.h"
#include "support/Iconv.h"
#include "support/SearchTree.h"

namespace pellucor {
namespace {

using Strings = std::vector<std::string>;
using testing::SearchTree;
using testing::Sjis;

// The tree most cases search: files of several extensions on three levels.
void AddSampleTree(const SearchTree& tree) {
  tree.Add({{"a.h", "x"},
            {"b.H", "x"},
            {"readme", "x"},
            {"page.htm", "x"},
            {"page.html", "x"},
            {".hidden.h", "x"},
            {"sub/c.h", "x"},
            {"sub/d.tmp", "x"},
            {"sub/deep/e.h", "x"},
            {"sub/deep/f.tmp", "x"},
            {"other/g.h", "x"},
            {"other/sub/h.tmp", "x"}});
}

TEST(FindFile, CriteriaOnASmallTree) {
  SearchTree tree;
  AddSampleTree(tree);
  const std::string root = tree.root();
  const Strings allH = {".hidden.h", "a.h", "b.H", "other/g.h", "sub/c.h", "sub/deep/e.h"};
  struct Case {
    const char* name;
    std::function<void(TFileCriteria&)> set;
    Strings found;
  } cases[] = {
      {"a mask with extension, letters without case",
       [&](TFileCriteria& files) { files.FileName = "*.h"; }, allH},
      {"a mask without extension names files without one",
       [&](TFileCriteria& files) { files.FileName = "read*"; },
       {"readme"}},
      {"a mask that names files with no extension",
       [&](TFileCriteria& files) { files.FileName = "*."; },
       {"readme"}},
      {"the same mask three times in different case searches once",
       [&](TFileCriteria& files) { files.FileName = "*.h; *.H;*.h"; }, allH},
      {"two masks that both match report a file twice",
       [&](TFileCriteria& files) {
         files.FileName = "*.htm*;*.html";
         files.Subfolders = false;
       },
       {"page.htm", "page.html", "page.html"}},
      {"a folder named twice reports its files twice",
       [&](TFileCriteria& files) {
         files.FileName = "a.h";
         files.Location = root + ";" + root + "/";
       },
       {"a.h", "a.h"}},
      {"'<' does not descend whatever Subfolders says",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.Location = "<" + root;
       },
       {".hidden.h", "a.h", "b.H"}},
      {"'>' descends whatever Subfolders says",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.Location = ">" + root;
         files.Subfolders = false;
       },
       allH},
      {"an Included entry with '<' searches its folder only",
       [&](TFileCriteria& files) {
         files.Location.clear();
         files.Included = {"<" + root + "/sub/*.h"};
       },
       {"sub/c.h"}},
      {"an Included entry without '<' or '>' follows Subfolders",
       [&](TFileCriteria& files) {
         files.Location.clear();
         files.Included = {root + "/sub/*.tmp"};
       },
       {"sub/d.tmp", "sub/deep/f.tmp"}},
      {"MaxLevel 1 searches the target folder only",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.MaxLevel = 1;
       },
       {".hidden.h", "a.h", "b.H"}},
      {"MaxLevel 2 goes one level down",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.MaxLevel = 2;
       },
       {".hidden.h", "a.h", "b.H", "other/g.h", "sub/c.h"}},
      {"MinLevel 2 reports nothing from the target folder but everything below",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.MinLevel = 2;
       },
       {"other/g.h", "sub/c.h", "sub/deep/e.h"}},
      {"an excluded mask without folder part leaves files out everywhere",
       [&](TFileCriteria& files) {
         files.FileName = "*.tmp;*.h";
         files.Excluded = {"*.h"};
       },
       {"other/sub/h.tmp", "sub/d.tmp", "sub/deep/f.tmp"}},
      {"an excluded mask with a relative folder only in folders ending so",
       [&](TFileCriteria& files) {
         files.FileName = "*.tmp";
         files.Excluded = {"sub/*.tmp"};
       },
       {"sub/deep/f.tmp"}},
      {"an excluded mask with an absolute folder",
       [&](TFileCriteria& files) {
         files.FileName = "*.h";
         files.Excluded = {root + "/sub/*"};
       },
       {".hidden.h", "a.h", "b.H", "other/g.h", "sub/deep/e.h"}},
      {"an excluded mask without extension leaves out every extension of the name",
       [&](TFileCriteria& files) {
         files.FileName = "page*";
         files.Excluded = {"page"};
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFindFile finder;
    finder.Criteria.Files.Location = root;
    c.set(finder.Criteria.Files);
    EXPECT_EQ(tree.Matches(finder), c.found);
  }
}

TEST(FindFile, AttributesSizesAndTimes) {
  SearchTree tree;
  tree.Add({{"one", "1"},
            {"two", "22"},
            {"three", "333"},
            {"four", "4444"},
            {".dot", "1"},
            {"folder.d/", ""},
            {"old", "1"},
            {"morning", "1"}});
  ::chmod((tree / "two").c_str(), 0444);
  for (const char* name : {"one", "two", "three", "four", ".dot"})
    tree.SetTimes(name, 2020, 1, 1, 20);
  tree.SetTimes("old", 2012, 4, 1, 18);
  tree.SetTimes("morning", 2015, 6, 1, 11);
  const TDateTime now = LocalDateTime({std::time(nullptr), 0});
  using Set = std::function<void(TSearchCriteria&)>;
  struct Case {
    const char* name;
    Set set;
    Strings found;
  } cases[] = {
      {"by default folders are left out and hidden files kept",
       [](TSearchCriteria&) {},
       {".dot", "four", "morning", "old", "one", "three", "two"}},
      {"folders when allowed",
       [](TSearchCriteria& c) { c.Attribute.Attributes.Include(TFileAttribute::ffDirectory); },
       {".dot", "folder.d", "four", "morning", "old", "one", "three", "two"}},
      {"hidden files when not allowed",
       [](TSearchCriteria& c) { c.Attribute.Attributes.Exclude(TFileAttribute::ffHidden); },
       {"four", "morning", "old", "one", "three", "two"}},
      {"exactly archive and read-only",
       [](TSearchCriteria& c) {
         c.Attribute.Attributes = {TFileAttribute::ffArchive, TFileAttribute::ffReadonly};
         c.Attribute.ExactMatch = true;
       },
       {"two"}},
      {"read-only files left out",
       [](TSearchCriteria& c) { c.Attribute.Attributes.Exclude(TFileAttribute::ffReadonly); },
       {".dot", "four", "morning", "old", "one", "three"}},
      {"size bounds are inclusive",
       [](TSearchCriteria& c) {
         c.Size.Min = 2;
         c.Size.Max = 3;
       },
       {"three", "two"}},
      {"a date bound admits the whole day",
       [](TSearchCriteria& c) { c.TimeStamp.ModifiedBefore = EncodeDateTime(2012, 4, 1); },
       {"old"}},
      {"a lower date bound",
       [](TSearchCriteria& c) { c.TimeStamp.ModifiedAfter = EncodeDateTime(2012, 4, 2); },
       {".dot", "four", "morning", "one", "three", "two"}},
      {"a time-of-day bound",
       [&](TSearchCriteria& c) {
         c.TimeStamp.ModifiedBefore = 0.5;
         c.TimeStamp.ModifiedAfter = 0.25;
       },
       {"morning"}},
      {"access times",
       [](TSearchCriteria& c) {
         c.TimeStamp.AccessedAfter = EncodeDateTime(2012, 4, 1, 12);
         c.TimeStamp.AccessedBefore = EncodeDateTime(2015, 6, 1, 12);
       },
       {"morning", "old"}},
      {"creation times are those of the files' making",
       [&](TSearchCriteria& c) { c.TimeStamp.CreatedBefore = now - 1; },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFindFile finder;
    tree.Aim(finder, "*");
    c.set(finder.Criteria);
    EXPECT_EQ(tree.Matches(finder), c.found);
  }
}

TEST(FindFile, SizeBoundsSeeTheWholeSize) {
  SearchTree tree;
  tree.Add({{"small", "12345"}});
  // A sparse file past 4 GiB, whose low 32 bits alone would read as one byte.
  const std::string big = tree / "big";
  const int descriptor = ::open(big.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(descriptor, 0);
  const bool sized = ::ftruncate(descriptor, (off_t{4} << 30) + 1) == 0;
  ::close(descriptor);
  if (!sized) GTEST_SKIP() << "no sparse file of 4 GiB here";
  struct Case {
    const char* name;
    std::uint32_t min, max;
    Strings found;
  } cases[] = {
      {"an upper bound leaves the large file out", 0, 10, {"small"}},
      {"a lower bound keeps it", 6, 0, {"big"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFindFile finder;
    tree.Aim(finder, "*");
    finder.Criteria.Size = {c.min, c.max};
    EXPECT_EQ(tree.Matches(finder), c.found);
  }
}

TEST(FindFile, PhraseSearchReportsFilesOnly) {
  SearchTree tree;
  tree.Add({{"a.txt", "xABCy"},
            {"b.txt", "x ABC."},
            {"c.txt", "nothing"},
            {"abc.txt/", ""},
            {"sub/d.txt", "abc"}});
  struct Case {
    const char* name;
    const char* phrase;
    bool ignoreCase;
    bool wholeWord;
    Strings found;
  } cases[] = {
      {"ignoring case", "abc", true, false, {"a.txt", "b.txt", "sub/d.txt"}},
      {"whole word", "abc", true, true, {"b.txt", "sub/d.txt"}},
      {"exact case", "ABC", false, false, {"a.txt", "b.txt"}},
      {"a blank typed first", " abc", true, false, {"b.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFindFile finder;
    tree.Aim(finder, "*.txt");
    finder.Criteria.Attribute.Attributes.Include(TFileAttribute::ffDirectory);
    finder.Criteria.Content.Phrase = c.phrase;
    finder.Criteria.Content.IgnoreCase = c.ignoreCase;
    finder.Criteria.Content.WholeWord = c.wholeWord;
    EXPECT_EQ(tree.Matches(finder), c.found);
  }
}

TEST(FindFile, FolderChangeHandlerDecidesWhatIsSearched) {
  SearchTree tree;
  AddSampleTree(tree);
  struct Case {
    const char* name;
    TFolderIgnore forSub;
    Strings found;
  } cases[] = {
      {"fiNone", TFolderIgnore::fiNone, {"a.h", "sub/c.h", "sub/deep/e.h"}},
      {"fiJustThis skips the folder's entries", TFolderIgnore::fiJustThis, {"a.h", "sub/deep/e.h"}},
      {"fiJustSubfolders does not descend", TFolderIgnore::fiJustSubfolders, {"a.h", "sub/c.h"}},
      {"fiThisAndSubfolders skips both", TFolderIgnore::fiThisAndSubfolders, {"a.h"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFindFile finder;
    tree.Aim(finder, "a.h;c.h;e.h");
    Strings folders;
    std::vector<int> levels;
    finder.OnFolderChange = [&](TFindFile& sender, const std::string& folder,
                                TFolderIgnore& ignore) {
      EXPECT_EQ(ignore, TFolderIgnore::fiNone);
      folders.push_back(folder);
      levels.push_back(sender.CurrentLevel());
      if (folder == tree / "sub/") ignore = c.forSub;
    };
    EXPECT_EQ(tree.Matches(finder), c.found);
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), tree.root() + "/");
    for (std::size_t i = 0; i < folders.size(); ++i) {
      const std::string below = folders[i].substr(tree.root().size());
      EXPECT_EQ(levels[i], std::count(below.begin(), below.end(), '/')) << folders[i];
    }
    EXPECT_EQ(finder.CurrentLevel(), 0);
  }
}

TEST(FindFile, NamesKeepTheirBytesAndLinksDoNotLoop) {
  SearchTree tree;
  tree.Add({{"資料/表.h", "x"},
            {"a.h", "x"},
            {"한국.h", "x"},
            {"한국.txt", "x"},
            {"deep/b.h", "x"},
            {"deep/한/c.h", "x"}});
  ASSERT_EQ(::symlink(tree.root().c_str(), (tree / "deep/loop").c_str()), 0);
  ASSERT_EQ(::symlink("../a.h", (tree / "deep/link.h").c_str()), 0);
  ASSERT_EQ(::symlink("nowhere", (tree / "dangling.h").c_str()), 0);
  TFindFile finder;
  finder.Criteria.Files.Location = tree.root();
  // "?" names the folder "한" too, which the walk also meets as a subfolder.
  finder.Criteria.Files.FileName = "*.h;?";
  Strings skipped;
  finder.OnNameSkipped = [&](TFindFile&, const std::string& folder, std::string_view name) {
    skipped.push_back(folder + std::string(name));
  };
  // The dangling link is an entry of no kind: no attribute bit leaves it out.
  EXPECT_EQ(tree.Matches(finder),
            (Strings{"a.h", "dangling.h", "deep/b.h", "deep/link.h", Sjis("資料/表.h")}));
  // Told of the file a mask would have looked at and of the folder left unsearched (once,
  // though both a mask and the descent meet it), not of "한국.txt", which no mask names.
  std::sort(skipped.begin(), skipped.end());
  EXPECT_EQ(skipped, (Strings{tree / "deep/한", tree / "한국.h"}));
  EXPECT_EQ(finder.SkippedNames(), 2u);
}

TEST(FindFile, ShiftJisNamesConvertBackExactly) {
  struct Case {
    const char* name;
    std::string systemName;
    std::optional<std::string> sjis;
  } cases[] = {
      {"ASCII stays", "a\\b~.h", "a\\b~.h"},
      {"Japanese", "表示.txt", Sjis("表示.txt")},
      {"no Shift_JIS form", "한국", std::nullopt},
      {"not UTF-8", "\xff.txt", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ShiftJisName(c.systemName), c.sjis);
  }
}

// A folder the walk cannot open (here: no descriptor left, as in a very deep tree) is told and
// counted, not skipped in silence.
TEST(FindFile, FoldersThatCannotBeOpenedAreTold) {
  SearchTree tree;
  std::string deep;
  for (int level = 0; level < 30; ++level)
    deep += "d" + std::to_string(level) + "/";
  tree.Add({{deep + "bottom.txt", "x"}, {"top.txt", "x"}});
  TFindFile finder;
  finder.Criteria.Files.Location = tree.root();
  finder.Criteria.Files.FileName = "*.txt";
  finder.Criteria.Files.Subfolders = true;
  int found = 0;
  finder.OnFileMatch = [&](TFindFile&, const std::string&, const TFileInfo&) { ++found; };
  std::vector<int> errors;
  finder.OnFolderUnreadable = [&](TFindFile&, const std::string&, int error) {
    errors.push_back(error);
  };
  // New descriptors take the lowest free number; ten past it, the walk runs out.
  const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(lowestFree, 0);
  ::close(lowestFree);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit few = saved;
  few.rlim_cur = static_cast<rlim_t>(lowestFree) + 10;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &few), 0);
  const ExecuteResult result = finder.Execute();
  ::setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(result, ExecuteResult::Finished);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(found, 1);  // top.txt; bottom.txt lies below the folders that could not be opened
  EXPECT_EQ(errors.front(), EMFILE);
  EXPECT_EQ(finder.UnreadableFolders(), errors.size());
}

}  // namespace
}  // namespace pellucor

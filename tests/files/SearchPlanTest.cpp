#include "files/SearchPlan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellucor {
namespace {

using Strings = std::vector<std::string>;

TEST(SearchPlan, SplitsListsTrimmedWithoutEmptiesOrRepeats) {
  struct Case {
    const char* name;
    std::string list;
    RepeatCompare compare;
    Strings pieces;
  } cases[] = {
      {"the same mask three times in different case is one",
       "*.htm; *.HTM ;*.Htm",
       RepeatCompare::IgnoreAsciiCase,
       {"*.htm"}},
      {"empty pieces dropped", ";;*.a;  ;*.b;", RepeatCompare::IgnoreAsciiCase, {"*.a", "*.b"}},
      {"folders differing in case are two", "/x/a;/x/A", RepeatCompare::Exact, {"/x/a", "/x/A"}},
      {"an exact repeat is dropped", "/x/a;/x/a", RepeatCompare::Exact, {"/x/a"}},
      {"nothing", "", RepeatCompare::Exact, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitSearchList(c.list, c.compare), c.pieces);
  }
}

TEST(SearchPlan, FoldersAreMadeAbsoluteAndNormal) {
  struct Case {
    const char* name;
    std::string folder, current, path;
  } cases[] = {
      {"absolute gets its slash", "/usr/include", "/home/u", "/usr/include/"},
      {"relative against the current folder", "src/files", "/work", "/work/src/files/"},
      {"dots and repeated slashes", "/a//b/./c/../d/", "/", "/a/b/d/"},
      {"above the root is the root", "/../..", "/", "/"},
      {"climbing out of the current folder", "../x", "/work/main", "/work/x/"},
      {"empty is the current folder", "", "/work", "/work/"},
      {"an unknown current folder keeps a relative folder relative", "../x/./y", "", "../x/y/"},
      {"and the current folder itself", ".", "", "./"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AbsoluteFolder(c.folder, c.current), c.path);
  }
}

TEST(SearchPlan, LocationFoldersCollectTheMasksOncePerNaming) {
  TSearchCriteria criteria;
  criteria.Files.FileName = "*.h;*.c;*.H";
  criteria.Files.Location = "/x/a;/x/a/;<rel;>/y;/x/A";
  criteria.Files.Subfolders = false;
  criteria.Files.MinLevel = 2;
  criteria.Files.MaxLevel = 3;
  criteria.Files.Excluded = {"*.tmp", "sub/*.o"};
  const TTargetSearch plan = BuildSearchPlan(criteria, "/cwd");
  const std::vector<TTargetFolder>& folders = plan.TargetFolders.Folders();
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0].Path, "/x/a/");
  EXPECT_EQ(folders[0].Masks, (Strings{"*.h", "*.c", "*.h", "*.c"}));
  EXPECT_FALSE(folders[0].Recursive);
  EXPECT_EQ(folders[0].MinLevel, 2);
  EXPECT_EQ(folders[0].MaxLevel, 3);
  EXPECT_EQ(folders[1].Path, "/cwd/rel/");
  EXPECT_FALSE(folders[1].Recursive);
  EXPECT_EQ(folders[2].Path, "/y/");
  EXPECT_TRUE(folders[2].Recursive);
  EXPECT_EQ(folders[3].Path, "/x/A/");
  EXPECT_EQ(plan.TargetFolders.ExcludedMasks, criteria.Files.Excluded);
  EXPECT_TRUE(plan.Attribute.Attributes.Contains(TFileAttribute::ffSystem));
}

TEST(SearchPlan, IncludedEntriesNameAFolderAndOneMask) {
  TSearchCriteria criteria;
  criteria.Files.Included = {"</x/a/*.txt", ">/x/b/*.c", "/x/a/*.md", "*.cfg"};
  criteria.Files.FileName = "*.h";
  criteria.Files.Location = "/x/b";
  criteria.Files.Subfolders = true;
  const TTargetSearch plan = BuildSearchPlan(criteria, "/cwd");
  const std::vector<TTargetFolder>& folders = plan.TargetFolders.Folders();
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders[0].Path, "/x/a/");
  EXPECT_EQ(folders[0].Masks, (Strings{"*.txt", "*.md"}));
  EXPECT_TRUE(folders[0].Recursive);  // the last naming decides: "/x/a/*.md" takes Subfolders
  EXPECT_EQ(folders[1].Path, "/x/b/");
  EXPECT_EQ(folders[1].Masks, (Strings{"*.c", "*.h"}));
  EXPECT_EQ(folders[2].Path, "/cwd/");
  EXPECT_EQ(folders[2].Masks, Strings{"*.cfg"});
}

TEST(SearchPlan, APhraseAllowsNoFolders) {
  TSearchCriteria criteria;
  criteria.Attribute.Attributes.Include(TFileAttribute::ffDirectory);
  EXPECT_TRUE(
      BuildSearchPlan(criteria, "/").Attribute.Attributes.Contains(TFileAttribute::ffDirectory));
  criteria.Content.Phrase = "x";
  EXPECT_FALSE(
      BuildSearchPlan(criteria, "/").Attribute.Attributes.Contains(TFileAttribute::ffDirectory));
}

}  // namespace
}  // namespace pellucor

#include "download/DistinctNames.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "SiteRun.h"
#include "download/PageResourceStages.h"

namespace pellucor {
namespace {

using testing::kGif;
using testing::LoopbackServer;

TEST(GiveDistinctLocalNames, TheLaterAddressOfANameGetsANameOfItsOwn) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> paths;  // the local paths after
    std::vector<std::string> renamed;
  } cases[] = {
      {"different names stay",
       {"a.gif\thttp://h/a.gif\t/s/a.gif", "b.gif\thttp://h/b.gif\t/s/b.gif"},
       {"/s/a.gif", "/s/b.gif"},
       {}},
      {"one URL twice shares its file",
       {"a.gif\thttp://h/a.gif\t/s/a.gif", "/a.gif\thttp://h/a.gif\t/s/a.gif"},
       {"/s/a.gif", "/s/a.gif"},
       {}},
      {"another host with the same path",
       {"a.gif\thttp://h/a.gif\t/s/a.gif", "http://o/a.gif\thttp://o/a.gif\t/s/a.gif",
        "http://p/a.gif\thttp://p/a.gif\t/s/a.gif", "http://o/a.gif\thttp://o/a.gif\t/s/a.gif"},
       {"/s/a.gif", "/s/a_2.gif", "/s/a_3.gif", "/s/a_2.gif"},
       {"http://o/a.gif", "http://p/a.gif", "http://o/a.gif"}},
      {"a name mapped onto another",
       {"q.gif?1\thttp://h/q.gif?1\t/s/q.gif?1", "q.gif@1\thttp://h/q.gif@1\t/s/q.gif@1"},
       {"/s/q.gif?1", "/s/q_2.gif@1"},
       {"q.gif@1"}},
      {"a name that takes the next one's number",
       {"a\thttp://h/a\t/s/d.x/a", "a_2\thttp://h/a_2\t/s/d.x/a_2",
        "http://o/a\thttp://o/a\t/s/d.x/a"},
       {"/s/d.x/a", "/s/d.x/a_2", "/s/d.x/a_3"},
       {"http://o/a"}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<RenamedReference> renamed = GiveDistinctLocalNames(c.rows);
    std::vector<std::string> paths;
    for (const std::string& row : c.rows)
      paths.push_back(SplitReferenceRow(row).localPath);
    EXPECT_EQ(paths, c.paths);
    std::vector<std::string> references;
    for (const RenamedReference& rename : renamed)
      references.push_back(rename.reference);
    EXPECT_EQ(references, c.renamed);
  }
}

TEST(ReferenceFromFolder, ClimbsOutOfThePagesFolders) {
  struct Case {
    const char* folder;
    const char* path;
    const char* reference;
  } cases[] = {
      {"/s/", "/s/img/a.gif", "img/a.gif"},
      {"/s/d/", "/s/img/a.gif", "../img/a.gif"},
      {"/s/d/e/", "/s/d/a.gif", "../a.gif"},
      {"/s/dir/", "/s/di/a.gif", "../di/a.gif"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReferenceFromFolder(c.folder, c.path), c.reference) << c.folder << " " << c.path;
}

// Two more hosts. They outlive the run's client (a base of the fixture before the run), so
// they do not wait out its kept-alive connections when they stop.
struct OtherHosts {
  LoopbackServer second;
  LoopbackServer third;
};

class DistinctNamesRun : public OtherHosts, public testing::SiteRun {
 protected:
  DistinctNamesRun() : SiteRunWith(HttpClientOptions{}, "site/") {}
};

// Every image of the saved page leads to a file holding what its own address served, though
// three hosts serve one image path and two one script path.
TEST_F(DistinctNamesRun, EachAddressKeepsItsOwnFileAndThePageFindsIt) {
  server_.Serve("/js/lib.js", "var own = 1;\n", "application/javascript");
  second.Serve("/js/lib.js", "var second = 2;\n", "application/javascript");
  server_.Serve("/img/x.gif", kGif + "own host", "image/gif");
  second.Serve("/img/x.gif", kGif + "second host", "image/gif");
  third.Serve("/img/x.gif", kGif + "third host", "image/gif");
  server_.Serve("/d/index.html",
                "<html><head><script src=\"/js/lib.js\"></script><script src=\"" +
                    second.Url("/js/lib.js") +
                    "\"></script></head><body><img src=\"/img/x.gif\"><img src=\"" +
                    second.Url("/img/x.gif") + "\"><img src='" + third.Url("/img/x.gif") +
                    "'></body></html>");
  ASSERT_EQ(DownloadUrl(server_.Url("/d/index.html")), 0);

  const std::string page = Saved("d/index.html");
  std::vector<std::string> sources;
  const std::regex image("<img src=[\"']([^\"']*)[\"']");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), image);
       it != std::sregex_iterator(); ++it)
    sources.push_back((*it)[1]);
  ASSERT_EQ(sources.size(), 3u) << page;
  std::vector<std::string> bytes;
  for (const std::string& source : sources) {
    ASSERT_TRUE(Exists("d/" + source)) << source << " in " << page;
    bytes.push_back(Saved("d/" + source));
  }
  EXPECT_EQ(bytes, (std::vector<std::string>{kGif + "own host", kGif + "second host",
                                             kGif + "third host"}));
  const std::regex script("<script src=\"([^\"]*)\"");
  std::vector<std::string> scripts;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), script);
       it != std::sregex_iterator(); ++it) {
    const std::string source = (*it)[1];
    ASSERT_TRUE(Exists("d/" + source)) << source << " in " << page;
    scripts.push_back(Saved("d/" + source));
  }
  EXPECT_EQ(scripts, (std::vector<std::string>{"var own = 1;\r\n", "var second = 2;\r\n"}));
}

}  // namespace
}  // namespace pellucor

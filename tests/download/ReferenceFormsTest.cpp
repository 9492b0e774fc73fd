// Whole runs of pages whose references a browser reads otherwise than they are written:
// protocol-relative addresses and character references in attribute values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "SiteRun.h"
#include "check/OfflineCheck.h"

namespace pellucor {
namespace {

using testing::kGif;

class ReferenceFormsRun : public testing::SiteRun {
 protected:
  ReferenceFormsRun() : SiteRunWith(HttpClientOptions{}, "site/") {}

  bool Requested(const std::string& path) const {
    const std::vector<std::string> paths = server_.RequestedPaths();
    return std::find(paths.begin(), paths.end(), path) != paths.end();
  }
};

TEST_F(ReferenceFormsRun, ProtocolRelativeAndEncodedReferencesLeadToTheirFiles) {
  const std::string host = server_.Url("/").substr(std::string("http:").size());  // "//127..."
  server_.Serve("/d/index.html",
                "<html><head><link rel=\"stylesheet\" href=\"../css/s.css\"></head><body>"
                "<img src=\"" +
                    host +
                    "img/p.gif\">"
                    "<div style=\"background:url(&quot;../img/c.gif&quot;)\">x</div>"
                    "</body></html>");
  server_.Serve("/css/s.css", "body { background: url(\"" + host + "img/s.gif\"); }\n", "text/css");
  for (const char* image : {"/img/p.gif", "/img/c.gif", "/img/s.gif"})
    server_.Serve(image, kGif, "image/gif");
  ASSERT_EQ(DownloadUrl(server_.Url("/d/index.html")), 0);

  // The addresses the page means were fetched, not the text around them.
  for (const char* image : {"/img/p.gif", "/img/c.gif", "/img/s.gif"})
    EXPECT_TRUE(Requested(image)) << image;
  for (const char* file : {"img/p.gif", "img/c.gif", "img/s.gif"})
    EXPECT_TRUE(Exists(file)) << file;
  EXPECT_NE(Saved("d/index.html").find("<img src=\"../img/p.gif\">"), std::string::npos)
      << Saved("d/index.html");
  EXPECT_NE(Saved("css/s.css").find("url(\"../img/s.gif\")"), std::string::npos)
      << Saved("css/s.css");
  const OfflineCheckResult check = CheckSavedPage(folder_ + "d/index.html");
  EXPECT_EQ(check.referenceCount, 4u);
  EXPECT_TRUE(check.findings.empty()) << check.findings.front().reference;
}

}  // namespace
}  // namespace pellucor

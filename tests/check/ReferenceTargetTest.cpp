#include "check/ReferenceTarget.h"

#include <gtest/gtest.h>

#include <string>

namespace pellucor {
namespace {

const ReferenceBase kPage{BaseKind::LocalFile, "/save/site/page.html"};
const ReferenceBase kWebBase{BaseKind::Web, "http://example.com/dir/index.html?q=1"};
const ReferenceBase kFolderBase{BaseKind::LocalFile, "/save/site/sub/"};
const ReferenceBase kHostBase{BaseKind::Web, "https://host"};

struct Case {
  const char* name;
  std::string reference;
  // Pointed at, not copied: an array of cases each holding a copy of the base set off GCC's
  // false "may be used uninitialized" in optimised builds.
  const ReferenceBase* base;
  TargetKind kind;
  std::string location;
};

void ExpectTargets(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    const ReferenceTarget target = ResolveReference(c->reference, *c->base);
    EXPECT_EQ(target.kind, c->kind);
    EXPECT_EQ(target.location, c->location);
  }
}

TEST(ResolveReference, LocalFilesAsABrowserReadsThemFromTheDisk) {
  const Case cases[] = {
      {"relative", "img/a.gif", &kPage, TargetKind::LocalFile, "/save/site/img/a.gif"},
      {"dot segments", "./img/../css/./a.css", &kPage, TargetKind::LocalFile,
       "/save/site/css/a.css"},
      {"up out of the folder", "../../../../x.gif", &kPage, TargetKind::LocalFile, "/x.gif"},
      {"encoded dot segments", "%2E%2e/x.gif", &kPage, TargetKind::LocalFile, "/save/x.gif"},
      {"root-relative is the system root", "/img/a.gif", &kPage, TargetKind::LocalFile,
       "/img/a.gif"},
      {"query and fragment are not part of the file", "a.css?v=1#top", &kPage,
       TargetKind::LocalFile, "/save/site/a.css"},
      {"fragment holding a question mark", "a.html#x?y", &kPage, TargetKind::LocalFile,
       "/save/site/a.html"},
      {"query alone is the document", "?v=2", &kPage, TargetKind::LocalFile,
       "/save/site/page.html"},
      {"percent-decoded", "my%20file%41.gif", &kPage, TargetKind::LocalFile,
       "/save/site/my fileA.gif"},
      {"a lone percent stays", "100%.gif", &kPage, TargetKind::LocalFile, "/save/site/100%.gif"},
      {"encoded bytes stay bytes", "%E7%94%BB.gif", &kPage, TargetKind::LocalFile,
       "/save/site/\xE7\x94\xBB.gif"},
      {"backslashes are slashes", "img\\a.gif", &kPage, TargetKind::LocalFile,
       "/save/site/img/a.gif"},
      {"blanks trimmed, line ends dropped", " \n img/\ta.gif\r\n ", &kPage, TargetKind::LocalFile,
       "/save/site/img/a.gif"},
      {"folder", "sub/", &kPage, TargetKind::LocalFile, "/save/site/sub/"},
      {"file URL", "file:///save/other/b.gif?x", &kPage, TargetKind::LocalFile,
       "/save/other/b.gif"},
      {"file URL of localhost", "FILE://LocalHost/b.gif", &kPage, TargetKind::LocalFile, "/b.gif"},
      {"relative file URL", "file:c.gif", &kPage, TargetKind::LocalFile, "/save/site/c.gif"},
      {"folder base", "a.gif", &kFolderBase, TargetKind::LocalFile, "/save/site/sub/a.gif"},
  };
  ExpectTargets(std::begin(cases), std::end(cases));
}

TEST(ResolveReference, WebAndIgnoredAndUnloadable) {
  const Case cases[] = {
      {"http", "http://host/a.gif#x", &kPage, TargetKind::Web, "http://host/a.gif"},
      {"https in capitals", "HTTPS://host/a.gif", &kPage, TargetKind::Web, "HTTPS://host/a.gif"},
      {"protocol-relative", "//cdn.example/x.js", &kPage, TargetKind::Web, "//cdn.example/x.js"},
      {"protocol-relative written with backslashes", "\\\\cdn.example\\x.js", &kPage,
       TargetKind::Web, "//cdn.example/x.js"},
      {"relative under a web base", "../img/a.gif?v=1#f", &kWebBase, TargetKind::Web,
       "http://example.com/img/a.gif?v=1"},
      {"root-relative under a web base", "/a.css", &kWebBase, TargetKind::Web,
       "http://example.com/a.css"},
      {"query under a web base", "?page=2", &kWebBase, TargetKind::Web,
       "http://example.com/dir/index.html?page=2"},
      {"protocol-relative under a web base", "//cdn/x.js", &kWebBase, TargetKind::Web,
       "http://cdn/x.js"},
      {"web base without a path", "a.gif", &kHostBase, TargetKind::Web, "https://host/a.gif"},
      {"empty", "", &kPage, TargetKind::Ignored, ""},
      {"blank", " \t ", &kPage, TargetKind::Ignored, ""},
      {"fragment", "#top", &kPage, TargetKind::Ignored, ""},
      {"data", "DATA:image/gif;base64,R0lG", &kPage, TargetKind::Ignored, ""},
      {"blob", "blob:null/1", &kPage, TargetKind::Ignored, ""},
      {"javascript", " javascript:void(0)", &kPage, TargetKind::Ignored, ""},
      {"about", "about:blank", &kPage, TargetKind::Ignored, ""},
      {"mailto", "mailto:a@b", &kPage, TargetKind::Ignored, ""},
      {"another scheme", "res://ie/x.gif", &kPage, TargetKind::Unloadable, "res://ie/x.gif"},
      {"a Windows drive", "C:\\pics\\a.gif", &kPage, TargetKind::Unloadable, "C:\\pics\\a.gif"},
      {"file URL of another host", "file://server/share/a.gif", &kPage, TargetKind::Unloadable,
       "file://server/share/a.gif"},
      {"encoded NUL", "a%00.gif", &kPage, TargetKind::Unloadable, "a%00.gif"},
      {"encoded slash", "a%2Fb.gif", &kPage, TargetKind::Unloadable, "a%2Fb.gif"},
  };
  ExpectTargets(std::begin(cases), std::end(cases));
}

TEST(ApplyBaseHref, WebRelativeAndUnusableBases) {
  struct BaseCase {
    const char* name;
    std::string href;
    BaseKind kind;
    std::string location;
  } cases[] = {
      {"web", "http://example.com/a/", BaseKind::Web, "http://example.com/a/"},
      {"protocol-relative", "//example.com/a/", BaseKind::Web, "//example.com/a/"},
      {"relative folder", "sub/", BaseKind::LocalFile, "/save/site/sub/"},
      {"relative file", "../other/x.html", BaseKind::LocalFile, "/save/other/x.html"},
      {"file URL", "file:///elsewhere/", BaseKind::LocalFile, "/elsewhere/"},
      {"empty keeps the page", "", BaseKind::LocalFile, "/save/site/page.html"},
      {"data keeps the page", "data:text/html,x", BaseKind::LocalFile, "/save/site/page.html"},
      {"another scheme keeps the page", "res://x/", BaseKind::LocalFile, "/save/site/page.html"},
  };
  for (const BaseCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ReferenceBase base = ApplyBaseHref(c.href, kPage);
    EXPECT_EQ(base.kind, c.kind);
    EXPECT_EQ(base.location, c.location);
  }
  // Under a protocol-relative base, relative references still leave for the web.
  const ReferenceTarget target =
      ResolveReference("b/c.gif", ApplyBaseHref("//example.com/a/", kPage));
  EXPECT_EQ(target.kind, TargetKind::Web);
  EXPECT_EQ(target.location, "//example.com/a/b/c.gif");
}

}  // namespace
}  // namespace pellucor

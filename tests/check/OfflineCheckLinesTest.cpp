#include "check/OfflineCheckLines.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(OfflineCheckLines, EachFindingWithItsMarkThenTheSummary) {
  OfflineCheckResult result;
  result.page = "/s/index.html";
  result.referenceCount = 14;
  EXPECT_EQ(OfflineCheckLines(result),
            std::vector<std::string>{"◇【 オフライン確認 】 14 個の参照、すべて保存済み"});

  result.findings = {
      {FindingKind::Missing, "/s/index.html", "img/a.png", "/s/img/a.png"},
      {FindingKind::Leak, "/s/css/style.css", "http://example.com/x.png",
       "http://example.com/x.png"},
  };
  EXPECT_EQ(
      OfflineCheckLines(result),
      (std::vector<std::string>{"▲【 見つかりません 】 /s/img/a.png  ← img/a.png",
                                "△【 Webへ 】 http://example.com/x.png  ← /s/css/style.css",
                                "◇【 オフライン確認 】 14 個の参照、見つかりません 1、Webへ 1"}));

  OfflineCheckResult unread;
  unread.failure = "cannot read /s/x.html: No such file or directory";
  EXPECT_EQ(
      OfflineCheckLines(unread),
      std::vector<std::string>{
          "◇【 オフライン確認 】 できません： cannot read /s/x.html: No such file or directory"});
}

}  // namespace
}  // namespace pellucor

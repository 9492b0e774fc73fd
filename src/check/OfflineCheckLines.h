#pragma once

#include <string>
#include <vector>

#include "check/OfflineCheck.h"

// The offline check as lines of the download tab's result pane (UTF-8): one line per finding,
// each kind with a mark of its own, then the summary line.
//   "▲【 見つかりません 】 " + the file the reference goes to + "  ← " + the reference
//   "△【 Webへ 】 " + the address it goes to + "  ← " + the file it stands in
//   "◇【 オフライン確認 】 N 個の参照、すべて保存済み"
//   "◇【 オフライン確認 】 N 個の参照、見つかりません M、Webへ L"
//   "◇【 オフライン確認 】 できません： " + why, for a page that could not be read
namespace pellucor {

[[nodiscard]] std::vector<std::string> OfflineCheckLines(const OfflineCheckResult& result);

}  // namespace pellucor

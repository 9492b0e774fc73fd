#include "check/OfflineCheckLines.h"

namespace pellucor {

std::vector<std::string> OfflineCheckLines(const OfflineCheckResult& result) {
  std::vector<std::string> lines;
  const std::string summary = "◇【 オフライン確認 】 ";
  if (!result.ok()) {
    lines.push_back(summary + "できません： " + result.failure);
    return lines;
  }
  for (const OfflineFinding& finding : result.findings) {
    if (finding.kind == FindingKind::Missing) {
      lines.push_back("▲【 見つかりません 】 " + finding.target + "  ← " + finding.reference);
    } else {
      lines.push_back("△【 Webへ 】 " + finding.target + "  ← " + finding.file);
    }
  }
  std::string last = summary + std::to_string(result.referenceCount) + " 個の参照、";
  if (result.findings.empty()) {
    last += "すべて保存済み";
  } else {
    last += "見つかりません " + std::to_string(result.Count(FindingKind::Missing)) + "、Webへ " +
            std::to_string(result.Count(FindingKind::Leak));
  }
  lines.push_back(std::move(last));
  return lines;
}

}  // namespace pellucor

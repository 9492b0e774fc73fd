#include "analysis/KeywordSearchPanes.h"

#include "analysis/KeywordSearch.h"

namespace pellucor {

void KeywordSearchPaste(TextView& view, std::string& keywordBox, const Clipboard& clipboard,
                        std::vector<std::string>& SearchKeywords,
                        std::vector<std::string>& resultList, EventPump& pump) {
  keywordBox = clipboard.Text();
  KeywordSearch(view, keywordBox, SearchKeywords, resultList, pump);
}

void KeywordSearchRecolor(TextView& view, RecolorKind kind, const Pause& pause) {
  switch (kind) {
    case RecolorKind::KeepCaret:
      ColorizeHtmlViewEx(view, pause);
      return;
    case RecolorKind::CaretToTop:
      ColorizeHtmlView(view, pause);
      return;
    case RecolorKind::None:
      return;
  }
}

}  // namespace pellucor

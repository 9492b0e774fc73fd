#include "analysis/SingleFilePanes.h"

#include <optional>
#include <utility>

#include "analysis/AnalysisMessages.h"
#include "analysis/ViewFile.h"
#include "html/SaveCharset.h"
#include "ports/FileFilters.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/PageFiles.h"

namespace pellucor {

namespace messages = analysis_messages;

namespace {

std::string_view OpenFilter(SingleFilePane pane) {
  switch (pane) {
    case SingleFilePane::StyleSheet:
      return messages::kCssOpenFilter;
    case SingleFilePane::Script:
      return messages::kJsOpenFilter;
    case SingleFilePane::Reference:
      break;
  }
  return file_filters::kTextFile;
}

}  // namespace

SingleFilePanes::SingleFilePanes(LocalPageHost host, LocalPageTab& tab)
    : host_(std::move(host)), tab_(tab) {}

SingleFilePanes::Place SingleFilePanes::PlaceOf(SingleFilePane pane) {
  switch (pane) {
    case SingleFilePane::StyleSheet:
      return {tab_.BtnEditLocalFileIndivCSS, host_.views.singleCss};
    case SingleFilePane::Script:
      return {tab_.BtnEditLocalFileIndivJS, host_.views.singleJs};
    case SingleFilePane::Reference:
      break;
  }
  return {tab_.BtnEditLocalFileRef, host_.views.reference};
}

void SingleFilePanes::Load(SingleFilePane pane, std::string_view path, bool writeField) {
  const Place place = PlaceOf(pane);
  if (const std::optional<std::string> text =
          LoadViewFile(path, tab_.LabelLocalBrowserStatusBar, host_.dialogs)) {
    place.view.SetText(
        ConvertHtmlToSjis(*text, static_cast<CharsetCode>(tab_.RadioGroupLocalFileLoadCharset))
            .text);
    place.view.SetMargins(40, 30);
    if (writeField) place.field = std::string(path);
  } else {
    place.view.SetText("");
  }
  if (pane == SingleFilePane::StyleSheet && !tab_.CheckBoxDontCheckBoxLocalIndivCSSColor)
    host_.colorLists.sbLocalCSSIndivSearchColorListClick();
}

void SingleFilePanes::OpenFile(SingleFilePane pane) {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile(DialogAtField(OpenFilter(pane), PlaceOf(pane).field));
  if (!chosen || chosen->empty()) return;
  Load(pane, *chosen, true);
}

void SingleFilePanes::OpenFileGo(SingleFilePane pane) {
  const Place place = PlaceOf(pane);
  std::string path(TrimControlChars(place.field));
  if (path.empty()) {
    const std::optional<std::string> chosen =
        host_.dialogs.ChooseOpenFile(DialogAtField(OpenFilter(pane), ""));
    if (!chosen || chosen->empty()) return;
    place.field = *chosen;
    path = *chosen;
  }
  Load(pane, path, false);
}

void SingleFilePanes::Save(SingleFilePane pane) {
  if (pane == SingleFilePane::Reference) return;
  const Place place = PlaceOf(pane);
  const std::string_view filter =
      pane == SingleFilePane::StyleSheet ? messages::kCssSaveFilter : messages::kJsSaveFilter;
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseSaveFile(DialogAtField(filter, place.field));
  if (!chosen || chosen->empty()) return;
  place.field = *chosen;
  const std::string text = ConvertSaveCharset(
      place.view.Text(), static_cast<CharsetCode>(tab_.RadioGroupLocalFileSaveCharset));
  if (!SaveViewText(text, *chosen, host_.dialogs)) return;
  host_.dialogs.ShowMessage(SjisFromUtf8Literal(messages::kFileSavedOpen) + *chosen +
                                SjisFromUtf8Literal(messages::kFileSavedClose),
                            MessageKind::Information);
}

}  // namespace pellucor

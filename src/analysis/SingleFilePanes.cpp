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

FileDialogRequest StartingAt(std::string_view filter, std::string_view field) {
  const std::string path(TrimControlChars(field));
  return {{},
          SjisFromUtf8Literal(filter),
          path.empty() ? std::string() : FolderOfPath(path),
          path.empty() ? std::string() : FileNameOfPath(path)};
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
  const ViewFile file = ReadViewFile(path);
  if (file.status == ViewFileStatus::Read) {
    place.view.SetText(
        ConvertHtmlToSjis(file.text, static_cast<CharsetCode>(tab_.RadioGroupLocalFileLoadCharset))
            .text);
    place.view.SetMargins(40, 30);
    if (writeField) place.field = std::string(path);
  } else {
    place.view.SetText("");
    tab_.LabelLocalBrowserStatusBar = file.message;
    if (file.status == ViewFileStatus::TooLarge || file.status == ViewFileStatus::Binary)
      host_.dialogs.ShowMessage(file.message, MessageKind::Warning);
  }
  if (pane == SingleFilePane::StyleSheet && !tab_.CheckBoxDontCheckBoxLocalIndivCSSColor)
    host_.colorLists.sbLocalCSSIndivSearchColorListClick();
}

void SingleFilePanes::OpenFile(SingleFilePane pane) {
  const std::optional<std::string> chosen =
      host_.dialogs.ChooseOpenFile(StartingAt(OpenFilter(pane), PlaceOf(pane).field));
  if (!chosen || chosen->empty()) return;
  Load(pane, *chosen, true);
}

void SingleFilePanes::OpenFileGo(SingleFilePane pane) {
  const Place place = PlaceOf(pane);
  std::string path(TrimControlChars(place.field));
  if (path.empty()) {
    const std::optional<std::string> chosen =
        host_.dialogs.ChooseOpenFile(StartingAt(OpenFilter(pane), ""));
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
      host_.dialogs.ChooseSaveFile(StartingAt(filter, place.field));
  if (!chosen || chosen->empty()) return;
  place.field = *chosen;
  const SaveResult result = SaveTextFile(
      ConvertSaveCharset(place.view.Text(),
                         static_cast<CharsetCode>(tab_.RadioGroupLocalFileSaveCharset)),
      *chosen);
  if (result.outcome != SaveOutcome::Written) {
    host_.dialogs.ShowMessage(
        SjisFromUtf8Literal(messages::kFileNotSaved) + *chosen + "  (" + result.reason + ")",
        MessageKind::Error);
    return;
  }
  host_.dialogs.ShowMessage(SjisFromUtf8Literal(messages::kFileSavedOpen) + *chosen +
                                SjisFromUtf8Literal(messages::kFileSavedClose),
                            MessageKind::Information);
}

}  // namespace pellucor

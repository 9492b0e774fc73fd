// Fetching the images that discovery and the style sheet stage listed.
#include <filesystem>
#include <optional>

#include "download/DistinctNames.h"
#include "download/DownloadEngine.h"
#include "download/DownloadMessages.h"
#include "download/PageResourceStages.h"
#include "ports/HostFileEffects.h"
#include "text/CodePage932.h"
#include "text/SafePath.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"
#include "web/Fetch.h"
#include "web/PageFiles.h"
#include "web/UrlForms.h"
#include "web/UrlKinds.h"

namespace pellucor {

void PageResourceStages::DLDownloadImage(DownloadEngine& engine, std::string_view saveFolder) {
  for (RenamedReference& renamed : GiveDistinctLocalNames(engine.tab.ListBoxPGTab02LTab03PageImage))
    engine.run.RenamedReferences.push_back(std::move(renamed));
  const std::vector<std::string> rows = engine.tab.ListBoxPGTab02LTab03PageImage;
  // The images not on disk yet are fetched ahead; each is written only when its row is reached.
  std::vector<std::string> ahead;
  for (const std::string& row : rows) {
    const ReferenceRow fields = SplitReferenceRow(row);
    if (!PathExists(MakeSafeFilePath(fields.localPath))) ahead.push_back(fields.url);
  }
  engine.fetcher().Prefetch(ahead);
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const std::string row = ReplaceAll(TrimControlChars(rows[index]), "@%@", "", CaseMode::Exact);
    if (row.starts_with(';') || row.starts_with('=') || row.starts_with(' ') ||
        row.starts_with('%'))
      continue;
    ReferenceRow fields = SplitReferenceRow(row);
    if (fields.localPath == row) fields.localPath = MakeSafeFilePath(row);
    DLFileDownloadInfo(engine, fields.localPath, rows.size(), index);
    DLDownloadedImage(engine, fields.url, fields.localPath, saveFolder);
    if (engine.StopRequested()) break;
  }
}

int PageResourceStages::DLDownloadedImage(DownloadEngine& engine, std::string_view url,
                                          std::string_view localPath, std::string_view saveFolder) {
  const std::string path = MakeSafeFilePath(localPath);
  if (!IsWebUrl(url)) return -1;
  DownloadTab& tab = engine.tab;
  std::vector<std::string>& done = tab.ListBoxPGTab02LTab03PageImageDownloaedImage;
  const auto mark = [&](std::string_view sign) {
    done.insert(done.begin(), SjisFromUtf8Literal(sign) + path);
  };
  // Only inside the save folder: an image is written nowhere else.
  if (!engine.IsRunPath(path)) return -1;
  (void)engine.CreateRunFolder(path);
  (void)saveFolder;
  if (FileExists(path)) {
    mark("○");
    return 0;
  }
  RunFetcher& fetcher = engine.fetcher();
  const StoredResource stored = fetcher.StoreResource(url, path, FileExtension::KeepName);
  if (stored.stored) {
    mark("◎");
    return 0;
  }
  mark("●");
  engine.NoteFetchFailure(LimitPane::Images, url);
  if (!stored.writeFailure.empty())
    engine.NoteLimit(LimitPane::Images, SjisFromUtf8Literal(download_messages::kNotSaved) + path +
                                            "  (" + stored.writeFailure + ")");
  tab.ListBoxPGTab02LTab06DLImageNotFound.push_back(std::string(url) + "\t" +
                                                    SjisFromUtf8Literal("●") + path);
  if (!engine.run.BaseHrefValue.empty()) {
    const std::string second = ReplaceUrlRoot(url, engine.run.BaseHrefValue);
    if (fetcher.DownloadResourceFile(second, path, FileExtension::KeepName)) {
      mark("◎");
      tab.ListBoxPGTab02LTab06DLImageNotFound.push_back(second + "\t" + SjisFromUtf8Literal("◎") +
                                                        path);
    }
  }
  return -1;
}

void PageResourceStages::DLFileDownloadInfo(DownloadEngine& engine, std::string_view path,
                                            std::size_t total, std::size_t index) {
  const auto padded = [](std::size_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
    return digits;
  };
  engine.tab.LabelDownloadedFileCount = SjisFromUtf8Literal(download_messages::kOpenBracket) +
                                        padded(index + 1) + "  /  " + padded(total) +
                                        SjisFromUtf8Literal(download_messages::kCloseBracket);
  if (path.find(' ') == std::string_view::npos) engine.tab.LabelDownloadedFile = std::string(path);
  engine.host().pump.ProcessPendingEvents();
}

}  // namespace pellucor

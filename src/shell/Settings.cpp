#include "shell/Settings.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>

#include "text/CodePage932.h"
#include "text/IniFile.h"
#include "text/ShiftJis.h"
#include "text/TextFile.h"
#include "text/TextTrim.h"

namespace pellucor {
namespace {

constexpr int kMostRegisteredPairs = 100;

// An integer key as the private-profile functions read it: decimal, or hexadecimal after "0x";
// anything else is the key's default.
int IntegerValue(const std::optional<std::string>& text, int fallback) {
  if (!text) return fallback;
  std::string_view digits = TrimControlChars(*text);
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  int value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
    return fallback;
  return value;
}

// Reads the keys of the table from the document, in the table's reading order.
void ReadKeys(const IniFile& file, SettingsTargets targets) {
  MainWindowState& window = targets.window;
  DownloadTab& download = targets.download;
  NetSearchTab& search = targets.search;
  const auto text = [&](const char* section, const char* key) {
    return file.Value(section, key).value_or(std::string());
  };
  const auto integer = [&](const char* section, const char* key) {
    return IntegerValue(file.Value(section, key), 0);
  };
  const auto flag = [&](const char* section, const char* key) {
    return integer(section, key) != 0;
  };

  window.ProjectFile = text("Project", "File");
  if (!FileExists(window.ProjectFile)) window.ProjectFile.clear();
  window.DefaultFolder = text("Folder", "Default");
  if (!FolderExists(window.DefaultFolder)) window.DefaultFolder.clear();

  window.PanelPGSearchTabTop = integer("NS", "PageTopHeight");
  search.RadioGroupIMEMode = integer("NS", "IMEMode");
  search.ComboBoxSearchKeyWord = text("NS", "Keyword");

  download.ComboBoxWBUrl = text("DL", "Url");
  download.BtnEditWBPageSaveFolder = text("DL", "SaveFolder");
  download.BtnEditWBLocalFilename = text("DL", "LocalFilename");
  download.EditWBBasePageLocalFimename = text("DL", "BasePageLocal");
  download.EditTopPageHTMLFilename = text("DL", "TopPageHTML");
  download.EditDLTopDummyDirectory = text("DL", "TopDummyDirectory");
  download.RadioGroupDLFilnalOpenIE = integer("DL", "OpenIE");
  download.RadioGroupInitialLoad = integer("DL", "InitialLoad");
  download.RadioGroupDLBaseLevel = integer("DL", "BaseLevel");
  download.RadioGroupDLMaskUrlRoot = integer("DL", "RemoveRoot");
  download.RadioGroupRemoveOtherDmain = integer("DL", "RemoveOtherDmain");
  download.RadioGroupRemoveBaseHref = integer("DL", "RemoveBaseHref");

  window.MenuViewMaximized = flag("Menu", "Maximized");
  window.MenuSettingsReInitialize = flag("Menu", "Initialize");

  download.CheckBoxDontEmptyFolder = flag("DL", "DontEmptyFolder");
  download.CheckBoxDonttSaveImage = flag("DL", "DontSaveImage");
  download.CheckBoxDLDontReDraw = flag("DL", "DontRedraw");
  download.CheckBoxDLRemoveDomain = flag("DL", "ReveDomain");
  download.CheckBoxDLDontMakeCSSlist = flag("DL", "DontMakeCSSlist");
  download.CheckBoxDLCSSOnly = flag("DL", "CSSOnly");
}

std::string Number(int value) {
  return std::to_string(value);
}

const char* Flag(bool value) {
  return value ? "1" : "0";
}

// The keys of the table set in the document, in the table's writing order.
void WriteKeys(IniFile& file, SettingsTargets targets) {
  const MainWindowState& window = targets.window;
  const DownloadTab& download = targets.download;
  const NetSearchTab& search = targets.search;
  file.SetValue("Project", "File", window.ProjectFile);
  file.SetValue("Folder", "Default", window.DefaultFolder);
  file.SetValue("NS", "Keyword", search.ComboBoxSearchKeyWord);
  file.SetValue("NS", "PageTopHeight", Number(window.PanelPGSearchTabTop));
  file.SetValue("NS", "IMEMode", Number(search.RadioGroupIMEMode));
  file.SetValue("DL", "Url", download.ComboBoxWBUrl);
  file.SetValue("DL", "SaveFolder", download.BtnEditWBPageSaveFolder);
  file.SetValue("DL", "LocalFilename", download.BtnEditWBLocalFilename);
  file.SetValue("DL", "BasePageLocal", download.EditWBBasePageLocalFimename);
  file.SetValue("DL", "OpenIE", Number(download.RadioGroupDLFilnalOpenIE));
  file.SetValue("DL", "InitialLoad", Number(download.RadioGroupInitialLoad));
  file.SetValue("DL", "BaseLevel", Number(download.RadioGroupDLBaseLevel));
  file.SetValue("DL", "RemoveRoot", Number(download.RadioGroupDLMaskUrlRoot));
  file.SetValue("DL", "RemoveOtherDmain", Number(download.RadioGroupRemoveOtherDmain));
  file.SetValue("DL", "RemoveBaseHref", Number(download.RadioGroupRemoveBaseHref));
  file.SetValue("DL", "SaveFilename", download.EditDLSaveFilename);
  file.SetValue("DL", "IndivImageUrl", download.EditFrameLinkUrl);
  file.SetValue("DL", "TopPageHTML", download.EditTopPageHTMLFilename);
  file.SetValue("DL", "TopDummyDirectory", download.EditDLTopDummyDirectory);
  file.SetValue("Menu", "Maximized", Flag(window.MenuViewMaximized));
  file.SetValue("Menu", "Initialize", Flag(window.MenuSettingsReInitialize));
  file.SetValue("DL", "DontEmptyFolder", Flag(download.CheckBoxDontEmptyFolder));
  file.SetValue("DL", "DontSaveImage", Flag(download.CheckBoxDonttSaveImage));
  file.SetValue("DL", "DontRedraw", Flag(download.CheckBoxDLDontReDraw));
  file.SetValue("DL", "ReveDomain", Flag(download.CheckBoxDLRemoveDomain));
  file.SetValue("DL", "DontMakeCSSlist", Flag(download.CheckBoxDLDontMakeCSSlist));
  file.SetValue("DL", "CSSOnly", Flag(download.CheckBoxDLCSSOnly));
}

// The pairs as section "DLUrl": erased, then "0", "1", ... up to the first empty entry.
void WritePairs(IniFile& file, const std::vector<std::string>& pairs) {
  file.EraseSection("DLUrl");
  for (std::size_t i = 0; i < pairs.size() && !pairs[i].empty(); ++i)
    file.SetValue("DLUrl", std::to_string(i), pairs[i]);
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return LowerAsciiBytes(a) < LowerAsciiBytes(b);
}

// Whether the file at the system path exists but cannot be read.
bool ExistsUnreadable(std::string_view path) {
  const std::optional<std::string> name = SjisToUtf8Exact(path);
  if (!name) return false;
  struct stat status {};
  if (::stat(name->c_str(), &status) != 0) return false;
  if (!S_ISREG(status.st_mode)) return true;
  return ::access(name->c_str(), R_OK) != 0;
}

// A failed write of a menu command is told in the status bar, a good one clears the message.
void NoteWrite(MainWindowState& window, bool written) {
  window.WriteNotice =
      written ? std::string()
              : SjisFromUtf8Literal("設定ファイルに書けませんでした： ") + window.SettingsPath;
}

}  // namespace

std::string GetInf(std::string_view folder) {
  const std::optional<std::string> name = SjisToUtf8Exact(folder);
  if (!name) return {};
  DIR* listing = ::opendir(name->empty() ? "." : name->c_str());
  if (listing == nullptr) return {};
  std::string found;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view entryName = entry->d_name;
    if (!entryName.starts_with("HRAVEXA") || !entryName.ends_with(".inf")) continue;
    std::string full = *name;
    if (!full.empty() && !full.ends_with('/')) full += '/';
    full += entryName;
    struct stat status {};
    if (::stat(full.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) continue;
    found = Utf8ToSjis(entryName).text;
    break;
  }
  ::closedir(listing);
  return found;
}

std::string SettingsPathFor(std::string_view programPath, std::string_view configHome) {
  std::string folder(programPath.substr(0, programPath.rfind('/') + 1));
  if (const std::string found = GetInf(folder); !found.empty()) {
    const std::optional<std::string> system = SjisToUtf8Exact(folder);
    if (system && ::access(system->empty() ? "." : system->c_str(), W_OK) == 0)
      return folder + found;
  }
  std::string path(configHome);
  if (!path.empty() && !path.ends_with('/')) path += '/';
  return path + "pellucor/pellucor.inf";
}

void LoadIniSettings(std::string_view path, SettingsTargets targets) {
  if (ExistsUnreadable(path)) {
    targets.window.StartupNotice =
        SjisFromUtf8Literal("設定ファイルを読めませんでした（初期値のまま）： ") +
        std::string(path);
    return;
  }
  const IniFile file = IniFile::Load(path);
  if (FileExists(path)) ReadKeys(file, targets);
  std::vector<std::string>& pairs = targets.window.RegisteredUrlFolders;
  pairs.clear();
  for (int index = 0; index < kMostRegisteredPairs; ++index) {
    const std::optional<std::string> entry = file.Value("DLUrl", std::to_string(index));
    if (!entry || entry->empty()) break;
    AddRegisteredUrlFolder(targets.window, *entry);
  }
}

bool SaveIniSettings(std::string_view path, SettingsTargets targets) {
  // A file that cannot be read is not written over: what it holds would be lost.
  if (ExistsUnreadable(path)) return false;
  IniFile file = IniFile::Load(path);
  WriteKeys(file, targets);
  if (!targets.window.RegisteredUrlFolders.empty())
    WritePairs(file, targets.window.RegisteredUrlFolders);
  // The folder of a settings file of its own is made on the first write.
  if (const std::optional<std::string> name = SjisToUtf8Exact(path); name) {
    const std::size_t slash = name->rfind('/');
    if (slash != std::string::npos && slash > 0) {
      std::error_code ignored;
      std::filesystem::create_directories(name->substr(0, slash), ignored);
    }
  }
  return file.Save(path);
}

void ReleaseInitialize(SettingsTargets targets) {
  DownloadTab& download = targets.download;
  targets.search.ComboBoxSearchKeyWord.clear();
  for (std::string* text :
       {&download.ComboBoxWBUrl, &download.BtnEditWBPageSaveFolder,
        &download.BtnEditWBLocalFilename, &download.EditDLSaveFilename,
        &download.EditTopPageHTMLFilename, &download.EditDLTopDummyDirectory,
        &download.EditPGTab02RTab07IndividualUrl, &download.BtnEditPGTab02RTab07IndividualFilename,
        &download.EditPGTab02RTab08ImageIndividualUrl,
        &download.BtnEditPGTab02RTab08ImageIndividualFilename,
        &download.BtnEditConfirmLocalHTMLFile, &download.BtnEditLocalFileOrgHTML})
    text->clear();
  targets.search.RadioGroupIMEMode = 0;
  for (bool* option : {&download.CheckBoxDontEmptyFolder, &download.CheckBoxDonttSaveImage,
                       &download.CheckBoxDLDontMakeCSSlist, &download.CheckBoxDLCSSOnly,
                       &download.CheckBoxDLsaveThisname})
    *option = false;
  targets.window.PanelPGSearchTabTop = 500;
  targets.window.PanelDLPGMainTabTop = 500;
}

void AddRegisteredUrlFolder(MainWindowState& window, std::string entry) {
  std::vector<std::string>& pairs = window.RegisteredUrlFolders;
  const auto at = std::lower_bound(pairs.begin(), pairs.end(), entry, LessIgnoringCase);
  if (at != pairs.end() && EqualIgnoringAsciiCase(*at, entry)) return;
  pairs.insert(at, std::move(entry));
}

void ManuSettingsSaveClick(SettingsTargets targets) {
  if (!targets.window.SettingsPath.empty())
    NoteWrite(targets.window, SaveIniSettings(targets.window.SettingsPath, targets));
}

void MenuSettingsReInitializeClick(SettingsTargets targets) {
  targets.window.MenuSettingsReInitialize = true;
  ReleaseInitialize(targets);
  ManuSettingsSaveClick(targets);
}

void MenuViewStdTopHeightClick(SettingsTargets targets) {
  MainWindowState& window = targets.window;
  window.MenuSettingsReInitialize = false;
  window.MenuViewStdTopHeight = !window.MenuViewStdTopHeight;
  window.PanelPGSearchTabTop = window.MenuViewStdTopHeight ? 62 : 140;
  if (!window.SettingsPath.empty())
    NoteWrite(window, WriteIniString(window.SettingsPath, "NS", "PageTopHeight",
                                     std::to_string(window.PanelPGSearchTabTop)));
}

void MenuDLSettingsSaveClick(SettingsTargets targets) {
  MainWindowState& window = targets.window;
  if (window.RegisteredUrlFolders.empty() || window.SettingsPath.empty()) return;
  IniFile file = IniFile::Load(window.SettingsPath);
  WritePairs(file, window.RegisteredUrlFolders);
  NoteWrite(window, file.Save(window.SettingsPath));
}

void MenuDLSettingsAppendClick(SettingsTargets targets) {
  DownloadTab& download = targets.download;
  const std::string url = download.ComboBoxWBUrl;
  for (const std::string& item : download.ComboBoxWBUrlItems) {
    if (EqualIgnoringAsciiCase(item, url)) return;
  }
  download.ComboBoxWBUrlItems.push_back(url);
  AddRegisteredUrlFolder(targets.window, url + "|" + download.BtnEditWBPageSaveFolder);
}

void MenuDLSettingsRemoveClick(SettingsTargets targets) {
  targets.window.RegisteredUrlFolders.clear();
  targets.download.ComboBoxWBUrlItems.clear();
  if (!targets.window.SettingsPath.empty())
    NoteWrite(targets.window, EraseIniSection(targets.window.SettingsPath, "DLUrl"));
}

void ApplyRegisteredUrls(SettingsTargets targets) {
  const std::vector<std::string>& pairs = targets.window.RegisteredUrlFolders;
  if (pairs.empty()) return;
  std::vector<std::string>& history = targets.download.ComboBoxWBUrlItems;
  history.clear();
  for (const std::string& entry : pairs) {
    if (const std::size_t bar = entry.find('|'); bar != std::string::npos)
      history.push_back(entry.substr(0, bar));
  }
}

}  // namespace pellucor

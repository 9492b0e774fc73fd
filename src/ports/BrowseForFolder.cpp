#include "ports/BrowseForFolder.h"

namespace pellucor {

std::string BrowseForFolder(Dialogs& dialogs, std::string_view title, std::string_view initial) {
  return dialogs.ChooseFolder(title, initial).value_or(std::string());
}

}  // namespace pellucor

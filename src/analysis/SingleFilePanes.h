#pragma once

#include <string>

#include "analysis/LocalPageCheck.h"

// The local page tab's three single-file panes: one style sheet, one script or one other text
// file of a saved page, read in the tab's load charset, searched, and saved again in its save
// charset.
namespace pellucor {

/// Which of the three panes.
enum class SingleFilePane { StyleSheet, Script, Reference };

class SingleFilePanes {
 public:
  SingleFilePanes(LocalPageHost host, LocalPageTab& tab);

  /// Open: a file chosen in the pane's dialog (starting at the path field) is shown and its
  /// path written into the field; the style sheet pane builds its colour list.
  void OpenFile(SingleFilePane pane);
  /// Go: the path field's file (an empty field asks) is shown.
  void OpenFileGo(SingleFilePane pane);
  /// Save (style sheet and script panes): the view written in the save charset where the
  /// save dialog says; a failed write is told instead of the saved message. The reference
  /// pane's save button does nothing.
  void Save(SingleFilePane pane);

 private:
  struct Place {
    std::string& field;
    TextView& view;
  };
  Place PlaceOf(SingleFilePane pane);
  void Load(SingleFilePane pane, std::string_view path, bool writeField);

  LocalPageHost host_;
  LocalPageTab& tab_;
};

}  // namespace pellucor

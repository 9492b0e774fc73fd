#pragma once

#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

// Moves values between the widgets and the tabs' state structs, so that handlers in the core
// read and write plain values. Before a handler runs the widgets the user changed are pulled
// into the state; after it (and at every pump point of long work) the values the core changed
// are pushed to the widgets. A value is pushed only when the core changed it, and a value the
// user did not edit keeps its bytes: a text holding bytes that are no Shift_JIS character is not
// rewritten by a round trip through QString, and typing during a run is not overwritten.
namespace pellucor::app {

class QtTextView;
class RadioGroup;

/// How a source view shows a text the core put there: as it is, or with syntax colours and the
/// caret then at the start (ColorizeHtmlView) or where it was (ColorizeHtmlViewEx).
enum class ViewColoring { Plain, CaretToStart, KeepCaret };

class Binder {
 public:
  Binder();
  ~Binder();
  Binder(const Binder&) = delete;
  Binder& operator=(const Binder&) = delete;

  void Bind(QLineEdit* widget, std::string* value);
  /// A memo's text: CR LF in the core, LF in the widget.
  void Bind(QPlainTextEdit* widget, std::string* value);
  /// The box's text, and its list when `items` is given.
  void Bind(QComboBox* widget, std::string* value, std::vector<std::string>* items = nullptr);
  void Bind(QCheckBox* widget, bool* value);
  void Bind(RadioGroup* widget, int* value);
  void Bind(QSpinBox* widget, int* value);
  /// A list box's lines; the user does not edit them, so they only ever go to the widget.
  void Bind(QListWidget* widget, std::vector<std::string>* lines);
  /// A label's text, which only the core sets.
  void Bind(QLabel* widget, std::string* value);
  /// A source view's text, coloured as asked whenever the core changed it; what the user typed
  /// into the view goes back.
  void Bind(QtTextView* widget, std::string* value, ViewColoring coloring);

  /// The values the user changed in the widgets since the last move, into the state.
  void Pull();
  /// The values the core changed since the last move, into the widgets.
  void Push();

  struct Binding;

 private:
  std::vector<std::unique_ptr<Binding>> bindings_;
};

}  // namespace pellucor::app

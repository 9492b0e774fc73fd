#include "cli/ColorsCommand.h"

#include <optional>
#include <ostream>

#include "analysis/CssColors.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/MappedFile.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"
#include "text/ShiftJis.h"

namespace pellucor::cli {
namespace {

// Pages are listed as the page source pane lists them (style tags taken out, nothing listed
// without a "color:"); every other file as a style sheet.
bool IsPageName(std::string_view path) {
  const std::string lower = LowerCaseText(path);
  const std::string_view name = std::string_view(lower).substr(lower.rfind('/') + 1);
  return name.find(".htm") != std::string_view::npos || name.ends_with(".php");
}

}  // namespace

const char* const kColorsUsage =
    "usage: pellucor-cli colors [--sorted] FILE\n"
    "\n"
    "Prints the colour list of FILE, one item a line: every colour written as \"#\" and\n"
    "hexadecimal digits, padded with blanks to 12 characters, then a blank and the selector of\n"
    "its rule. A file whose name holds \".htm\" or ends in \".php\" is read as a page (its style\n"
    "tags taken out, nothing listed without a \"color:\"), any other as a style sheet. The text\n"
    "is converted to Shift_JIS from the encoding its declarations name, else the one detected.\n"
    "Line ends inside an item are printed as blanks.\n"
    "\n"
    "  --sorted  the values alone, sorted without regard to case and without duplicates\n"
    "\n"
    "Exit status: 0 done, 1 no colour was found, 2 FILE cannot be read, 64 usage error.\n";

int RunColors(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {}, {"-h", "--help", "--sorted"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kColorsUsage;
    return kDone;
  }
  if (line->Positional().size() != 1) {
    error << "colors needs exactly one file (see pellucor-cli colors --help)\n";
    return kUsageError;
  }
  const std::string& path = line->Positional().front();
  const std::optional<MappedFile> file = MappedFile::Open(path);
  if (!file) {
    error << "cannot read " << path << "\n";
    return kBadInput;
  }
  const ConvertedText text = ConvertHtmlToSjis(file->bytes(), CharsetCode::Automatic);
  if (!text.ok()) {
    error << SjisToUtf8(text.error) << "\n";
    return kBadInput;
  }
  const ColorListOrder order =
      line->Has("--sorted") ? ColorListOrder::SortedUnique : ColorListOrder::AsFound;
  std::optional<std::vector<std::string>> items;
  if (IsPageName(path)) {
    if (const std::optional<std::string> page = PreparePageSourceForColors(text.text))
      items = ExtractCssColors(*page, order);
  } else {
    items = ExtractCssColors(PrepareStyleSheetForColors(text.text), order);
  }
  if (!items || items->empty()) {
    error << "no colour values in " << path << "\n";
    return kEndedEarly;
  }
  // A selector can span lines (the text before a page's first rule is part of it): each item
  // is printed on one line, its line ends shown as blanks.
  for (const std::string& item : *items)
    out << ReplaceAll(ReplaceAll(SjisToUtf8(item), "\r\n", " ", CaseMode::Exact), "\n", " ",
                      CaseMode::Exact)
        << "\n";
  return kDone;
}

}  // namespace pellucor::cli

#include "cli/ConvertCommand.h"

#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "text/CodePage932.h"
#include "text/ShiftJis.h"
#include "text/TextTrim.h"
#include "webcode/WebCode.h"

namespace pellucor::cli {
namespace {

enum class Direction { Decode, Encode };

std::optional<int> ItemNumber(std::string_view text) {
  if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kWebCodeItemCount) return std::nullopt;
  return text[0] - '0';
}

// Standard input without the one line end that ends the last line, as a shell's $(...) would
// take it.
std::string ReadInput(std::istream& in) {
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (text.ends_with('\n')) text.pop_back();
  if (text.ends_with('\r')) text.pop_back();
  return text;
}

}  // namespace

const char* const kConvertUsage =
    "usage: pellucor-cli convert decode|encode ITEM [TEXT]\n"
    "\n"
    "Converts TEXT, or standard input when TEXT is not given, as the web code converter does.\n"
    "decode reads the encoded bytes as they are and prints the decoded text in UTF-8; encode\n"
    "takes UTF-8 text, converts it to Shift_JIS (line ends CR LF) and prints the encoded bytes.\n"
    "\n"
    "  ITEM  decode                           encode\n"
    "  0     percent-escaped UTF-8            percent-escaped UTF-8\n"
    "  1     the same, \"%25\" made \"%\" first   percent-escaped UTF-8\n"
    "  2     percent-escaped EUC-JP           percent-escaped EUC-JP\n"
    "  3     percent-escaped Shift_JIS        percent-escaped Shift_JIS\n"
    "  4     UTF-8                            UTF-8\n"
    "  5     ISO-2022-JP                      ISO-2022-JP\n"
    "  6     Base64 of Shift_JIS              Base64 of Shift_JIS\n"
    "  7     EUC-JP                           EUC-JP (half-width kana widened)\n"
    "\n"
    "Exit status: 0 done, 1 the text gave nothing (decode 0, 1 and 4 need well-formed UTF-8),\n"
    "2 a text to encode that cannot be written in Shift_JIS, 64 usage error.\n";

int RunConvert(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& error) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {}, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kConvertUsage;
    return kDone;
  }
  const std::vector<std::string>& positional = line->Positional();
  if (positional.size() < 2 || positional.size() > 3 ||
      (positional[0] != "decode" && positional[0] != "encode")) {
    error << "convert needs decode or encode, an item and perhaps a text (see pellucor-cli "
             "convert --help)\n";
    return kUsageError;
  }
  const Direction direction = positional[0] == "decode" ? Direction::Decode : Direction::Encode;
  const std::optional<int> item = ItemNumber(positional[1]);
  if (!item) {
    error << "the item is a number from 0 to " << kWebCodeItemCount - 1 << "\n";
    return kUsageError;
  }
  const std::string input = positional.size() == 3 ? positional[2] : ReadInput(in);

  if (direction == Direction::Decode) {
    const std::string decoded = WebCodeDecode(input, *item);
    if (decoded.empty() && !input.empty()) {
      error << "the text gives nothing when decoded by item " << *item << "\n";
      return kEndedEarly;
    }
    out << ReplaceAll(SjisToUtf8(decoded), "\r\n", "\n", CaseMode::Exact) << "\n";
    return kDone;
  }

  const std::optional<std::string> sjis = Utf8ToSjisExact(input);
  if (!sjis) {
    error << "the text is not UTF-8 that can be written in Shift_JIS\n";
    return kBadInput;
  }
  out << WebCodeEncode(UnifyLineEnds(*sjis), *item) << "\n";
  return kDone;
}

}  // namespace pellucor::cli

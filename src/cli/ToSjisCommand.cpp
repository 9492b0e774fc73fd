#include "cli/ToSjisCommand.h"

#include <array>
#include <fstream>
#include <ostream>
#include <utility>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/MappedFile.h"
#include "text/CodePage932.h"
#include "text/HtmlCharset.h"

namespace pellucor::cli {
namespace {

// The names of the charset codes, in the order of the charset option groups.
constexpr std::array<std::pair<std::string_view, CharsetCode>, 6> kCharsetNames = {{
    {"auto", CharsetCode::Automatic},
    {"euc-jp", CharsetCode::EucJp},
    {"utf-8", CharsetCode::Utf8},
    {"shift_jis", CharsetCode::ShiftJis},
    {"iso-2022-jp", CharsetCode::Iso2022Jp},
    {"utf-8n", CharsetCode::Utf8N},
}};

std::optional<CharsetCode> CharsetNamed(std::string_view name) {
  for (const auto& [charsetName, code] : kCharsetNames) {
    if (charsetName == name) return code;
  }
  return std::nullopt;
}

}  // namespace

const char* const kToSjisUsage =
    "usage: pellucor-cli to-sjis [--charset NAME] IN [-o OUT]\n"
    "\n"
    "Converts the page IN to Shift_JIS as a downloaded page is converted: its encoding is\n"
    "taken from its declarations (or forced with --charset) and its line ends are normalised.\n"
    "Writes the Shift_JIS bytes to OUT, or to standard output (shown as UTF-8 on a terminal).\n"
    "\n"
    "  --charset NAME  auto (the default), euc-jp, utf-8, shift_jis, iso-2022-jp or utf-8n\n"
    "  -o OUT          the file to write\n"
    "\n"
    "Exit status: 0 done, 2 IN cannot be read or OUT cannot be written, 64 usage error.\n";

int RunToSjis(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& error,
              bool outIsTerminal) {
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, {"-o", "--charset"}, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << kToSjisUsage;
    return kDone;
  }
  if (line->Positional().size() != 1) {
    error << "to-sjis needs exactly one input file (see pellucor-cli to-sjis --help)\n";
    return kUsageError;
  }
  const std::optional<CharsetCode> charset =
      CharsetNamed(line->Value("--charset").value_or("auto"));
  if (!charset) {
    error << "unknown charset " << *line->Value("--charset")
          << " (auto, euc-jp, utf-8, shift_jis, iso-2022-jp or utf-8n)\n";
    return kUsageError;
  }

  const std::string& inPath = line->Positional().front();
  const std::optional<MappedFile> page = MappedFile::Open(inPath);
  if (!page) {
    error << "cannot read " << inPath << "\n";
    return kBadInput;
  }
  const ConvertedText converted = ConvertHtmlToSjis(page->bytes(), *charset);
  if (!converted.ok()) {
    error << SjisToUtf8(converted.error) << "\n";
    return kBadInput;
  }

  if (const std::optional<std::string> outPath = line->Value("-o")) {
    std::ofstream file(*outPath, std::ios::binary | std::ios::trunc);
    file << converted.text;
    if (!file.flush()) {
      error << "cannot write " << *outPath << "\n";
      return kBadInput;
    }
    return kDone;
  }
  out << (outIsTerminal ? SjisToUtf8(converted.text) : converted.text);
  return kDone;
}

}  // namespace pellucor::cli

#include "cli/PageCommand.h"

#include <optional>
#include <ostream>

#include "cli/ExitStatus.h"
#include "cli/MappedFile.h"
#include "text/FileReplace.h"

namespace pellucor::cli {

int RunPageCommand(const PageCommand& command, const std::vector<std::string>& arguments,
                   std::ostream& out, std::ostream& error, bool outIsTerminal) {
  std::vector<std::string> valueOptions = command.valueOptions;
  valueOptions.push_back("-o");
  const std::optional<CommandLine> line =
      CommandLine::Parse(arguments, valueOptions, {"-h", "--help"}, error);
  if (!line) return kUsageError;
  if (line->Has("-h") || line->Has("--help")) {
    out << command.usage;
    return kDone;
  }
  if (line->Positional().size() != 1) {
    error << command.name << " needs exactly one input file (see pellucor-cli " << command.name
          << " --help)\n";
    return kUsageError;
  }
  if (command.checkOptions && !command.checkOptions(*line, error)) return kUsageError;

  const std::string& inPath = line->Positional().front();
  const std::optional<MappedFile> page = MappedFile::Open(inPath);
  if (!page) {
    error << "cannot read " << inPath << "\n";
    return kBadInput;
  }
  const ConvertedText converted = command.transform(page->bytes(), *line);
  if (!converted.ok()) {
    error << SjisToUtf8(converted.error) << "\n";
    return kBadInput;
  }
  if (const std::optional<std::string> outPath = line->Value("-o")) {
    // Replaced whole or not at all, and never a pipe or a link standing at the name.
    const FileReplaceResult written = ReplaceFileContents(*outPath, converted.text);
    if (!written) {
      error << "cannot write " << *outPath << ": " << written.reason << "\n";
      return kBadInput;
    }
    return kDone;
  }
  out << (outIsTerminal ? SjisToUtf8(converted.text) : converted.text);
  return kDone;
}

}  // namespace pellucor::cli

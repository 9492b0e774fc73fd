#include "cli/CommandLine.h"

#include <algorithm>

namespace pellucor::cli {
namespace {

bool Contains(const std::vector<std::string>& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::optional<CommandLine> CommandLine::Parse(const std::vector<std::string>& arguments,
                                              const std::vector<std::string>& valueOptions,
                                              const std::vector<std::string>& flags,
                                              std::ostream& error) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      line.positional_.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = argument;
    std::optional<std::string> inlineValue;
    if (const std::size_t equals = argument.find('=');
        argument.starts_with("--") && equals != std::string::npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
    }
    if (Contains(flags, name) && !inlineValue) {
      line.flags_.push_back(name);
    } else if (Contains(valueOptions, name)) {
      if (!inlineValue && i + 1 >= arguments.size()) {
        error << "option " << name << " needs a value\n";
        return std::nullopt;
      }
      line.values_.emplace_back(name, inlineValue ? *inlineValue : arguments[++i]);
    } else {
      error << "unknown option " << argument << "\n";
      return std::nullopt;
    }
  }
  return line;
}

std::optional<std::string> CommandLine::Value(std::string_view option) const {
  // The last occurrence wins, as with curl and wget.
  for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
    if (it->first == option) return it->second;
  }
  return std::nullopt;
}

std::vector<std::string> CommandLine::Values(std::string_view option) const {
  std::vector<std::string> values;
  for (const auto& [name, value] : values_) {
    if (name == option) values.push_back(value);
  }
  return values;
}

bool CommandLine::Has(std::string_view flag) const {
  return Contains(flags_, flag);
}

}  // namespace pellucor::cli

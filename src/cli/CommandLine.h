#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pellucor::cli {

/// The arguments of one command: options with values ("-o FILE", "--charset=NAME" or
/// "--charset NAME"), flags, and the positional arguments in order.
class CommandLine {
 public:
  /// Parses `arguments` (without the program and command names). `valueOptions` are the options
  /// that take a value, `flags` those that do not, each with its dashes ("-o", "--charset").
  /// Returns nullopt and writes a one-line error to `error` for an unknown option or a missing
  /// value.
  [[nodiscard]] static std::optional<CommandLine> Parse(
      const std::vector<std::string>& arguments, const std::vector<std::string>& valueOptions,
      const std::vector<std::string>& flags, std::ostream& error);

  /// The value of the option's last occurrence; nullopt when it is not given.
  [[nodiscard]] std::optional<std::string> Value(std::string_view option) const;
  /// The values of every occurrence of the option, in the order given; empty when it is not.
  [[nodiscard]] std::vector<std::string> Values(std::string_view option) const;
  [[nodiscard]] bool Has(std::string_view flag) const;
  [[nodiscard]] const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> flags_;
  std::vector<std::string> positional_;
};

}  // namespace pellucor::cli

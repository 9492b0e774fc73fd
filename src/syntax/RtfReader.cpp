#include "syntax/RtfReader.h"

#include <charconv>

namespace pellucor {
namespace {

// What the bytes of a group are.
enum class Destination : std::uint8_t { Text, FontTable, ColorTable, Skipped };

struct GroupState {
  Destination destination = Destination::Text;
  int colorIndex = 0;
};

[[nodiscard]] bool IsLetter(char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : rtf_(rtf) {}

  RtfText Read() {
    if (!rtf_.starts_with("{\\rtf")) return Fail(RtfReadError::NotRtf);
    result_.text.reserve(rtf_.size() / 2);
    while (at_ < rtf_.size()) {
      const char byte = rtf_[at_++];
      switch (byte) {
        case '{':
          groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
          groupStart_ = true;
          continue;
        case '}':
          if (groups_.empty()) return Fail(RtfReadError::CutOff);
          EndColorEntryIfOpen();
          groups_.pop_back();
          if (groups_.empty()) return Finish();
          break;
        case '\\':
          if (at_ >= rtf_.size()) return Fail(RtfReadError::CutOff);
          if (!ControlSequence()) return Fail(RtfReadError::ColorOutOfTable);
          break;
        default:
          if (groups_.empty()) return Fail(RtfReadError::NotRtf);
          Byte(byte);
          break;
      }
      groupStart_ = false;
    }
    return Fail(RtfReadError::CutOff);
  }

 private:
  RtfText Fail(RtfReadError error) {
    result_.error = error;
    return std::move(result_);
  }

  RtfText Finish() { return std::move(result_); }

  GroupState& Group() { return groups_.back(); }

  // After a backslash. False for a colour that is not in the table.
  bool ControlSequence() {
    const char first = rtf_[at_];
    if (!IsLetter(first)) {
      ++at_;
      // "\\", "\{" and "\}" stand for their byte; "\*" marks a group this reader does not
      // know; other control symbols carry no text.
      if (first == '\\' || first == '{' || first == '}') Byte(first);
      if (first == '*' && groupStart_) Group().destination = Destination::Skipped;
      return true;
    }
    const std::size_t wordStart = at_;
    while (at_ < rtf_.size() && IsLetter(rtf_[at_]))
      ++at_;
    const std::string_view word = rtf_.substr(wordStart, at_ - wordStart);
    long long parameter = 0;
    bool hasParameter = false;
    const std::size_t numberStart = at_;
    if (at_ < rtf_.size() && rtf_[at_] == '-') ++at_;
    while (at_ < rtf_.size() && rtf_[at_] >= '0' && rtf_[at_] <= '9')
      ++at_;
    if (at_ > numberStart) {
      const auto [end, error] =
          std::from_chars(rtf_.data() + numberStart, rtf_.data() + at_, parameter);
      hasParameter = error == std::errc() && end == rtf_.data() + at_;
    }
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;  // the blank that ends the word
    return ControlWord(word, hasParameter ? parameter : 0);
  }

  bool ControlWord(std::string_view word, long long parameter) {
    GroupState& group = Group();
    if (groupStart_ && word == "fonttbl") {
      group.destination = Destination::FontTable;
    } else if (groupStart_ && word == "colortbl") {
      group.destination = Destination::ColorTable;
    } else if (group.destination == Destination::ColorTable) {
      const auto value = static_cast<Color>(parameter & 0xFF);
      if (word == "red") entry_ = (entry_ & ~0xFF) | value;
      if (word == "green") entry_ = (entry_ & ~0xFF00) | (value << 8);
      if (word == "blue") entry_ = (entry_ & ~0xFF0000) | (value << 16);
      entryOpen_ = true;
    } else if (word == "cf") {
      if (parameter < 0 || parameter >= static_cast<long long>(result_.colors.size())) return false;
      group.colorIndex = static_cast<int>(parameter);
    } else if (word == "plain") {
      group.colorIndex = 0;
    } else if (word == "pard") {
      bodyStarted_ = true;
    }
    return true;
  }

  void Byte(char byte) {
    GroupState& group = Group();
    switch (group.destination) {
      case Destination::Text:
        if ((byte == '\r' || byte == '\n') && !bodyStarted_) return;
        AppendText(byte, group.colorIndex);
        return;
      case Destination::ColorTable:
        if (byte == ';') {
          result_.colors.push_back(entry_);
          entry_ = 0;
          entryOpen_ = false;
        }
        return;
      case Destination::FontTable:
      case Destination::Skipped:
        return;
    }
  }

  // A last colour entry without its ";" still counts.
  void EndColorEntryIfOpen() {
    if (Group().destination == Destination::ColorTable && entryOpen_) {
      result_.colors.push_back(entry_);
      entry_ = 0;
      entryOpen_ = false;
    }
  }

  void AppendText(char byte, int colorIndex) {
    std::vector<ColoredRun>& runs = result_.runs;
    if (runs.empty() || runs.back().colorIndex != colorIndex) {
      const Color color = static_cast<std::size_t>(colorIndex) < result_.colors.size()
                              ? result_.colors[colorIndex]
                              : 0;
      runs.push_back({result_.text.size(), 0, colorIndex, color});
    }
    ++runs.back().length;
    result_.text += byte;
  }

  std::string_view rtf_;
  std::size_t at_ = 0;
  std::vector<GroupState> groups_;
  bool groupStart_ = false;
  bool bodyStarted_ = false;
  Color entry_ = 0;
  bool entryOpen_ = false;
  RtfText result_;
};

}  // namespace

RtfText ReadRtf(std::string_view rtf) {
  return Reader(rtf).Read();
}

}  // namespace pellucor

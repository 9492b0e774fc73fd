#pragma once

#include <unistd.h>

#include <utility>

namespace pellucor {

/// An open file or folder descriptor, closed when it goes out of scope; -1 for none.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : value_(descriptor) {}
  ~FileDescriptor() {
    if (value_ >= 0) ::close(value_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  [[nodiscard]] int get() const { return value_; }
  /// Closes the descriptor held and holds `descriptor` instead.
  void Reset(int descriptor) {
    if (value_ >= 0) ::close(value_);
    value_ = descriptor;
  }
  /// Hands the descriptor over; this one then holds none.
  [[nodiscard]] int Release() { return std::exchange(value_, -1); }

 private:
  int value_ = -1;
};

}  // namespace pellucor

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellucor::cli {

/// A file's bytes mapped into memory for reading: a large page is read without a copy.
class MappedFile {
 public:
  /// The mapped file, or nullopt when it cannot be opened or mapped (or is not a regular file).
  [[nodiscard]] static std::optional<MappedFile> Open(const std::string& path);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&&) = delete;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  [[nodiscard]] std::string_view bytes() const { return {data_, size_}; }

 private:
  MappedFile(const char* data, std::size_t size) : data_(data), size_(size) {}
  const char* data_;
  std::size_t size_;
};

}  // namespace pellucor::cli

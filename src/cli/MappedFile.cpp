#include "cli/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellucor::cli {

std::optional<MappedFile> MappedFile::Open(const std::string& path) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer for ever; it is refused
  // below like any other entry that is not a regular file.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return std::nullopt;
  }
  const std::size_t size = static_cast<std::size_t>(status.st_size);
  if (size == 0) {
    ::close(descriptor);
    return MappedFile(nullptr, 0);
  }
  void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
  ::close(descriptor);
  if (data == MAP_FAILED) return std::nullopt;
  return MappedFile(static_cast<const char*>(data), size);
}

MappedFile::MappedFile(MappedFile&& other) noexcept : data_(other.data_), size_(other.size_) {
  other.data_ = nullptr;
  other.size_ = 0;
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) ::munmap(const_cast<char*>(data_), size_);
}

}  // namespace pellucor::cli

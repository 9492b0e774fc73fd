#include "files/PhraseSearch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "text/CodePage932.h"
#include "text/ShiftJis.h"

namespace pellucor {
namespace {

void LowerAsciiBytes(unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    bytes[i] = LowerAscii(bytes[i]);
}

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  [[nodiscard]] int get() const { return descriptor_; }

 private:
  int descriptor_;
};

// Reads up to `count` bytes from `position` on, retrying interrupted and partial reads; fewer
// bytes than asked only at the end of the file. A short read that reaches the size the file had
// when it was opened is taken as the end, which saves small files a second read. -1 on a read
// error.
ssize_t ReadChunk(int descriptor, unsigned char* into, std::size_t count, std::uint64_t& position,
                  std::uint64_t openedSize) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(descriptor, into + done, count - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
    position += static_cast<std::uint64_t>(got);
    if (position >= openedSize && done < count) break;
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

bool FileContainsPhrase(const std::string& path, const TContentCriteria& content,
                        const std::atomic<bool>* stop) {
  const std::size_t length = content.Phrase.size();
  if (length == 0) return false;
  const std::optional<std::string> systemPath = SjisToUtf8Exact(path);
  if (!systemPath) return false;
  // O_NONBLOCK keeps the open of a named pipe from waiting for a writer; such files are then
  // refused below.
  const FileDescriptor file(::open(systemPath->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) return false;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  if (static_cast<std::uint64_t>(status.st_size) < length) return false;
  ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

  std::string phrase = content.Phrase;
  if (content.IgnoreCase)
    LowerAsciiBytes(reinterpret_cast<unsigned char*>(phrase.data()), phrase.size());
  const std::size_t chunk = length > kPhraseChunkSize ? length + 1 : kPhraseChunkSize;
  // The buffer holds what is left of the previous chunk (the bytes a match may still start in,
  // and the one before them for the whole-word test) followed by the new chunk.
  std::vector<unsigned char> buffer(chunk + length + 1);
  std::size_t kept = 0;           // bytes carried over from the previous chunk
  std::uint64_t bufferStart = 0;  // file offset of buffer[0]
  std::size_t scanFrom = 0;       // first start in the buffer not yet decided
  std::uint64_t position = 0;     // file offset of the next read
  for (;;) {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return false;
    const ssize_t got = ReadChunk(file.get(), buffer.data() + kept, chunk, position,
                                  static_cast<std::uint64_t>(status.st_size));
    if (got < 0) return false;
    const bool atEnd = static_cast<std::size_t>(got) < chunk;
    if (content.IgnoreCase) LowerAsciiBytes(buffer.data() + kept, static_cast<std::size_t>(got));
    const std::size_t filled = kept + static_cast<std::size_t>(got);
    std::size_t undecided = filled >= length ? filled - length + 1 : 0;  // first start not tried
    for (std::size_t from = scanFrom; filled >= length && from + length <= filled;) {
      const void* found = ::memmem(buffer.data() + from, filled - from, phrase.data(), length);
      if (found == nullptr) break;
      const std::size_t at =
          static_cast<std::size_t>(static_cast<const unsigned char*>(found) - buffer.data());
      if (!content.WholeWord) return true;
      const bool clearBefore = bufferStart + at == 0 || !IsWordByte(buffer[at - 1]);
      if (at + length == filled && !atEnd) {
        // The byte after the match comes with the next chunk.
        undecided = at;
        break;
      }
      const bool clearAfter = at + length == filled || !IsWordByte(buffer[at + length]);
      if (clearBefore && clearAfter) return true;
      from = at + 1;
    }
    if (atEnd) return false;
    // Keep the undecided starts and the byte before the first of them.
    const std::size_t keepFrom = undecided > 0 ? undecided - 1 : 0;
    kept = filled - keepFrom;
    std::memmove(buffer.data(), buffer.data() + keepFrom, kept);
    bufferStart += keepFrom;
    scanFrom = undecided - keepFrom;
  }
}

}  // namespace pellucor

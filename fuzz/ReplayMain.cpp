// Runs a fuzz target once on each file of the folders (or files) given, without libFuzzer: the
// test gate replays the checked-in corpora with the compiler and sanitizers of the test build,
// so it is repeatable and needs no second toolchain. A broken invariant traps as under the
// fuzzer; the input that did it is named first.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path given(argv[i]);
    std::error_code error;
    if (std::filesystem::is_directory(given, error)) {
      for (const auto& entry : std::filesystem::directory_iterator(given))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (std::filesystem::is_regular_file(given, error)) {
      inputs.push_back(given);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 2;
  }
  for (const std::filesystem::path& input : inputs) {
    std::ifstream stream(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "replaying %s\n", input.c_str());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}

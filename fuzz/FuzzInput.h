#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The bytes libFuzzer hands a target, as a text of the program (Shift_JIS or any bytes).
inline std::string_view FuzzText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Stops the run with a crash libFuzzer reports when an invariant of the program is broken.
#define FUZZ_CHECK(condition)           \
  do {                                  \
    if (!(condition)) __builtin_trap(); \
  } while (false)

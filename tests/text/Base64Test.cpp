#include "text/Base64.h"

#include <gtest/gtest.h>

namespace pellucor {
namespace {

TEST(Base64, Rfc4648Vectors) {
  struct Case {
    const char* plain;
    const char* encoded;
  } cases[] = {{"", ""},
               {"f", "Zg=="},
               {"fo", "Zm8="},
               {"foo", "Zm9v"},
               {"foob", "Zm9vYg=="},
               {"fooba", "Zm9vYmE="},
               {"foobar", "Zm9vYmFy"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Base64Encode(c.plain), c.encoded);
    EXPECT_EQ(Base64Decode(c.encoded), c.plain);
  }
}

TEST(Base64, DecoderQuirks) {
  // A zero byte in the second or third place of a group is lost; in the first it stays.
  EXPECT_EQ(Base64Decode(Base64Encode(std::string("a\0b", 3))), "ab");
  EXPECT_EQ(Base64Decode(Base64Encode(std::string("ab\0", 3))), "ab");
  EXPECT_EQ(Base64Decode(Base64Encode(std::string("\0ab", 3))), std::string("\0ab", 3));
  // An incomplete last group is ignored; characters outside the alphabet add no bits.
  EXPECT_EQ(Base64Decode("Zm9vYg"), "foo");
  EXPECT_EQ(Base64Decode("Zm*v"), "f`/");
}

TEST(Base64, BinaryRoundTripWithoutZeroBytes) {
  std::string bytes;
  for (int i = 1; i < 256; ++i)
    bytes.push_back(static_cast<char>(i));
  EXPECT_EQ(Base64Decode(Base64Encode(bytes)), bytes);
}

}  // namespace
}  // namespace pellucor

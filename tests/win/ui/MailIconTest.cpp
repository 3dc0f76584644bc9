#include "ui/MailIcon.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

// The picture the program carries: GIF89a, a 58 x 39 screen, 256 colours in the global table.
TEST(MailIcon, TheBuiltInPictureHasItsFixedShape) {
  const std::string_view gif = MailIconBytes();
  ASSERT_EQ(gif.size(), 1520u);
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(gif[i]); };
  EXPECT_EQ(byte(6) | byte(7) << 8, 58);
  EXPECT_EQ(byte(8) | byte(9) << 8, 39);
  EXPECT_EQ(byte(10) & 0x80, 0x80) << "no global colour table";
  EXPECT_EQ(2 << (byte(10) & 0x07), 256);
  EXPECT_EQ(byte(gif.size() - 1), 0x3B) << "no trailer";
}

}  // namespace
}  // namespace tokiwake::test

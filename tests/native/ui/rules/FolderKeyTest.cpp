#include "ui/rules/FolderKey.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(IsFolderKeyAllowed, TakesPathCharactersAndRefusesTheRest) {
  for (char key : std::string("\x08\x0D\x16\x03\x1A"
                              "AZaz09/\\:._")) {
    EXPECT_TRUE(IsFolderKeyAllowed(key)) << int(key);
  }
  for (char key : std::string(" -()!&+,~;=[]'@\x7F")) {
    EXPECT_FALSE(IsFolderKeyAllowed(key)) << int(key);
  }
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    EXPECT_FALSE(IsFolderKeyAllowed(static_cast<char>(byte))) << byte;  // kana and lead bytes
  }
}

}  // namespace
}  // namespace tokiwake::test

// A call that asks for half of a shortcut's icon location.
#include "win32/Shortcut.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(ReadShortcutDeathTest, HalfAnIconLocationStopsTheProgramInEveryBuild) {
  Text iconFile;
  int iconIndex = 0;
  constexpr char kAssertion[] =
      "NULL == IconFile && NULL == IconIndex \\|\\| NULL != IconFile && NULL != IconIndex";
  // The check comes first: no file is needed.
  EXPECT_DEATH(ReadShortcut("C:\\none.lnk", nullptr, nullptr, &iconFile, nullptr), kAssertion);
  EXPECT_DEATH(ReadShortcut("C:\\none.lnk", nullptr, nullptr, nullptr, &iconIndex), kAssertion);
}

}  // namespace
}  // namespace tokiwake::test

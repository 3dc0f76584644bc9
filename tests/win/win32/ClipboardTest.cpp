// Clipboard text: read up to the first NUL, never past the end of the block. (The middle-click
// paste tests read the real clipboard.)
#include "win32/Clipboard.h"

#include <gtest/gtest.h>

#include "harness/Harness.h"

namespace tokiwake::test {
namespace {

TEST(Clipboard, ABlockIsReadUpToItsFirstNulAndNeverPastItsEnd) {
  const wchar_t chars[] = L"C:\\写真XY\0tail";  // what lies past the block must not be read
  EXPECT_EQ(TextInClipboardBlock(chars, 5 * sizeof(wchar_t)), "C:\\写真");
  EXPECT_EQ(TextInClipboardBlock(chars, 5 * sizeof(wchar_t) + 1), "C:\\写真");  // half a character
  EXPECT_EQ(TextInClipboardBlock(chars, sizeof chars), "C:\\写真XY");
  EXPECT_EQ(TextInClipboardBlock(chars, 0), "");
}

}  // namespace
}  // namespace tokiwake::test

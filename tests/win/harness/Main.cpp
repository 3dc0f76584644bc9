#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include "harness/Harness.h"

// The window under test runs on this thread as it would in the program: an OLE apartment (drop
// targets, the folder chooser, the browser view) and the common controls registered.
int main(int argc, char** argv) {
  tokiwake::test::PrepareTestProcess();
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no window system.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (FAILED(OleInitialize(nullptr))) return 2;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}

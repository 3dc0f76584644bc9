// clang-format off
#include <windows.h>  // before the other Windows headers, which lean on it
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>

// The window under test runs on this thread as it would in the program: an OLE apartment (drop
// targets, the folder chooser, the browser view) and the common controls registered.
int main(int argc, char** argv) {
  // A crash prints and ends the run instead of waiting for someone to close a dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  if (FAILED(OleInitialize(nullptr))) return 2;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}

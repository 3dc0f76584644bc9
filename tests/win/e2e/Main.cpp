#include <windows.h>
// windows.h first: shellapi.h needs its definitions.
#include <gtest/gtest.h>
#include <shellapi.h>

#include "e2e/ProgramUnderTest.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

namespace {

Text programUnderTest;

// CTest hands over the path as the build tree knows it; under Wine that is a Unix path, which
// drive Z: reaches.
Text AsWindowsPath(std::wstring path) {
  if (path.starts_with(L"/")) {
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    path.insert(0, L"Z:");
  }
  return Narrow(path);
}

}  // namespace

const Text& ProgramUnderTest() { return programUnderTest; }

}  // namespace tokiwake::test

int main(int argc, char** argv) {
  tokiwake::test::PrepareTestProcess();
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // needs no program to test
  // Read from the wide command line: the path may hold characters the ANSI code page lacks.
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count < 2) {
    fprintf(stderr, "usage: e2e_tests PATH-OF-tokiwake.exe [gtest options]\n");
    return 2;
  }
  // The program path is the first argument that is no option.
  for (int i = 1; i < count; ++i) {
    if (arguments[i][0] != L'-') {
      tokiwake::test::programUnderTest = tokiwake::test::AsWindowsPath(arguments[i]);
      break;
    }
  }
  LocalFree(arguments);
  if (tokiwake::test::programUnderTest.empty()) {
    fprintf(stderr, "e2e_tests: no path of tokiwake.exe among the arguments\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}

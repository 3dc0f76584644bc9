// The Help menu of the real tokiwake.exe, started from a program folder that holds what ships
// beside it: the viewers it starts are seen from outside, as the system lists them.
#include <gtest/gtest.h>

#include "e2e/NotepadWindows.h"
#include "e2e/ProgramUnderTest.h"
#include "e2e/RunningProgram.h"
#include "harness/Dialogs.h"
#include "harness/Harness.h"
#include "harness/Processes.h"
#include "platform/Cp932.h"
#include "text/Paths.h"
#include "ui/ControlIds.h"

namespace tokiwake::test {
namespace {

void CopyShipped(const Text& from, const Text& to) {
  EXPECT_TRUE(CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), TRUE)) << ForLog(from);
}

// The program with the ReadMe and the usage pages that lie beside it, as a user unzips them.
void InstallBeside(const Text& programFolder) {
  const Text shipped = FolderPart(ProgramUnderTest());
  CopyShipped(ProgramUnderTest(), programFolder + "\\tokiwake.exe");
  CopyShipped(shipped + "ReadMe.txt", programFolder + "\\ReadMe.txt");
  MakeFolder(programFolder + "\\help");
  for (const Text& name : ListFolder(shipped + "help")) {
    CopyShipped(shipped + "help\\" + name, programFolder + "\\help\\" + name);
  }
}

Text WindowsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetWindowsDirectoryW(buffer, MAX_PATH);
  return WithTrailingBackslash(Narrow(buffer));
}

TEST(HelpEndToEnd, TheHelpMenuOpensTheShippedPagesAndTheVersionDialog) {
  TempFolder programFolder("プログラム フォルダー");
  InstallBeside(programFolder.Path());
  ASSERT_TRUE(PathExists(programFolder / "help\\index.htm")) << "no usage page ships";
  ASSERT_TRUE(PathExists(programFolder / "ReadMe.txt")) << "no ReadMe ships";
  RunningProgram tokiwake(programFolder / "tokiwake.exe");
  ASSERT_TRUE(tokiwake.Started()) << "error " << GetLastError();
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = MainWindowOf(tokiwake.Id())) != nullptr; }));
  DialogAnswerer noBox(tokiwake.Id());

  ChooseMenuItem(main, ids::mnuUSE);
  const std::optional<StartedProcess> browser =
      WaitForChild(tokiwake.Id(), "iexplore.exe", {}, Milliseconds(30'000));
  ASSERT_TRUE(browser) << "no browser was started";
  EndProcess(browser->id);
  EXPECT_EQ(browser->commandLine, "\"" + WindowsFolder().substr(0, 3) +
                                      "Program Files\\Internet Explorer\\Iexplore.exe\" " +
                                      programFolder.Path() + "\\help\\index.htm")
      << ForLog(browser->commandLine);

  ChooseMenuItem(main, ids::mnuReadMe);
  const std::optional<StartedProcess> notepad =
      WaitForChild(tokiwake.Id(), "notepad.exe", {}, Milliseconds(30'000));
  ASSERT_TRUE(notepad) << "no Notepad was started";
  EXPECT_EQ(notepad->commandLine,
            "\"" + WindowsFolder() + "NOTEPAD.EXE\" " + programFolder.Path() + "\\ReadMe.txt")
      << ForLog(notepad->commandLine);
  EXPECT_TRUE(NotepadCame("ReadMe.txt", Milliseconds(30'000)))
      << "Notepad did not open the ReadMe:" << VisibleWindows();
  EndProcess(notepad->id);

  ChooseMenuItem(main, ids::mnuVER);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (dialog = VisibleWindowOf(tokiwake.Id(), L"TfrmVersion")) != nullptr;
  })) << "no version dialog:"
      << VisibleWindows();
  EXPECT_EQ(GetText(dialog), "バージョン情報");
  HWND shown = GetWindow(dialog, GW_CHILD);
  ASSERT_NE(shown, nullptr) << "the version dialog is blank";
  // Without an HTML engine (Wine here) the page's facts stand in plain labels.
  wchar_t kind[16] = {};
  GetClassNameW(shown, kind, 16);
  if (lstrcmpiW(kind, L"Static") == 0) {
    EXPECT_EQ(GetText(shown), "Tokiwake　Ver 1.00");
  }
  EXPECT_EQ(ReadBytes(programFolder / "MailIcon.gif").value_or("").size(), 1520u);
  EXPECT_NE(Attributes(programFolder / "Version.htm") & FILE_ATTRIBUTE_HIDDEN, 0u);

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tokiwake.WaitForExit(Milliseconds(20'000)), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace tokiwake::test

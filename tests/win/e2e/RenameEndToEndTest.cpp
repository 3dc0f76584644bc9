// The real tokiwake.exe, started from a program folder of its own with a photo folder as its
// argument and driven from this process as a user would drive it. Run in a Japanese and in an
// English locale: the files it leaves must be the same bytes in both.
#include <gtest/gtest.h>

#include "e2e/NotepadWindows.h"
#include "e2e/ProgramUnderTest.h"
#include "e2e/RunningProgram.h"
#include "harness/Dialogs.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"
#include "rename/FileSystem.h"
#include "rename/Journal.h"
#include "ui/ControlIds.h"

namespace tokiwake::test {
namespace {

constexpr char kPattern[] = "yyyy-mm-dd hh.mn.ss";

// Files in a folder that code page 932 cannot name, through the wide functions.
void WriteWide(const std::wstring& path, std::string_view bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  EXPECT_TRUE(file != INVALID_HANDLE_VALUE &&
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

std::optional<Text> ReadWide(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Text bytes(1 << 16, '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

void Photo(const Text& path, SYSTEMTIME local) {
  WriteBytes(path, "\xFF\xD8\xFF\xE0 camera bytes");
  SetLocalWriteTime(path, local);
}

// The runner sets the locale from TOKIWAKE_LANG for each test program, and the program under test
// inherits it; an English run that fell back to Japanese would prove nothing.
TEST(RenameEndToEnd, RunsInTheLocaleItIsMeantFor) {
  wchar_t lang[64] = {};
  GetEnvironmentVariableW(L"TOKIWAKE_LANG", lang, 64);
  const std::wstring_view wanted(lang);
  if (wanted.starts_with(L"en_US")) {
    EXPECT_EQ(GetACP(), 1252u);
  } else if (wanted.empty() || wanted.starts_with(L"ja_JP")) {
    EXPECT_EQ(GetACP(), 932u);
  } else {
    GTEST_SKIP() << "no code page known for this locale";
  }
}

TEST(RenameEndToEnd, RenamesTheFolderGivenOnTheCommandLineAndShowsTheListInNotepad) {
  TempFolder programFolder("プログラム フォルダー");
  const Text program = programFolder / "tokiwake.exe";
  ASSERT_TRUE(CopyFileW(ToWide(ProgramUnderTest()).c_str(), ToWide(program).c_str(), TRUE))
      << ForLog(ProgramUnderTest());
  TempFolder photos("写真 ソ表");
  MakeFolder(photos / "sub");
  Photo(photos / "a.jpg", {2010, 5, 0, 23, 10, 20, 30, 0});
  Photo(photos / "sub\\b.jpg", {2010, 5, 0, 24, 11, 22, 34, 0});
  Photo(photos / "メモ.txt", {2010, 5, 0, 25, 0, 0, 0, 0});

  RunningProgram tokiwake(program, photos.Path());
  ASSERT_TRUE(tokiwake.Started()) << "error " << GetLastError();
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = MainWindowOf(tokiwake.Id())) != nullptr; }));
  EXPECT_EQ(GetText(GetDlgItem(main, ids::txt_Directory0)), photos.Path());

  HWND patternField =
      FindWindowExW(GetDlgItem(main, ids::txt_TimeReName), nullptr, L"Edit", nullptr);
  ASSERT_NE(patternField, nullptr);
  SetText(patternField, "");
  TypeChars(patternField, kPattern);
  ASSERT_TRUE(WaitUntil([&] { return GetText(patternField) == kPattern; }));

  DialogAnswerer dialogs(tokiwake.Id());
  dialogs.ExpectBox(ButtonCaption("はい(&Y)"));
  ClickButton(GetDlgItem(main, ids::cmd_START));
  const std::vector<SeenBox> boxes = dialogs.Take().boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "確認");
  EXPECT_EQ(boxes[0].text, "変換するフォルダーの\nバックアップは取ってありますか？");
  EXPECT_TRUE(NotepadCame("FolderList.csv", Milliseconds(30'000)))
      << "no Notepad showed the list:" << VisibleWindows();
  CloseNotepadsShowing("FolderList.csv");

  const Text listPath = programFolder / "FolderList.csv";
  EXPECT_EQ(ReadBytes(listPath), photos / "2010-05-23 10.20.30.jpg\r\n" + photos.Path() +
                                     "\\sub\\2010-05-24 11.22.34.jpg\r\n");
  EXPECT_EQ(Attributes(listPath) &
                (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(ListFolder(photos.Path()),
            (std::vector<Text>{"2010-05-23 10.20.30.jpg", "sub", "メモ.txt"}));
  EXPECT_EQ(ListFolder(photos / "sub"), std::vector<Text>{"2010-05-24 11.22.34.jpg"});
  EXPECT_EQ(GetText(GetDlgItem(main, ids::txt_Info)), "終了");

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tokiwake.WaitForExit(Milliseconds(20'000)), std::optional<DWORD>(0));
  EXPECT_EQ(ReadBytes(programFolder / "dCamFlist.dat"), "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n");
  EXPECT_EQ(ReadBytes(programFolder / "リネームフォーマット.dat"), kPattern);
  const Text journal = ReadBytes(programFolder / "リネーム履歴.txt").value_or("");
  const std::vector<JournalRun> runs = SplitRuns(journal);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].header->folders[0], photos.Path());
  EXPECT_EQ(runs[0].header->when.size(), 19u);
  std::vector<std::pair<Text, Text>> renames;
  for (const JournalEntry& entry : ParseEntries(runs[0])) {
    renames.emplace_back(entry.oldPath, entry.newPath);
    EXPECT_EQ(DiskFileSystem().IdentifyFile(entry.newPath), entry.identity);
  }
  EXPECT_EQ(renames, (std::vector<std::pair<Text, Text>>{
                         {photos / "a.jpg", photos / "2010-05-23 10.20.30.jpg"},
                         {photos / "sub\\b.jpg", photos / "sub\\2010-05-24 11.22.34.jpg"}}));
  EXPECT_EQ(ListFolder(programFolder.Path()),
            (std::vector<Text>{"FolderList.csv", "dCamFlist.dat", "tokiwake.exe",
                               "リネームフォーマット.dat", "リネーム履歴.txt"}));
}

// A user named José, or a folder with an emoji: the files beside the program, the journal among
// them, are reached by the folder's exact name all the same.
TEST(RenameEndToEnd, AProgramFolderThatCodePage932CannotNameKeepsItsSettingsAndList) {
  TempFolder base("base");
  const std::wstring folder = ToWide(base.Path()) + L"\\Jos\u00E9 \U0001F4F7\\";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring program = folder + L"tokiwake.exe";
  ASSERT_TRUE(CopyFileW(ToWide(ProgramUnderTest()).c_str(), program.c_str(), TRUE));
  WriteWide(folder + L"dCamFlist.dat", "*.png\r\n");
  WriteWide(folder + ToWide("リネームフォーマット.dat"), "yyyy cnt2");
  TempFolder photos("写真");
  Photo(photos / "a.png", {2010, 5, 0, 23, 10, 20, 30, 0});
  Photo(photos / "b.jpg", {2010, 5, 0, 23, 10, 20, 30, 0});

  RunningProgram tokiwake(program, photos.Path());
  ASSERT_TRUE(tokiwake.Started()) << "error " << GetLastError();
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = MainWindowOf(tokiwake.Id())) != nullptr; }));
  EXPECT_EQ(
      GetText(FindWindowExW(GetDlgItem(main, ids::txt_TimeReName), nullptr, L"Edit", nullptr)),
      "yyyy cnt2");
  DialogAnswerer dialogs(tokiwake.Id());
  dialogs.ExpectBox(ButtonCaption("はい(&Y)"));
  ClickButton(GetDlgItem(main, ids::cmd_START));
  dialogs.Take();
  EXPECT_TRUE(NotepadCame("FolderList.csv", Milliseconds(30'000)))
      << "no Notepad showed the list:" << VisibleWindows();
  CloseNotepadsShowing("FolderList.csv");
  EXPECT_EQ(ListFolder(photos.Path()), (std::vector<Text>{"2010 01.png", "b.jpg"}));
  EXPECT_EQ(ReadWide(folder + L"FolderList.csv"), photos / "2010 01.png\r\n");
  const Text journal = ReadWide(folder + ToWide("リネーム履歴.txt")).value_or("");
  const std::vector<JournalRun> runs = SplitRuns(journal);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(ParseEntries(runs[0]).at(0).oldPath, photos / "a.png");
  EXPECT_EQ(ParseEntries(runs[0]).at(0).newPath, photos / "2010 01.png");

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tokiwake.WaitForExit(Milliseconds(20'000)), std::optional<DWORD>(0));
  EXPECT_EQ(ReadWide(folder + L"dCamFlist.dat"), "*.png\r\n");
  EXPECT_EQ(ReadWide(folder + ToWide("リネームフォーマット.dat")), "yyyy cnt2");
}

}  // namespace
}  // namespace tokiwake::test

// The rename run in the real window on real files: the start button is clicked, the real message
// boxes are read and answered from another thread, and the files, the list file and the Notepad
// asked for are checked byte for byte.
#include <windows.h>
#include <gtest/gtest.h>
// After windows.h, whose definitions it needs.
#include <commctrl.h>

#include <algorithm>
#include <functional>

#include "DropFiles.h"
#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {
namespace {

constexpr char kListName[] = "FolderList.csv";
constexpr char kYes[] = "はい(&Y)";
constexpr char kNo[] = "いいえ(&N)";
constexpr char kRenameRefused[] =
    " に、\n変更できません！！ドライブやフォルダーが書込み禁止になっていないか\n"
    "また、書込み権があるか確認してください";

struct Stamp {
  WORD year, month, day, hour, minute, second;
};

SYSTEMTIME Local(Stamp time) {
  return {time.year, time.month, 0, time.day, time.hour, time.minute, time.second, 0};
}

void Photo(const Text& path, Stamp time) {
  WriteBytes(path, "\xFF\xD8\xFF\xE0 camera bytes");
  SetLocalWriteTime(path, Local(time));
}

Text RefusedMessage(const Text& oldPath, const Text& newPath) {
  return "ファイル名\n" + oldPath + " は、\n" + newPath + kRenameRefused;
}

std::vector<Text> Sorted(std::vector<Text> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

std::vector<Text> Lines(Text text) {
  std::vector<Text> lines;
  for (size_t end; (end = text.find("\r\n")) != Text::npos; text.erase(0, end + 2)) {
    lines.push_back(text.substr(0, end));
  }
  if (!text.empty()) lines.push_back(text + "<no CR LF>");
  return lines;
}

// One box of a run: what is done while it is open (the run waits inside it), then the button.
struct Answer {
  Button press;
  std::function<void()> whileOpen;
};

class RenameRunTest : public MainWindowTest {
 protected:
  void SetFolders(const Text& folder1, const Text& folder2 = "") {
    Conv().SetText(ids::txt_Directory0, folder1);
    Conv().SetText(ids::txt_Directory1, folder2);
    ASSERT_EQ(Folder1(), folder1);
    ASSERT_EQ(Folder2(), folder2);
  }

  void UsePattern(const Text& pattern) {
    Conv().SetText(ids::txt_TimeReName, pattern);
    ASSERT_EQ(Conv().State().RenameFormat, pattern);
  }

  // Clicks the start button and answers the backup question with Yes, then the boxes given.
  // Returns every box after the question.
  std::vector<SeenBox> Run(std::vector<Answer> afterYes = {}) {
    dialogs_.ExpectBox(ButtonCaption(kYes));
    for (Answer& answer : afterYes) dialogs_.ExpectBox(answer.press, std::move(answer.whileOpen));
    ClickButton(Control(ids::cmd_START));
    std::vector<SeenBox> seen = dialogs_.Take().boxes;
    EXPECT_FALSE(Conv().RunActive());
    if (!seen.empty()) {
      EXPECT_EQ(seen.front().caption, "確認");
      seen.erase(seen.begin());
    }
    return seen;
  }

  static Answer Ok(std::function<void()> whileOpen = nullptr) {
    return {ButtonId(IDOK), std::move(whileOpen)};
  }

  std::optional<Text> ListFile() { return ReadBytes(programFolder_ / kListName); }

  // The run asked for Notepad on its list, and for nothing else.
  void ExpectListShown() {
    EXPECT_EQ(TakeLaunches(), std::vector<Launch>{NotepadOn(programFolder_ / kListName)});
  }

  void ExpectListShownAndFinished() {
    EXPECT_EQ(Attributes(programFolder_ / kListName) &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetText(Control(ids::txt_Info)), "終了");
    EXPECT_EQ(Conv().InfoColour(), RGB(0, 0, 0));
    ExpectListShown();
  }
};

TEST_F(RenameRunTest, AsksFirstThenListsEachRenamedPathInWalkOrderAndShowsTheList) {
  TempFolder photos("photos");
  MakeFolder(photos / "sub");
  Photo(photos / "a.jpg", {2010, 5, 23, 10, 20, 30});
  Photo(photos / "sub\\b.jpg", {2010, 5, 24, 11, 22, 34});
  Start();
  SetFolders(photos.Path());
  HWND patternField = FindWindowExW(Control(ids::txt_TimeReName), nullptr, L"Edit", nullptr);
  SetText(patternField, "");
  TypeChars(patternField, "yyyy-mm-dd hh.mn.ss");
  ASSERT_EQ(Conv().State().RenameFormat, "yyyy-mm-dd hh.mn.ss");

  dialogs_.ExpectBox(ButtonCaption(kYes));
  ClickButton(Control(ids::cmd_START));
  const std::vector<SeenBox> seen = dialogs_.Take().boxes;
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "確認");
  EXPECT_EQ(seen[0].text, "変換するフォルダーの\nバックアップは取ってありますか？");
  EXPECT_EQ(seen[0].buttons, (std::vector<Text>{kYes, kNo}));

  EXPECT_EQ(ListFile(), photos.Path() + "\\2010-05-23 10.20.30.jpg\r\n" + photos.Path() +
                            "\\sub\\2010-05-24 11.22.34.jpg\r\n");
  EXPECT_EQ(ListFolder(photos.Path()), (std::vector<Text>{"2010-05-23 10.20.30.jpg", "sub"}));
  EXPECT_EQ(ListFolder(photos / "sub"), std::vector<Text>{"2010-05-24 11.22.34.jpg"});
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, AListFileThatIsAFolderIsToldOnceAndNothingIsShown) {
  TempFolder photos;
  Photo(photos / "a.jpg", {2010, 5, 23, 10, 20, 30});
  MakeFolder(programFolder_ / kListName);
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");
  const std::vector<SeenBox> boxes = Run({Ok()});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Tokiwake");
  EXPECT_EQ(boxes[0].text, "一覧ファイル\n" + programFolder_ / kListName +
                               " に、\n書き込めません！！ドライブやフォルダーが書込み禁止に"
                               "なっていないか\nまた、書込み権があるか確認してください");
  EXPECT_EQ(Attributes(programFolder_ / kListName) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"2010-05-23 10.20.30.jpg"});
  EXPECT_EQ(TakeLaunches(), std::vector<Launch>{});
}

TEST_F(RenameRunTest, NamesComeFromLocalTimeWithEvenSecondsAndOnlyTargetsAreTouched) {
  TempFolder photos;
  Photo(photos / "late.jpg", {2011, 12, 31, 23, 59, 59});
  Photo(photos / "MIDNIGHT.JPG", {2012, 1, 1, 0, 0, 0});
  Photo(photos / "anim.gif", {2012, 7, 1, 9, 5, 7});
  Photo(photos / "old.jpeg", {1975, 6, 1, 12, 0, 1});  // before the years a FAT stamp holds
  Photo(photos / "readme.txt", {2012, 7, 1, 9, 5, 7});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");
  EXPECT_TRUE(Run().empty());

  const std::vector<Text> names{"1975-06-01 12.00.00.jpeg", "2011-12-31 23.59.58.jpg",
                                "2012-01-01 00.00.00.JPG", "2012-07-01 09.05.06.gif", "readme.txt"};
  EXPECT_EQ(ListFolder(photos.Path()), names);
  std::vector<Text> listed;
  for (size_t i = 0; i < 4; ++i) listed.push_back(photos / names[i]);
  EXPECT_EQ(Sorted(Lines(ListFile().value_or(""))), listed);
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, FolderTwoAvoidsNamesInFolderOnesTopLevelButNotInItsSubfolders) {
  TempFolder one("one");
  TempFolder two("two");
  MakeFolder(one / "sub");
  Photo(one / "x.jpg", {2010, 5, 23, 10, 20, 30});
  Photo(one / "sub\\z.jpg", {2010, 6, 1, 8, 0, 0});
  Photo(two / "y.jpg", {2010, 5, 23, 10, 20, 30});
  Photo(two / "w.jpg", {2010, 6, 1, 8, 0, 0});
  Start();
  SetFolders(one.Path(), two.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");
  EXPECT_TRUE(Run().empty());

  EXPECT_EQ(ListFolder(two.Path()),
            (std::vector<Text>{"2010-05-23 10.20.30-1.jpg", "2010-06-01 08.00.00.jpg"}));
  const std::vector<Text> lines = Lines(ListFile().value_or(""));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], one / "2010-05-23 10.20.30.jpg");
  EXPECT_EQ(lines[1], one / "sub\\2010-06-01 08.00.00.jpg");
  EXPECT_EQ(Sorted({lines[2], lines[3]}), (std::vector<Text>{two / "2010-05-23 10.20.30-1.jpg",
                                                             two / "2010-06-01 08.00.00.jpg"}));
  ExpectListShownAndFinished();
}

// The real disk tells one folder however it is spelt; a second walk of it would only have moved
// every file on to the next name.
TEST_F(RenameRunTest, TheSameTreeGivenTwiceIsWalkedOnce) {
  TempFolder photos("Photos");
  Start();
  UsePattern("yyyy-mm-dd hh.mn.ss");
  Text upper = photos.Path();
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));  // the path is plain ASCII
  for (const Text& secondSpelling : {photos.Path() + "\\", upper}) {
    SCOPED_TRACE(ForLog(secondSpelling));
    for (const Text& name : ::tokiwake::test::ListFolder(photos.Path())) RemoveAll(photos / name);
    Photo(photos / "a.jpg", {2010, 5, 23, 10, 20, 30});
    SetFolders(photos.Path(), secondSpelling);
    EXPECT_TRUE(Run().empty());
    EXPECT_EQ(ListFile(), photos / "2010-05-23 10.20.30.jpg\r\n");
    EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"2010-05-23 10.20.30.jpg"});
    ExpectListShownAndFinished();
  }
}

// On the case-blind disk a name in other letter case is the file's own. (Windows then shows the
// pattern's case; Wine keeps the case its Unix disk holds.)
TEST_F(RenameRunTest, AFileAlreadyNamedSoInAnyLetterCaseKeepsItsName) {
  TempFolder photos;
  Photo(photos / "IMG_20100523_01.jpg", {2010, 5, 23, 10, 0, 0});
  Photo(photos / "img_20100524_01.JPG", {2010, 5, 24, 10, 0, 0});
  Photo(photos / "x.jpg", {2010, 5, 25, 10, 0, 0});
  Start();
  SetFolders(photos.Path());
  UsePattern("IMG_yyyymmdd_cnt2");
  EXPECT_TRUE(Run().empty());
  std::vector<Text> names = ListFolder(photos.Path());
  for (Text& name : names) name = AsciiUpper(name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<Text>{"IMG_20100523_01.JPG", "IMG_20100524_01.JPG",
                                      "IMG_20100525_01.JPG"}));
  EXPECT_EQ(ListFile(), photos / "IMG_20100523_01.jpg\r\n" + photos / "IMG_20100524_01.JPG\r\n" +
                            photos / "IMG_20100525_01.jpg\r\n");
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, AFileMeetsAThousandTakenNamesBeforeItsClashIsReported) {
  // Only a file without an extension can meet clashing names that are not targets themselves.
  WriteBytes(programFolder_ / "dCamFlist.dat", "*.00001\r\n");
  TempFolder photos;
  Photo(photos / "DSC00001", {2010, 5, 23, 10, 20, 30});
  const Text taken = photos / "2010-05-23 10.20.30";
  WriteBytes(taken, "");
  for (int i = 1; i <= 999; ++i) WriteBytes(taken + "-" + std::to_string(i), "");
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");

  const std::vector<SeenBox> boxes = Run({Ok()});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Tokiwake");
  EXPECT_EQ(boxes[0].text, "ファイル名\n" + photos / "DSC00001" + " は、\n" + taken +
                               "-999 に、\n同じファイル名があるので変更できません！！");
  EXPECT_EQ(ListFile(), photos / "DSC00001\r\n");
  EXPECT_TRUE(PathExists(photos / "DSC00001"));
  ExpectListShown();

  // One name fewer taken: the last counter value is still tried.
  RemoveAll(taken + "-999");
  EXPECT_TRUE(Run().empty());
  EXPECT_EQ(ListFile(), taken + "-999\r\n");
  EXPECT_FALSE(PathExists(photos / "DSC00001"));
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, AFileThatCannotBeRenamedIsReportedWithBothPathsAndListedUnchanged) {
  TempFolder photos;
  Photo(photos / "locked.jpg", {2010, 5, 23, 10, 0, 0});
  Photo(photos / "blocked.jpg", {2010, 5, 24, 10, 0, 0});
  MakeFolder(photos / "2010-05-24 10.00.00.jpg");  // a folder of the new name is no clash
  Photo(photos / "readonly.jpg", {2010, 5, 25, 10, 0, 0});
  SetAttributes(photos / "readonly.jpg", FILE_ATTRIBUTE_READONLY);
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");
  std::vector<SeenBox> boxes;
  {
    LockedFile lock(photos / "locked.jpg");
    boxes = Run({Ok(), Ok()});
  }

  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(Sorted({boxes[0].text, boxes[1].text}),
            Sorted({RefusedMessage(photos / "locked.jpg", photos / "2010-05-23 10.00.00.jpg"),
                    RefusedMessage(photos / "blocked.jpg", photos / "2010-05-24 10.00.00.jpg")}));
  EXPECT_EQ(boxes[0].caption, "Tokiwake");
  EXPECT_EQ(boxes[0].buttons, std::vector<Text>{"OK"});
  // Windows renames a read-only file; it keeps its attribute.
  EXPECT_EQ(ListFolder(photos.Path()),
            (std::vector<Text>{"2010-05-24 10.00.00.jpg", "2010-05-25 10.00.00.jpg", "blocked.jpg",
                               "locked.jpg"}));
  EXPECT_NE(Attributes(photos / "2010-05-25 10.00.00.jpg") & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Sorted(Lines(ListFile().value_or(""))),
            (std::vector<Text>{photos / "2010-05-25 10.00.00.jpg", photos / "blocked.jpg",
                               photos / "locked.jpg"}));
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, HiddenAndSystemFilesAreRenamedAndSuchFoldersEntered) {
  TempFolder photos;
  Photo(photos / "hidden.jpg", {2010, 5, 23, 10, 0, 0});
  SetAttributes(photos / "hidden.jpg", FILE_ATTRIBUTE_HIDDEN);
  Photo(photos / "system.jpg", {2010, 5, 24, 10, 0, 0});
  SetAttributes(photos / "system.jpg", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(photos / "secret");
  Photo(photos / "secret\\inside.jpg", {2010, 5, 25, 10, 0, 0});
  SetAttributes(photos / "secret", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd hh.mn.ss");
  EXPECT_TRUE(Run().empty());

  EXPECT_EQ(ListFolder(photos.Path()),
            (std::vector<Text>{"2010-05-23 10.00.00.jpg", "2010-05-24 10.00.00.jpg", "secret"}));
  EXPECT_EQ(ListFolder(photos / "secret"), std::vector<Text>{"2010-05-25 10.00.00.jpg"});
  EXPECT_NE(Attributes(photos / "2010-05-23 10.00.00.jpg") & FILE_ATTRIBUTE_HIDDEN, 0u);
  const std::vector<Text> lines = Lines(ListFile().value_or(""));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], photos / "secret\\2010-05-25 10.00.00.jpg");
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, DoubleByteNamesWhoseSecondByteIsABackslashStayWhole) {
  TempFolder photos("写真ソ");  // the folder field ends in 0x5C, the second byte of ソ
  MakeFolder(photos / "表");
  Photo(photos / "ソ表.jpg", {2010, 5, 23, 10, 20, 30});
  Photo(photos / "表\\ソ.jpg", {2010, 5, 24, 11, 22, 34});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy年mm月dd日 hh時mn分ss秒");
  SendMessageW(Control(ids::chkMotoFile), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(Run().empty());

  EXPECT_EQ(ListFile(), photos / "2010年05月23日 10時20分30秒《ソ表》.jpg\r\n" + photos.Path() +
                            "\\表\\2010年05月24日 11時22分34秒《ソ》.jpg\r\n");
  EXPECT_EQ(ListFolder(photos / "表"), std::vector<Text>{"2010年05月24日 11時22分34秒《ソ》.jpg"});
  ExpectListShownAndFinished();
}

// A file or folder whose name code page 932 cannot hold, made through the wide functions.
std::wstring WidePath(const Text& folder, std::wstring_view name) {
  return ToWide(folder) + L"\\" + std::wstring(name);
}

void WideFile(const std::wstring& path, Stamp time) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const SYSTEMTIME local = Local(time);
  FILETIME localTime{}, utcTime{};
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &utcTime);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utcTime));
  CloseHandle(file);
}

bool WideExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(RenameRunTest, NamesCodePage932CannotHoldAreReportedAndNoOtherFileIsTouched) {
  TempFolder photos;
  // With best fit the yen sign would read as a backslash, and the path would name a\b.jpg.
  const std::wstring yenFile = WidePath(photos.Path(), L"a\u00A5b.jpg");
  const std::wstring emojiFile = WidePath(photos.Path(), L"\U0001F600.jpg");
  const std::wstring yenFolder = WidePath(photos.Path(), L"\u00A5sub");
  WideFile(yenFile, {2010, 5, 23, 10, 0, 0});
  WideFile(emojiFile, {2011, 5, 23, 10, 0, 0});
  MakeFolder(photos / "a");
  Photo(photos / "a\\b.jpg", {2012, 5, 24, 11, 22, 34});
  ASSERT_TRUE(CreateDirectoryW(yenFolder.c_str(), nullptr));
  WideFile(yenFolder + L"\\c.jpg", {2013, 5, 23, 10, 0, 0});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy");
  const std::vector<SeenBox> boxes = Run({Ok(), Ok(), Ok()});

  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(Narrow(yenFile), photos / "a?b.jpg");
  EXPECT_EQ(Sorted({boxes[0].text, boxes[1].text, boxes[2].text}),
            Sorted({RefusedMessage(Narrow(yenFile), photos / "2010.jpg"),
                    RefusedMessage(Narrow(emojiFile), photos / "2011.jpg"),
                    RefusedMessage(Narrow(yenFolder), Narrow(yenFolder))}));
  EXPECT_TRUE(WideExists(yenFile));
  EXPECT_TRUE(WideExists(emojiFile));
  EXPECT_TRUE(WideExists(yenFolder + L"\\c.jpg"));
  EXPECT_EQ(ListFolder(photos / "a"), std::vector<Text>{"2012.jpg"});
  EXPECT_EQ(ListFolder(photos.Path()).size(), 4u);
  EXPECT_EQ(Sorted(Lines(ListFile().value_or(""))),
            Sorted({Narrow(yenFile), Narrow(emojiFile), photos / "a\\2012.jpg"}));
  ExpectListShownAndFinished();
}

// DSC1001.jpg, DSC1002.jpg, ... all taken at one moment, so that their names clash.
void PhotosOfOneMoment(const TempFolder& folder, int count) {
  for (int i = 1; i <= count; ++i) {
    Photo(folder / ("DSC" + std::to_string(1000 + i) + ".jpg"), {2010, 5, 23, 10, 0, 0});
  }
}

TEST_F(RenameRunTest, EveryFileIsRenamedOnceWhateverOrderTheFolderListsThem) {
  // Each new name sorts before or after the old ones; a file met again would move on once more.
  TempFolder photos;
  constexpr int kFiles = 40;
  PhotosOfOneMoment(photos, kFiles);
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy.mm.dd-cnt2");
  EXPECT_TRUE(Run().empty());

  std::vector<Text> expected;
  for (int i = 1; i <= kFiles; ++i) {
    expected.push_back((i < 10 ? "2010.05.23-0" : "2010.05.23-") + std::to_string(i) + ".jpg");
  }
  EXPECT_EQ(ListFolder(photos.Path()), expected);
  for (Text& name : expected) name = photos / name;
  EXPECT_EQ(Sorted(Lines(ListFile().value_or(""))), expected);
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, NoTargetFileBeepsAndKeepsTheOlderList) {
  TempFolder photos;
  Photo(photos / "readme.txt", {2010, 5, 23, 10, 0, 0});
  WriteBytes(programFolder_ / kListName, "older list\r\n");
  Start();
  SetFolders(photos.Path());
  const std::vector<SeenBox> boxes = Run({Ok()});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Tokiwake");
  EXPECT_EQ(boxes[0].text, "表示するリストは、ありません！！");
  EXPECT_EQ(ListFile(), "older list\r\n");
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"readme.txt"});
  EXPECT_EQ(GetText(Control(ids::txt_Info)), photos / "readme.txt");
  EXPECT_EQ(Conv().InfoColour(), RGB(0, 0, 0));
}

TEST_F(RenameRunTest, NoAndEscapeBothLeaveEverythingAsItWas) {
  TempFolder photos;
  Photo(photos / "a.jpg", {2010, 5, 23, 10, 0, 0});
  Start();
  SetFolders(photos.Path());
  dialogs_.ExpectBox(ButtonCaption(kNo));
  ClickButton(Control(ids::cmd_START));
  EXPECT_EQ(dialogs_.Take().boxes.size(), 1u);
  // Esc in the box, as the keyboard would send it to the focused default button.
  dialogs_.ExpectBox(ButtonKey(VK_ESCAPE));
  ClickButton(Control(ids::cmd_START));
  const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].defaultButton, kYes);
  EXPECT_TRUE(boxes[0].icon);
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"a.jpg"});
  EXPECT_FALSE(PathExists(programFolder_ / kListName));
}

TEST_F(RenameRunTest, ChangesMadeWhileTheWalkWaitsTakeEffectForTheNextFile) {
  TempFolder photos;
  TempFolder other("other");
  MakeFolder(photos / "sub");
  Photo(photos / "locked.jpg", {2010, 6, 1, 0, 0, 0});
  Photo(photos / "sub\\s.jpg", {2010, 7, 1, 0, 0, 0});
  Photo(photos / "sub\\s.gif", {2010, 7, 2, 0, 0, 0});
  Photo(other / "2010-07-02.gif", {2010, 7, 2, 0, 0, 0});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd");
  std::vector<SeenBox> boxes;
  {
    LockedFile lock(photos / "locked.jpg");
    boxes = Run({Ok([&] {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(Control(ids::lstASCII), LB_SETITEMDATA, 0, 0, SMTO_NORMAL, 3000,
                          &result);  // "*.jpg" unticked
      SetText(Control(ids::txt_Directory1), other.Path());
    })});
  }
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ListFolder(photos / "sub"), (std::vector<Text>{"2010-07-02-1.gif", "s.jpg"}));
  EXPECT_EQ(ListFile(), photos / "locked.jpg\r\n" + photos / "sub\\2010-07-02-1.gif\r\n" +
                            other / "2010-07-02.gif\r\n");  // named so already
  ExpectListShownAndFinished();
}

TEST_F(RenameRunTest, BoxesTickedWhileTheWalkWaitsTakeEffectForTheNextFile) {
  TempFolder photos;
  MakeFolder(photos / "sub");
  Photo(photos / "locked.jpg", {2010, 6, 1, 0, 0, 0});
  Photo(photos / "sub\\b.txt", {2010, 7, 1, 0, 0, 0});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd");
  {
    LockedFile lock(photos / "locked.jpg");
    EXPECT_EQ(Run({Ok([&] {
                DWORD_PTR result = 0;
                for (int box : {ids::chkAll, ids::chkMotoFile}) {
                  SendMessageTimeoutW(Control(box), BM_SETCHECK, BST_CHECKED, 0, SMTO_NORMAL, 3000,
                                      &result);
                }
              })}).size(),
              1u);
  }
  EXPECT_EQ(ListFile(), photos / "locked.jpg\r\n" + photos / "sub\\2010-07-01《b》.txt\r\n");
  ExpectListShownAndFinished();
}

// Posts a drop onto folder 1 from inside the walk, when it first shows a file on the status line.
struct DropWhenTheWalkShowsAFile {
  HWND window;
  HWND folder1;
  Text dropped;
  bool posted = false;

  static LRESULT CALLBACK OnStatus(HWND status, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR self) {
    auto& drop = *reinterpret_cast<DropWhenTheWalkShowsAFile*>(self);
    if (message == WM_SETTEXT && !drop.posted) {
      drop.posted = true;
      PostDrop(drop.window, drop.folder1, {drop.dropped});
    }
    return DefSubclassProc(status, message, wParam, lParam);
  }
};

TEST_F(RenameRunTest, ADropWhileTheWalkPumpsSetsTheFieldAndTheRunKeepsToItsTree) {
  TempFolder photos;
  TempFolder other("other");
  Photo(photos / "a.jpg", {2010, 5, 23, 10, 0, 0});
  Photo(photos / "b.jpg", {2010, 5, 24, 10, 0, 0});
  Photo(other / "c.jpg", {2010, 5, 25, 10, 0, 0});
  Start();
  SetFolders(photos.Path());
  UsePattern("yyyy-mm-dd");
  DropWhenTheWalkShowsAFile drop{Conv().Handle(), Control(ids::txt_Directory0), other.Path()};
  HWND status = Control(ids::txt_Info);
  SetWindowSubclass(status, DropWhenTheWalkShowsAFile::OnStatus, 1,
                    reinterpret_cast<DWORD_PTR>(&drop));
  EXPECT_TRUE(Run().empty());
  RemoveWindowSubclass(status, DropWhenTheWalkShowsAFile::OnStatus, 1);
  // Handled within the run: nothing has handled this thread's messages since.
  EXPECT_EQ(Folder1(), other.Path());
  EXPECT_EQ(ListFile(), photos / "2010-05-23.jpg\r\n" + photos / "2010-05-24.jpg\r\n");
  EXPECT_EQ(ListFolder(other.Path()), std::vector<Text>{"c.jpg"});
  ExpectListShownAndFinished();
}

// Folder 1 holds a locked file beside others and a subfolder; its box holds the run in place.
class RenameRunHeldTest : public RenameRunTest {
 protected:
  void SetUp() override {
    MakeFolder(one_ / "sub");
    for (WORD day = 1; day <= 6; ++day) {
      Photo(one_ / ("p" + std::to_string(day) + ".jpg"), {2010, 5, day, 1, 0, 0});
    }
    Photo(one_ / "locked.jpg", {2010, 6, 1, 0, 0, 0});
    Photo(one_ / "sub\\s.jpg", {2010, 7, 1, 0, 0, 0});
    Photo(two_ / "t.jpg", {2010, 8, 1, 0, 0, 0});
    Start();
    SetFolders(one_.Path(), two_.Path());
    UsePattern("yyyy-mm-dd");
  }

  // The list ends with the locked file under its old name; the lines before it are the files
  // renamed before it. Everything after it, the subfolder and folder 2 are untouched.
  void ExpectStoppedAfterTheLockedFile() {
    const std::vector<Text> lines = Lines(ListFile().value_or(""));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), one_ / "locked.jpg");
    size_t renamed = 0;
    for (const Text& name : ListFolder(one_.Path())) {
      if (name.starts_with("2010-")) ++renamed;
    }
    EXPECT_EQ(renamed + 1, lines.size());
    EXPECT_EQ(ListFolder(one_.Path()).size(), 8u);
    EXPECT_EQ(ListFolder(one_ / "sub"), std::vector<Text>{"s.jpg"});
    EXPECT_EQ(ListFolder(two_.Path()), std::vector<Text>{"t.jpg"});
  }

  TempFolder one_{"one"};
  TempFolder two_{"two"};
};

TEST_F(RenameRunHeldTest, AbortInFolderOneFinishesTheFileInHandAndStillWritesTheList) {
  std::vector<SeenBox> boxes;
  {
    LockedFile lock(one_ / "locked.jpg");
    boxes = Run({Ok([&] {
      // The line names the file of the box, in the red of its new name.
      EXPECT_EQ(GetText(Control(ids::txt_Info)), one_ / "locked.jpg");
      EXPECT_EQ(Conv().InfoColour(), RGB(255, 0, 0));
      // Sent, so that the box's own message loop handles the click before its button is pressed.
      DWORD_PTR result = 0;
      SendMessageTimeoutW(Control(ids::cmdAbote), BM_CLICK, 0, 0, SMTO_NORMAL, 3000, &result);
    })});
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, RefusedMessage(one_ / "locked.jpg", one_ / "2010-06-01.jpg"));
  ExpectStoppedAfterTheLockedFile();
  ExpectListShownAndFinished();
}

TEST_F(RenameRunHeldTest, ASecondClickDuringTheRunIsIgnored) {
  std::vector<SeenBox> boxes;
  {
    LockedFile lock(one_ / "locked.jpg");
    boxes = Run({Ok([&] {
      DWORD_PTR result = 0;
      // A second run would ask its own question and hold this call until it was answered.
      EXPECT_TRUE(
          SendMessageTimeoutW(Control(ids::cmd_START), BM_CLICK, 0, 0, SMTO_NORMAL, 3000, &result));
    })});
  }
  ASSERT_EQ(boxes.size(), 1u);
  const std::vector<Text> lines = Lines(ListFile().value_or(""));
  EXPECT_EQ(lines.size(), 9u);
  EXPECT_EQ(ListFolder(one_ / "sub"), std::vector<Text>{"2010-07-01.jpg"});
  EXPECT_EQ(ListFolder(two_.Path()), std::vector<Text>{"2010-08-01.jpg"});
  ExpectListShownAndFinished();
}

TEST_F(RenameRunHeldTest, ClosingDuringTheRunWaitsForTheListThenSavesAndCloses) {
  {
    LockedFile lock(one_ / "locked.jpg");
    Run({Ok([&] {
      DWORD_PTR result = 0;
      EXPECT_TRUE(SendMessageTimeoutW(Conv().Handle(), WM_CLOSE, 0, 0, SMTO_NORMAL, 3000, &result));
      EXPECT_TRUE(IsWindow(Conv().Handle()));
    })});
  }
  EXPECT_TRUE(WaitUntil([&] { return closed_; }));
  ExpectStoppedAfterTheLockedFile();
  EXPECT_EQ(ReadBytes(programFolder_ / "リネームフォーマット.dat"), "yyyy-mm-dd");
  EXPECT_EQ(ReadBytes(programFolder_ / "dCamFlist.dat"), "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n");
  ExpectListShown();
}

}  // namespace
}  // namespace tokiwake::test

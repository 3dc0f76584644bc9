// The two folder fields driven with real window messages, real key and button state, real
// message boxes and the shell's real folder chooser.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <optional>

#include "FlashRecorder.h"
#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"
#include "settings/ProgramFacts.h"

namespace tokiwake::test {
namespace {

constexpr char kNoSuchFolder[] = "そのフォルダーは存在しません！！";
constexpr COLORREF kYellow = RGB(255, 255, 0);

void PutOnClipboard(const Text& text) {
  ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, Milliseconds(3000)));
  EmptyClipboard();
  const std::wstring wide = ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// Handles the display's notices of focus and pointer moves first, until the display has sent
// nothing more: Wine then takes the keys that the display sees held, which are none, and would let
// go of a key held after them.
void Settle() {
  do {
    PumpMessages();
  } while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT) != WAIT_TIMEOUT);
}

// A real press and release of a mouse button over the window, with the messages handled while the
// button (and the modifier key, if any) is still down, as they are when a person clicks.
void ClickWith(WORD button, HWND window, WORD modifier = 0) {
  RECT rc{};
  GetWindowRect(window, &rc);
  SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  Settle();
  std::optional<HeldKey> held;
  if (modifier != 0) held.emplace(modifier);
  {
    HeldKey pressed(button);
    PumpMessages();
  }
  PumpMessages();
}

// The name the shell shows for the top of its namespace.
Text DesktopName() {
  PIDLIST_ABSOLUTE desktop = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop))) return {};
  SHFILEINFOW info{};
  SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktop), 0, &info, sizeof info,
                 SHGFI_PIDL | SHGFI_DISPLAYNAME);
  CoTaskMemFree(desktop);
  return Narrow(info.szDisplayName);
}

void CaretToEnd(HWND edit) { SendMessageW(edit, EM_SETSEL, 0x7FFF, 0x7FFF); }

class FolderFieldsTest : public MainWindowTest {
 protected:
  HWND Edit1() { return Control(ids::txt_Directory0); }
  HWND Edit2() { return Control(ids::txt_Directory1); }
  // Another control of the window for the focus to move to.
  HWND Elsewhere() { return Control(ids::lstASCII); }
  // Leaving a field where a box may come between: the focus then ends on the window itself.
  void LeaveField() { SetFocus(Elsewhere()); }
  const Text& CurFolder() { return Conv().State().CurFolder; }

  // The box that reports a missing folder, once, with the beep before it.
  void ExpectOneMissingFolderReport() {
    const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
    ASSERT_EQ(boxes.size(), 1u) << (boxes.empty() ? "" : ForLog(boxes.back().text));
    EXPECT_EQ(boxes[0].caption, kAppTitle);
    EXPECT_EQ(boxes[0].text, kNoSuchFolder) << ForLog(boxes[0].text);
    EXPECT_EQ(boxes[0].buttons.size(), 1u);
    EXPECT_EQ(boxes[0].beepsBefore, 1);
    EXPECT_EQ(BeepSpy::Count(), 1);
  }

  TempFolder a_{"a"};
  TempFolder b_{"b"};
  Text missing_ = a_ / "gone";
};

TEST_F(FolderFieldsTest, TypingIntoFolder2WhileFolder1IsEmptyMovesTheLetterUpWithAFlash) {
  Start();
  FocusOn(Edit2());
  std::vector<Paint> painted;
  {
    FlashRecorder recorder(Conv().Handle(), Edit1(), Edit2());
    TypeChars(Edit2(), "C");  // the flash is over when this returns
    painted = recorder.Painted();
  }
  EXPECT_EQ(PauseSpy::Take(), (std::vector<DWORD>{400, 200}));

  EXPECT_EQ(Folder1(), "C");
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), "C");
  EXPECT_EQ(GetFocus(), Edit2());

  // Plain, folder 1 yellow for 400 ms, then folder 1 plain and folder 2 yellow for 200 ms, then
  // plain again.
  ASSERT_FALSE(painted.empty());
  const COLORREF plain = painted[0].colour;
  EXPECT_NE(plain, kYellow);
  EXPECT_EQ(painted,
            (std::vector<Paint>{
                {0, plain}, {1, plain}, {0, kYellow}, {0, plain}, {1, kYellow}, {1, plain}}));

  // The next key from the keyboard goes where the focus is, and stays there.
  Settle();
  { HeldKey d('D'); }
  EXPECT_TRUE(WaitUntil([&] { return Folder2() == "d"; }, Milliseconds(3000))) << Folder2();
  EXPECT_EQ(Folder1(), "C");
  EXPECT_EQ(CurFolder(), "C");
}

TEST_F(FolderFieldsTest, Folder2IsEmptiedAtTheKeystrokeThatMakesFolder1EqualToIt) {
  const Text target = b_ / "DCIM";
  MakeFolder(target);
  Start();
  SetText(Edit1(), a_.Path());
  SetText(Edit2(), target);
  ASSERT_EQ(Folder2(), target);

  SetText(Edit1(), target.substr(0, target.size() - 3));
  FocusOn(Edit1());
  CaretToEnd(Edit1());
  TypeChars(Edit1(), "CI");
  EXPECT_EQ(Folder2(), target);
  TypeChars(Edit1(), "M");
  EXPECT_EQ(Folder1(), target);
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), target);
}

TEST_F(FolderFieldsTest, EnterInAnEmptyFieldShowsNothingAndChangesNothing) {
  Start();
  BeepSpy beeps;
  FocusOn(Edit1());
  TypeChars(Edit1(), "\r");
  FocusOn(Edit2());
  TypeChars(Edit2(), "\r");
  EXPECT_EQ(Folder1(), "");
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), "");
  EXPECT_TRUE(dialogs_.Take().boxes.empty());
  EXPECT_EQ(BeepSpy::Count(), 0);
}

TEST_F(FolderFieldsTest, EnterOnAMissingFolderBeepsReportsAndEmptiesTheField) {
  Start();
  {
    SCOPED_TRACE("folder 1");
    BeepSpy beeps;
    dialogs_.ExpectBox(ButtonId(IDOK));
    SetText(Edit1(), missing_);
    ASSERT_EQ(CurFolder(), missing_);
    FocusOn(Edit1());
    Settle();
    { HeldKey enter(VK_RETURN); }
    Conv()
        .HandlePendingMessages();  // the program's own loop, where dialog keys are looked at first
    ExpectOneMissingFolderReport();
    EXPECT_EQ(Folder1(), "");
    EXPECT_EQ(CurFolder(), "");
    // The field has the focus back once the window is active again. Which window Wine activates
    // when the box goes depends on what else is open (Notepads of earlier tests), so the window is
    // made active here as the user would click it.
    SetActiveWindow(Conv().Handle());
    EXPECT_TRUE(WaitUntil([&] { return GetFocus() == Edit1(); }, Milliseconds(3000)));
  }
  {
    SCOPED_TRACE("folder 2");
    SetText(Edit1(), a_.Path());
    SetText(Edit2(), missing_);
    BeepSpy beeps;
    dialogs_.ExpectBox(ButtonId(IDOK));
    FocusOn(Edit2());
    TypeChars(Edit2(), "\r");
    ExpectOneMissingFolderReport();
    EXPECT_EQ(Folder2(), "");
    EXPECT_EQ(Folder1(), a_.Path());
  }
}

TEST_F(FolderFieldsTest, EnterOnAnExistingFolder2WhileFolder1IsEmptyMovesItUp) {
  Start();
  SetText(Edit1(), a_.Path());
  SetText(Edit2(), b_.Path());
  SetText(Edit1(), "");  // folder 2 keeps its text until it is confirmed
  ASSERT_EQ(Folder2(), b_.Path());
  FocusOn(Edit2());
  CaretToEnd(Edit2());
  TypeChars(Edit2(), "\r");
  EXPECT_EQ(Folder1(), b_.Path());
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), b_.Path());
  EXPECT_EQ(GetFocus(), Edit2());
}

TEST_F(FolderFieldsTest, RefusedCharactersLeaveTheFieldAsItWasWhilePasteStillWorks) {
  Start();
  FocusOn(Edit1());
  TypeChars(Edit1(), "C:");
  // A blank, punctuation other than \ : . _ /, DEL, a double-byte and a half-width katakana.
  TypeChars(Edit1(), " -()!&+,~\x7fあｱ表");
  SendMessageW(Edit1(), WM_IME_CHAR, ToWide("写").front(), 1);  // from an input method
  EXPECT_EQ(Folder1(), "C:");
  TypeChars(Edit1(), "\\Dir_0.9/zZ");
  EXPECT_EQ(Folder1(), "C:\\Dir_0.9/zZ");

  // Ctrl+V, as the keyboard delivers it, and a paste from the edit menu.
  const Text pasted = "C:\\写真 (2) - 旅";
  PutOnClipboard(pasted);
  SendMessageW(Edit1(), EM_SETSEL, 0, -1);
  TypeChars(Edit1(), "\x16");
  EXPECT_EQ(Folder1(), pasted);
  EXPECT_EQ(CurFolder(), pasted);

  PutOnClipboard("D:\\x y");
  SetText(Edit1(), a_.Path());
  FocusOn(Edit2());
  TypeChars(Edit2(), "-");
  EXPECT_EQ(Folder2(), "");
  SendMessageW(Edit2(), WM_PASTE, 0, 0);
  EXPECT_EQ(Folder2(), "D:\\x y");
}

TEST_F(FolderFieldsTest, MiddleClickReplacesTheFieldWithTheClipboardText) {
  Start();
  // Folder 1 has the focus at start-up; leaving it, which the left click below would do, is not
  // the point here.
  FocusOn(Elsewhere());
  SetText(Edit1(), a_.Path());
  SetText(Edit2(), b_.Path());

  // Folder 1's own text pasted into folder 2 does not stay there.
  PutOnClipboard(a_.Path());
  ClickWith(VK_MBUTTON, Edit2());
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(Folder1(), a_.Path());

  // The whole text is replaced, untrimmed and untested.
  const Text pasted = " 無い フォルダー ";
  PutOnClipboard(pasted);
  ClickWith(VK_MBUTTON, Edit1());
  EXPECT_EQ(Folder1(), pasted);
  EXPECT_EQ(CurFolder(), pasted);

  // Another button pastes nothing, and neither does a middle-button message while the middle
  // button is not down.
  ClickWith(VK_LBUTTON, Edit2());
  EXPECT_EQ(Folder2(), "");
  SendMessageW(Edit2(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Edit2(), WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Folder2(), "");

  // The second press of a quick double click pastes too.
  SetText(Edit2(), b_.Path());
  PutOnClipboard(a_.Path());
  SetCursorPos(0, 0);  // the real press goes to the desktop
  Settle();
  {
    HeldKey middle(VK_MBUTTON);
    PumpMessages();
    SendMessageW(Edit2(), WM_MBUTTONDBLCLK, MK_MBUTTON, MAKELPARAM(5, 5));
  }
  PumpMessages();
  EXPECT_EQ(Folder2(), a_.Path());
}

TEST_F(FolderFieldsTest, ShiftClickOnALabelClearsItsFieldAndFolder2MovesUpWhenLeft) {
  Start();
  SetText(Edit1(), a_.Path());
  SetText(Edit2(), b_.Path());
  HWND label1 = Control(ids::lbl_Directory0);

  ClickWith(VK_LBUTTON, label1);
  EXPECT_EQ(Folder1(), a_.Path());

  ClickWith(VK_LBUTTON, label1, VK_SHIFT);
  EXPECT_EQ(Folder1(), "");
  EXPECT_EQ(Folder2(), b_.Path());
  EXPECT_EQ(CurFolder(), "");

  FocusOn(Edit2());
  EXPECT_EQ(Folder2(), b_.Path());
  FocusOn(Elsewhere());
  EXPECT_EQ(Folder1(), b_.Path());
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), b_.Path());

  SetText(Edit2(), a_.Path());
  ClickWith(VK_LBUTTON, Control(ids::lbl_Directory1), VK_SHIFT);
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(Folder1(), b_.Path());
}

TEST_F(FolderFieldsTest, LeavingAFieldThatNamesAMissingFolderReportsAndEmptiesIt) {
  Start();
  {
    SCOPED_TRACE("folder 1, with folder 2 holding text");
    SetText(Edit1(), missing_);
    SetText(Edit2(), b_.Path());
    BeepSpy beeps;
    FocusOn(Edit1());
    EXPECT_TRUE(dialogs_.Take().boxes.empty());
    dialogs_.ExpectBox(ButtonId(IDOK));
    LeaveField();
    ExpectOneMissingFolderReport();
    EXPECT_EQ(Folder1(), "");
    EXPECT_EQ(CurFolder(), "");
    EXPECT_EQ(Folder2(), b_.Path());
  }
  {
    SCOPED_TRACE("folder 2");
    SetText(Edit1(), a_.Path());
    SetText(Edit2(), missing_);
    BeepSpy beeps;
    dialogs_.ExpectBox(ButtonId(IDOK));
    FocusOn(Edit2());
    LeaveField();
    ExpectOneMissingFolderReport();
    EXPECT_EQ(Folder2(), "");
    EXPECT_EQ(Folder1(), a_.Path());
    EXPECT_EQ(CurFolder(), a_.Path());
  }
}

TEST_F(FolderFieldsTest, LeavingAFieldTestsTheTextAsTypedFromTheCurrentFolder) {
  MakeFolder(a_ / "sub");
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(ToWide(a_.Path()).c_str()));
  Start();
  {
    SetText(Edit1(), "sub");
    FocusOn(Edit1());
    FocusOn(Elsewhere());
  }
  EXPECT_EQ(Folder1(), "sub");
  EXPECT_EQ(CurFolder(), "sub");
  SetCurrentDirectoryW(previous);
}

TEST_F(FolderFieldsTest, OnlyMovingToAnotherControlIsLeavingTheField) {
  Start();
  SetText(Edit1(), missing_);
  FocusOn(Edit1());
  {
    // A message box over the window taking the focus.
    dialogs_.ExpectBox(ButtonId(IDOK));
    MessageBoxW(Conv().Handle(), L"other", L"other", MB_OK);
    const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "other");
  }
  EXPECT_EQ(Folder1(), missing_);
  {
    // Another window taking the focus.
    HWND other = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    FocusOn(other);
    DestroyWindow(other);
    PumpMessages();
  }
  EXPECT_EQ(Folder1(), missing_);
  FocusOn(Edit1());
  BeepSpy beeps;
  dialogs_.ExpectBox(ButtonId(IDOK));
  LeaveField();
  ExpectOneMissingFolderReport();
  EXPECT_EQ(Folder1(), "");
}

TEST_F(FolderFieldsTest, TheChooserFillsAFieldButNeverFolder2WithFolder1sFolder) {
  Start();
  dialogs_.ExpectChooser(a_.Path());
  ClickButton(Control(ids::cmd_Directory0));
  const Text chosen = Folder1();
  EXPECT_EQ(lstrcmpiW(ToWide(chosen).c_str(), ToWide(a_.Path()).c_str()), 0) << ForLog(chosen);
  EXPECT_EQ(Conv().State().PickedFolder, chosen);
  EXPECT_EQ(CurFolder(), chosen);

  // The same folder for folder 2: nothing changes.
  dialogs_.ExpectChooser(a_.Path());
  ClickButton(Control(ids::cmd_Directory1));
  EXPECT_EQ(Conv().State().PickedFolder, chosen);
  EXPECT_EQ(Folder1(), chosen);
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(CurFolder(), chosen);

  // Another folder goes into folder 2.
  dialogs_.ExpectChooser(b_.Path());
  ClickButton(Control(ids::cmd_Directory1));
  EXPECT_EQ(lstrcmpiW(ToWide(Folder2()).c_str(), ToWide(b_.Path()).c_str()), 0);
  EXPECT_EQ(Folder1(), chosen);
  EXPECT_EQ(CurFolder(), Folder2());

  const Answered answered = dialogs_.Take();
  EXPECT_TRUE(answered.boxes.empty());
  const std::vector<SeenChooser>& choosers = answered.choosers;
  ASSERT_EQ(choosers.size(), 3u);
  for (const SeenChooser& chooser : choosers) {
    EXPECT_TRUE(chooser.selectionTaken);
    EXPECT_EQ(chooser.owner, Conv().Handle());
    EXPECT_NE(chooser.texts.find("フォルダを選択してください"), Text::npos)
        << ForLog(chooser.texts);
  }
}

TEST_F(FolderFieldsTest, CancellingTheChooserChangesNothing) {
  Start({a_.Path()});  // the folder from the command line is the one last picked
  ASSERT_EQ(Conv().State().PickedFolder, a_.Path());
  SetText(Edit2(), b_.Path());
  dialogs_.ExpectChooser(std::nullopt);
  dialogs_.ExpectChooser(std::nullopt);
  ClickButton(Control(ids::cmd_Directory0));
  EXPECT_EQ(Conv().State().PickedFolder, "");
  ClickButton(Control(ids::cmd_Directory1));
  EXPECT_EQ(Conv().State().PickedFolder, "");
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), b_.Path());
  EXPECT_EQ(CurFolder(), a_.Path());
  const Answered answered = dialogs_.Take();
  EXPECT_TRUE(answered.boxes.empty());
  const std::vector<SeenChooser>& choosers = answered.choosers;
  ASSERT_EQ(choosers.size(), 2u);
  for (const SeenChooser& chooser : choosers) {
    EXPECT_EQ(chooser.rootItem, DesktopName());
    EXPECT_TRUE(chooser.startsAtTheRoot);
  }
}

}  // namespace
}  // namespace tokiwake::test

// The harness proves itself against boxes and a small window of its own before any test leans on
// it.
#include "harness/Harness.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <tuple>

#include "harness/Dialogs.h"
#include "platform/Cp932.h"
#include "platform/Keyboard.h"

namespace tokiwake::test {
namespace {

int ShowBox(std::string_view text, std::string_view caption, UINT type) {
  return MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(caption).c_str(), type);
}

TEST(DialogAnswerer, ReadsTheVisibleButtonsAndPressesByIdOrCaption) {
  DialogAnswerer dialogs;
  dialogs.ExpectBox(ButtonId(IDNO));
  EXPECT_EQ(ShowBox("一行目\n二行目ソ表", "表題ｶﾒﾗ", MB_YESNOCANCEL), IDNO);
  const SeenBox seen = dialogs.Take().boxes.at(0);
  EXPECT_EQ(seen.caption, "表題ｶﾒﾗ");
  EXPECT_EQ(seen.text, "一行目\n二行目ソ表");
  ASSERT_EQ(seen.buttons.size(), 3u);  // the box's hidden buttons are not listed
  EXPECT_EQ(seen.pressed, seen.buttons[1]);

  // The captions are the locale's; the one just read serves to press Cancel by name.
  dialogs.ExpectBox(ButtonCaption(seen.buttons[2]));
  EXPECT_EQ(ShowBox("x", "y", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(dialogs.Take().boxes.at(0).pressed, seen.buttons[2]);

  // A caption names its button without the access key of either language.
  dialogs.ExpectBox(ButtonCaption(seen.buttons[1] == "いいえ(&N)" ? "いいえ" : "No"));
  EXPECT_EQ(ShowBox("x", "y", MB_YESNO), IDNO);
}

TEST(DialogAnswerer, AnswersSeveralBoxesInTurn) {
  DialogAnswerer dialogs;
  dialogs.ExpectBox(ButtonId(IDYES));
  dialogs.ExpectBox(ButtonId(IDOK));
  EXPECT_EQ(ShowBox("続けますか", "確認", MB_YESNO), IDYES);
  EXPECT_EQ(ShowBox("終了", "結果", MB_OK), IDOK);
  const std::vector<SeenBox> seen = dialogs.Take().boxes;
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, "続けますか");
  EXPECT_EQ(seen[1].caption, "結果");
  EXPECT_EQ(seen[1].buttons.size(), 1u);
}

void ExpectABoxThatNeverComes() {
  DialogAnswerer dialogs;
  dialogs.ExpectBox(ButtonId(IDOK));
}

void AnswerWithAButtonTheBoxLacks() {
  DialogAnswerer dialogs;
  dialogs.ExpectBox(ButtonId(IDYES));
  ShowBox("only OK", "caption", MB_OK);  // must still come back: the answerer closes it anyway
}

void ShowABoxWhereNoneIsExpected() {
  DialogAnswerer none;
  EXPECT_EQ(ShowBox("思わぬ箱", "caption", MB_YESNO), IDNO);  // closed with the harmless button
}

TEST(DialogAnswerer, FailsClearlyWhenTheBoxIsNotAsExpected) {
  EXPECT_NONFATAL_FAILURE(ExpectABoxThatNeverComes(),
                          "no message box came for dialog 1 of 1, which was to get button id 1");
  EXPECT_NONFATAL_FAILURE(AnswerWithAButtonTheBoxLacks(), "the box has no button id 6");
  EXPECT_NONFATAL_FAILURE(ShowABoxWhereNoneIsExpected(), "unexpected message box: caption");
  DialogAnswerer quiet;  // and a quiet stretch passes
}

// A small window that records what reaches its procedure, from whichever thread it runs on.
struct Probe {
  std::mutex mutex;
  std::vector<std::pair<int, int>> commands;  // control id, notification
  std::wstring chars;
  HWND window = nullptr;
  HWND button = nullptr;
  HWND edit = nullptr;

  bool Received(int id, int notification) {
    const std::lock_guard lock(mutex);
    return std::find(commands.begin(), commands.end(), std::pair(id, notification)) !=
           commands.end();
  }
};

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  if (auto* probe = reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
    const std::lock_guard lock(probe->mutex);
    if (message == WM_COMMAND) probe->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    if (message == WM_CHAR) probe->chars += static_cast<wchar_t>(wParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool CreateProbe(Probe& probe) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"HarnessProbe";
  RegisterClassW(&windowClass);  // already there after the first test
  probe.window = CreateWindowW(L"HarnessProbe", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                               300, 200, nullptr, nullptr, instance, &probe);
  probe.button =
      CreateWindowW(L"BUTTON", L"押す", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                    probe.window, reinterpret_cast<HMENU>(101), instance, nullptr);
  probe.edit =
      CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 40, 200,
                    24, probe.window, reinterpret_cast<HMENU>(102), instance, nullptr);
  return probe.window && probe.button && probe.edit;
}

class ProbeWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateProbe(probe_));
    PumpMessages();
    probe_.commands.clear();
  }
  void TearDown() override { DestroyWindow(probe_.window); }
  Probe probe_;
};

TEST_F(ProbeWindow, ClicksAndMenuCommandsReachTheWindowProcedure) {
  EXPECT_EQ(FindChild(probe_.window, 101), probe_.button);
  ClickButton(probe_.button);
  EXPECT_TRUE(probe_.Received(101, BN_CLICKED));
  ChooseMenuItem(probe_.window, 4242);
  EXPECT_TRUE(probe_.Received(4242, 0));
}

TEST_F(ProbeWindow, TypedCharactersArriveAsUtf16UnitsAndBecomeTheEditsBytes) {
  TypeChars(probe_.window, "aｶ表ソ\r");
  EXPECT_EQ(probe_.chars, L"a\uFF76\u8868\u30BD\r");

  FocusOn(probe_.edit);
  EXPECT_EQ(GetFocus(), probe_.edit);
  TypeChars(probe_.edit, "写真ｶﾒﾗx\b");
  EXPECT_EQ(GetText(probe_.edit), "写真ｶﾒﾗ");
  SetText(probe_.edit, "C:\\表\\ソ");
  EXPECT_EQ(GetText(probe_.edit), "C:\\表\\ソ");
  EXPECT_TRUE(probe_.Received(102, EN_CHANGE));

  FocusOn(probe_.button);  // leaving the edit is what an exit handler hears of
  EXPECT_TRUE(probe_.Received(102, EN_KILLFOCUS));
}

// The way an end-to-end test reaches the program: the window lives on another thread's queue.
TEST(ProbeOnAnotherThread, GetsPostedInputAndAnswersTextQueries) {
  Probe probe;
  std::atomic<bool> ready{false};
  std::atomic<DWORD> ownerId{0};
  std::thread owner([&] {
    ownerId = GetCurrentThreadId();
    ready = CreateProbe(probe);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  });
  ASSERT_TRUE(WaitUntil([&] { return ready.load(); }));

  ClickButton(probe.button);
  ChooseMenuItem(probe.window, 77);
  EXPECT_TRUE(WaitUntil([&] { return probe.Received(101, BN_CLICKED) && probe.Received(77, 0); }));
  FocusOn(probe.edit);
  TypeChars(probe.edit, "表ソ");
  EXPECT_TRUE(WaitUntil([&] { return GetText(probe.edit) == "表ソ"; }));
  SetText(probe.window, "窓");
  EXPECT_EQ(GetText(probe.window), "窓");

  SendMessageW(probe.window, WM_CLOSE, 0, 0);
  PostThreadMessageW(ownerId, WM_QUIT, 0, 0);
  owner.join();
}

TEST(HeldKey, IsSeenByGetAsyncKeyStateUntilTheScopeEnds) {
  for (WORD key : {VK_SHIFT, VK_CONTROL, VK_MBUTTON}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(IsKeyDown(key));
    {
      HeldKey held(key);
      EXPECT_TRUE(IsKeyDown(key));
    }
    EXPECT_FALSE(IsKeyDown(key));
  }
  HeldKey shift(VK_SHIFT);
  HeldKey control(VK_CONTROL);
  EXPECT_TRUE(IsKeyDown(VK_SHIFT) && IsKeyDown(VK_CONTROL));
}

TEST(TempFolder, HoldsJapaneseNamesAndLeavesNothingBehind) {
  Text path;
  {
    TempFolder folder("ソ表");
    path = folder.Path();
    EXPECT_NE(path.find("ソ表"), Text::npos);
    WriteBytes(folder / "表.dat", "abc\r\n");
    MakeFolder(folder / "ソ");
    WriteBytes(folder / "ソ\\a.jpg", "");
    SetAttributes(folder / "表.dat", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(ListFolder(folder.Path()), (std::vector<Text>{"ソ", "表.dat"}));
    EXPECT_EQ(ReadBytes(folder / "表.dat"), "abc\r\n");
    EXPECT_EQ(ReadBytes(folder / "none"), std::nullopt);
    {
      LockedFile lock(folder / "ソ\\a.jpg");
      EXPECT_EQ(ReadBytes(folder / "ソ\\a.jpg"), std::nullopt);
    }
    EXPECT_EQ(ReadBytes(folder / "ソ\\a.jpg"), "");

    const SYSTEMTIME local{2010, 5, 0, 23, 9, 3, 8, 0};
    SetLocalWriteTime(folder / "ソ\\a.jpg", local);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(ToWide(folder / "ソ\\a.jpg").c_str(), GetFileExInfoStandard, &data);
    FILETIME localTime{};
    SYSTEMTIME seen{};
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &localTime);
    FileTimeToSystemTime(&localTime, &seen);
    EXPECT_EQ(
        std::tuple(seen.wYear, seen.wMonth, seen.wDay, seen.wHour, seen.wMinute, seen.wSecond),
        std::tuple(2010, 5, 23, 9, 3, 8));
  }
  EXPECT_FALSE(PathExists(path));
}

}  // namespace
}  // namespace tokiwake::test

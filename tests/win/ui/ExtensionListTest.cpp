// The extension list driven through the real window and the real add box.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "harness/Dialogs.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"
#include "win32/CheckList.h"

namespace tokiwake::test {
namespace {

constexpr char kNotHalfWidth[] = "登録する拡張子名は半角でお願いします！！";
constexpr char kForbidden[] = "拡張子名に\\ / : * ? \" < > | は使えません！！";
constexpr char kRegistered[] = "その拡張子はすでに登録されています！！";
constexpr char kTrailingDot[] = "拡張子の最後が”．”です！！";

// The items with their ticks in one line, so that a failure shows the whole list.
Text Summary(const std::vector<CheckItem>& items) {
  Text summary;
  for (const CheckItem& item : items) summary += (item.ticked ? "[x]" : "[ ]") + item.text + " ";
  return summary;
}

class ExtensionListTest : public MainWindowTest {
 protected:
  HWND List() { return Control(ids::lstASCII); }
  Text ListNow() { return Summary(CheckItems(List())); }

  // Types into the add box and ends it; `then` answers the box that must follow it.
  Answered Add(std::wstring typed, std::optional<Button> then = std::nullopt,
               InputEnd end = InputEnd::kOkButton) {
    dialogs_.ExpectInput({std::move(typed), end});
    if (then) dialogs_.ExpectBox(*then);
    ClickButton(Control(ids::cmd_ADD));
    return dialogs_.Take();
  }

  // The message a refused input gets, after checking that it came in a plain box.
  Text RefusalOf(std::wstring typed) {
    const Answered answered = Add(std::move(typed), ButtonId(IDOK));
    if (answered.boxes.empty()) return "(no message box)";
    EXPECT_EQ(answered.boxes[0].caption, "Tokiwake");
    EXPECT_EQ(answered.boxes[0].buttons, std::vector<Text>{"OK"});
    return answered.boxes[0].text;
  }

  void Select(int index) { SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

  bool AllFilesTicked() {
    return SendMessageW(Control(ids::chkAll), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  // A real click at the tick box of an item, as the mouse gives it, so that a disabled list
  // ignores it as it would ignore the user.
  void ClickTickBox(int index) {
    RECT rc{};
    SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    POINT at{rc.left + 6, (rc.top + rc.bottom) / 2};
    ClientToScreen(List(), &at);
    SetCursorPos(at.x, at.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    // The release is in the system's key state and the press and release in this thread's queue
    // at once; the click has been handled, or ignored, once the queue holds no button message.
    EXPECT_TRUE(WaitUntil([] {
      return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0 &&
             (HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) & QS_MOUSEBUTTON) == 0;
    }));
  }
};

TEST_F(ExtensionListTest, TheAddBoxAsksForAtMost255CharactersOverTheWindow) {
  Start();
  const std::vector<SeenInputBox> inputs = Add(L"PNG").inputs;
  ASSERT_EQ(inputs.size(), 1u);
  const SeenInputBox& box = inputs[0];
  EXPECT_EQ(box.caption, "ファイルの拡張子を入れて下さい");
  EXPECT_EQ(box.prompt, "拡張子名");
  EXPECT_EQ(box.buttons, (std::vector<Text>{"OK", "キャンセル"}));
  EXPECT_EQ(box.defaultId, IDOK);
  EXPECT_TRUE(box.editHadFocus);
  EXPECT_EQ(box.editLimit, 255u);
  EXPECT_EQ(box.fontFace, "ＭＳ Ｐゴシック");
  EXPECT_EQ(box.fontPoints, 9);
  const auto centre = [](const RECT& rc) {
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  };
  EXPECT_NEAR(centre(box.rect).x, centre(box.ownerRect).x, 1);
  EXPECT_NEAR(centre(box.rect).y, centre(box.ownerRect).y, 1);
  EXPECT_EQ(ListNow(), "[x]*.jpg [x]*.jpeg [x]*.gif [x]*.bmp [x]*.png ");
}

TEST_F(ExtensionListTest, AcceptedInputsAreAppendedTickedAndLeaveTheOtherItemsAlone) {
  Start();
  SetTicked(List(), 1, false);
  const struct {
    const wchar_t* typed;
    const char* mask;
  } examples[] = {
      {L"*.Raw", "*.raw"}, {L".tif", "*.tif"},  {L"tar.gz", "*.gz"},
      {L"ｶﾒﾗ", "*.ｶﾒﾗ"},   {L"x.jpg", "*.jpg"}, {L" ", "*. "},
  };
  Text expected = "[x]*.jpg [ ]*.jpeg [x]*.gif [x]*.bmp ";
  for (const auto& example : examples) {
    SCOPED_TRACE(ForLog(example.mask));
    Add(example.typed);
    expected += "[x]" + Text(example.mask) + " ";
    EXPECT_EQ(ListNow(), expected);
  }
  EXPECT_EQ(CheckItemText(List(), 7), "*.\xB6\xD2\xD7");  // the katakana as single bytes
}

TEST_F(ExtensionListTest, EnterIsOkWhileCancelEscapeAndAnEmptyInputChangeNothing) {
  Start();
  const Text before = ListNow();
  Add(L"png", std::nullopt, InputEnd::kCancelButton);
  Add(L"png", std::nullopt, InputEnd::kEscapeKey);
  Add(L"");
  EXPECT_EQ(ListNow(), before);
  Add(L"png", std::nullopt, InputEnd::kEnterKey);
  EXPECT_EQ(ListNow(), before + "[x]*.png ");
}

TEST_F(ExtensionListTest, EachRefusalShowsItsMessageAndLeavesTheListAsItWas) {
  Start();
  SetTicked(List(), 2, false);
  const Text before = ListNow();
  const struct {
    const wchar_t* typed;
    const char* message;
  } refusals[] = {
      {L"JPG", kRegistered},
      {L"peg", kRegistered},
      {L".jpg", kRegistered},
      {L"gif", kRegistered},  // unticked, and still registered
      {L"*", kForbidden},
      {L"png*", kForbidden},
      {L"*.*", kForbidden},
      {L"a?b", kForbidden},
      {L"a|b", kForbidden},
      {L"jpg.", kTrailingDot},
      {L".", kTrailingDot},
      {L"ｊｐｇ", kNotHalfWidth},
      {L"caf\u00E9", kNotHalfWidth},
      {L"\U0001F600", kNotHalfWidth},
  };
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(ForLog(Narrow(refusal.typed)));
    EXPECT_EQ(RefusalOf(refusal.typed), refusal.message);
    EXPECT_EQ(ListNow(), before);
  }
}

TEST_F(ExtensionListTest, TheLongestInputIsCutAt255Characters) {
  Start();
  const std::vector<SeenInputBox> inputs = Add(std::wstring(256, L'A')).inputs;
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].edited.size(), 255u);
  EXPECT_EQ(CheckItemCount(List()), 5);
  EXPECT_EQ(CheckItemText(List(), 4), "*." + Text(255, 'a'));
}

TEST_F(ExtensionListTest, DeleteRemovesOnlyTheSelectedItemDownToAnEmptyList) {
  Start();
  SetTicked(List(), 2, false);
  ClickButton(Control(ids::cmd_DEL));  // nothing selected
  EXPECT_EQ(ListNow(), "[x]*.jpg [x]*.jpeg [ ]*.gif [x]*.bmp ");

  Select(1);
  ClickButton(Control(ids::cmd_DEL));
  EXPECT_EQ(ListNow(), "[x]*.jpg [ ]*.gif [x]*.bmp ");
  ClickButton(Control(ids::cmd_DEL));  // the selection went with the item
  EXPECT_EQ(ListNow(), "[x]*.jpg [ ]*.gif [x]*.bmp ");

  Select(1);  // an unticked item goes just the same
  ClickButton(Control(ids::cmd_DEL));
  EXPECT_EQ(ListNow(), "[x]*.jpg [x]*.bmp ");
  for (int left = 2; left > 0; --left) {
    Select(left - 1);
    ClickButton(Control(ids::cmd_DEL));
  }
  EXPECT_EQ(CheckItemCount(List()), 0);
  ClickButton(Control(ids::cmd_DEL));
  EXPECT_EQ(CheckItemCount(List()), 0);
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "dCamFlist.dat"), "");
}

TEST_F(ExtensionListTest, WithAnEmptyListNoFileIsATargetOfARun) {
  TempFolder photos("写真");
  WriteBytes(photos / "DSC0001.JPG", "jpeg");
  Start();
  for (int i = 0; i < 4; ++i) {
    Select(0);
    ClickButton(Control(ids::cmd_DEL));
  }
  ASSERT_EQ(CheckItemCount(List()), 0);
  Conv().SetText(ids::txt_Directory0, photos.Path());
  dialogs_.ExpectBox(ButtonId(IDYES));
  dialogs_.ExpectBox(ButtonId(IDOK));
  ClickButton(Control(ids::cmd_START));
  const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "表示するリストは、ありません！！");
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"DSC0001.JPG"});
}

TEST_F(ExtensionListTest, AllFilesGreysTheListAndGivesItBackUnchanged) {
  Start();
  SetTicked(List(), 1, false);
  ClickTickBox(2);  // the real click reaches an enabled list
  const Text before = "[x]*.jpg [ ]*.jpeg [ ]*.gif [x]*.bmp ";
  ASSERT_EQ(ListNow(), before);

  ClickButton(Control(ids::chkAll));
  ASSERT_TRUE(AllFilesTicked());
  EXPECT_FALSE(IsWindowEnabled(List()));
  EXPECT_TRUE(IsWindowEnabled(Control(ids::cmd_ADD)));
  EXPECT_TRUE(IsWindowEnabled(Control(ids::cmd_DEL)));
  ClickTickBox(0);  // and not a disabled one
  EXPECT_EQ(ListNow(), before);

  ClickButton(Control(ids::chkAll));
  ASSERT_FALSE(AllFilesTicked());
  EXPECT_TRUE(IsWindowEnabled(List()));
  EXPECT_EQ(ListNow(), before);
}

TEST_F(ExtensionListTest, MasksCanBeAddedAndDeletedWhileAllFilesIsTicked) {
  Start();
  ClickButton(Control(ids::chkAll));
  Add(L"PNG");
  EXPECT_EQ(RefusalOf(L"png"), kRegistered);
  Select(0);
  ClickButton(Control(ids::cmd_DEL));
  EXPECT_EQ(ListNow(), "[x]*.jpeg [x]*.gif [x]*.bmp [x]*.png ");
  EXPECT_FALSE(IsWindowEnabled(List()));
}

TEST_F(ExtensionListTest, TheListIsSavedAtCloseOneItemALineTicksLeftOut) {
  Start();
  Add(L"ｶﾒﾗ");
  Add(L"tar.gz");
  SetTicked(List(), 0, false);
  Select(2);
  ClickButton(Control(ids::cmd_DEL));
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "dCamFlist.dat"),
            "*.jpg\r\n*.jpeg\r\n*.bmp\r\n*.\xB6\xD2\xD7\r\n*.gz\r\n");
}

}  // namespace
}  // namespace tokiwake::test

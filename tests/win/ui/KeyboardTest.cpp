// The keyboard as a person uses it: keys typed as soon as the window is there, and Enter on a
// focused button. Each key is posted to the window that has the focus, as the keyboard does, and
// handled by the program's own message loop with its dialog keys.
#include <windows.h>
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "win32/MessageLoop.h"

namespace tokiwake::test {
namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  void PressKeyInFocus(UINT key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    PostKeyPress(focus, key);
    PumpPendingMessages(Conv().Handle());
  }

  void PressEnterOn(int id) {
    FocusOn(Control(id));
    PressKeyInFocus(VK_RETURN);
  }
};

TEST_F(KeyboardTest, KeysTypedAtOnceGoToFolder1) {
  Start();
  EXPECT_EQ(GetFocus(), Control(ids::txt_Directory0));
  PressKeyInFocus('C');
  EXPECT_EQ(Folder1(), "c");
}

TEST_F(KeyboardTest, EnterOnTheCloseButtonCloses) {
  Start();
  PressEnterOn(ids::cmd_Close);
  EXPECT_TRUE(closed_);
}

TEST_F(KeyboardTest, EnterOnAFolderButtonOpensTheChooser) {
  TempFolder a("a");
  TempFolder b("b");
  Start();
  dialogs_.ExpectChooser(a.Path());
  PressEnterOn(ids::cmd_Directory0);
  dialogs_.ExpectChooser(b.Path());
  PressEnterOn(ids::cmd_Directory1);
  EXPECT_EQ(dialogs_.Take().choosers.size(), 2u);
  EXPECT_EQ(Folder1(), a.Path());
  EXPECT_EQ(Folder2(), b.Path());
}

TEST_F(KeyboardTest, EnterOnTheStartButtonStartsTheRun) {
  TempFolder photos("photos");
  Start();
  Conv().SetText(ids::txt_Directory0, photos.Path());
  dialogs_.ExpectBox(ButtonId(IDNO));
  PressEnterOn(ids::cmd_START);
  const SeenBox question = dialogs_.Take().boxes.at(0);
  EXPECT_EQ(question.caption, "確認");
  EXPECT_EQ(question.text, "変換するフォルダーの\nバックアップは取ってありますか？");
}

TEST_F(KeyboardTest, EnterOnTheAbortButtonAsksTheRunToStop) {
  Start();
  ASSERT_FALSE(Conv().State().AbortRequested);
  PressEnterOn(ids::cmdAbote);
  EXPECT_TRUE(Conv().State().AbortRequested);
}

}  // namespace
}  // namespace tokiwake::test

// The version item of the Help menu in the real window: the page and the picture it writes beside
// the program, and the dialog it shows. (The viewers it starts are seen from outside, end to end.)
#include <gtest/gtest.h>

#include "ui/MailIcon.h"
#include "ui/MainWindowFixture.h"
#include "ui/help/frmVersion.h"
#include "win32/MessageLoop.h"

namespace tokiwake::test {
namespace {

constexpr DWORD kHiddenReadOnlySystem =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;

class VersionMenuTest : public MainWindowTest {
 protected:
  void StartWithDialog() {
    Start();
    ASSERT_TRUE(dialog_.Create(Conv().Handle()));
    Conv().SetVersionDialog(&dialog_);
  }
  void ChooseVersion() { ChooseMenuItem(Conv().Handle(), ids::mnuVER); }

  // The texts the dialog shows, top to bottom.
  std::vector<Text> DialogTexts() {
    std::vector<Text> texts;
    for (HWND child = GetWindow(dialog_.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      if (IsWindowVisible(child) && GetWindowTextLengthW(child) > 0)
        texts.push_back(GetText(child));
    }
    return texts;
  }

  TfrmVersion dialog_;
};

TEST_F(VersionMenuTest, WritesTheHiddenPageAndThePictureAndShowsTheDialog) {
  StartWithDialog();
  ChooseVersion();
  const Text page = programFolder_ / "Version.htm";
  EXPECT_EQ(ReadBytes(page), BuildVersionPage(Conv().VersionNumberValue()));
  EXPECT_EQ(Attributes(page) & kHiddenReadOnlySystem, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  const std::optional<Text> picture = ReadBytes(programFolder_ / "MailIcon.gif");
  ASSERT_TRUE(picture);
  EXPECT_EQ(*picture, MailIconBytes());
  EXPECT_TRUE(IsWindowVisible(dialog_.Handle()));
  // Under Wine without its HTML engine no page can be shown: the page's facts stand in for it.
  if (!dialog_.ShowsBrowser()) {
    const std::vector<Text> texts = DialogTexts();
    ASSERT_FALSE(texts.empty()) << "the dialog is blank";
    EXPECT_EQ(texts.front(), "Tokiwake　Ver 1.00");
    EXPECT_EQ(texts.back(), "　←お問い合わせはこちら！");
  }
}

TEST_F(VersionMenuTest, ThePageIsReplacedOnEveryUseAndAPictureInPlaceIsKept) {
  const Text page = programFolder_ / "Version.htm";
  const Text picture = programFolder_ / "MailIcon.gif";
  WriteBytes(picture, "GIF89a the user's own");
  StartWithDialog();
  ChooseVersion();
  EXPECT_EQ(ReadBytes(picture), "GIF89a the user's own");

  SendMessageW(dialog_.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(dialog_.Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog_.Handle()));

  SetAttributes(page, FILE_ATTRIBUTE_NORMAL);
  WriteBytes(page, "stale");
  ChooseVersion();
  EXPECT_EQ(ReadBytes(page), BuildVersionPage(Conv().VersionNumberValue()));
  EXPECT_EQ(Attributes(page) & kHiddenReadOnlySystem, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(ReadBytes(picture), "GIF89a the user's own");
  EXPECT_TRUE(IsWindowVisible(dialog_.Handle()));
}

// Each key goes to the focus, as the keyboard sends it, through the program's message loop.
TEST_F(VersionMenuTest, EscAndEnterCloseTheDialogAsTheyCloseADialog) {
  StartWithDialog();
  for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
    ChooseVersion();
    ASSERT_TRUE(IsWindowVisible(dialog_.Handle()));
    PostKeyPress(GetFocus(), key);
    PumpPendingMessages(Conv().Handle());
    EXPECT_FALSE(IsWindowVisible(dialog_.Handle())) << "key " << key;
  }
}

}  // namespace
}  // namespace tokiwake::test

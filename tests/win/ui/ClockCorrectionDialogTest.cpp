// The clock-correction dialog, opened over the real window and driven as a user would.
#include "ui/ClockCorrectionDialog.h"

#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "ui/convert_layout.h"

namespace tokiwake::test {
namespace {

using namespace clock_ids;

constexpr int64_t kDay = 86400;

// Selects the field's digits and types over them; ES_NUMBER and the limit see every character.
void Type(HWND dialog, int id, const wchar_t* typed) {
  HWND edit = GetDlgItem(dialog, id);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (; *typed != L'\0'; ++typed) SendMessageW(edit, WM_CHAR, *typed, 1);
}

// Sent, not posted, so that what the click changes is there once it returns.
void Press(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The caption or direction, the four fields and the example, as one line.
Text Shown(HWND dialog, const char* before) {
  Text line = before;
  for (int id : {kDays, kHours, kMinutes, kSeconds}) line += GetText(GetDlgItem(dialog, id)) + " ";
  return line + GetText(GetDlgItem(dialog, kExample));
}

class ClockCorrectionDialogTest : public MainWindowTest {};

TEST_F(ClockCorrectionDialogTest, ShowsTypedCorrectionsOnTheSampleAndGivesThemOnOkOnly) {
  Start();
  std::vector<Text> seen;
  dialogs_.ExpectDriven([&](HWND dialog) {
    seen.push_back(Shown(dialog, GetText(dialog).c_str()));
    Type(dialog, kDays, L"99x9999");
    seen.push_back(Shown(dialog, "+"));
    Type(dialog, kDays, L"64");
    Type(dialog, kHours, L"0");
    Type(dialog, kMinutes, L"0");
    Press(dialog, kBack);
    seen.push_back(Shown(dialog, IsDlgButtonChecked(dialog, kBack) ? "-" : "+"));
    EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(AskClockCorrection(Conv().Handle(), kDay - 300, kMainLook.fontFace), -64 * kDay);
  dialogs_.Take();
  EXPECT_EQ(seen, (std::vector<Text>{
                      "時刻の補正0 23 55 0 例：2024/05/03 10:15:00 → 2024/05/04 10:10:00",
                      "+99999 23 55 0 例：2024/05/03 10:15:00 → 2124/04/09 10:15:00",
                      "-64 0 0 0 例：2024/05/03 10:15:00 → 2024/02/29 10:15:00",
                  }));

  seen.clear();
  dialogs_.ExpectDriven([&](HWND dialog) {
    seen.push_back(Shown(dialog, IsDlgButtonChecked(dialog, kBack) ? "-" : "+"));
    Press(dialog, kNoCorrection);
    seen.push_back(Shown(dialog, IsDlgButtonChecked(dialog, kBack) ? "-" : "+"));
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(AskClockCorrection(Conv().Handle(), -64 * kDay, kMainLook.fontFace), std::nullopt);
  dialogs_.Take();
  EXPECT_EQ(seen, (std::vector<Text>{
                      "-64 0 0 0 例：2024/05/03 10:15:00 → 2024/02/29 10:15:00",
                      "+0 0 0 0 例：2024/05/03 10:15:00 → 2024/05/03 10:15:00",
                  }));
}

}  // namespace
}  // namespace tokiwake::test

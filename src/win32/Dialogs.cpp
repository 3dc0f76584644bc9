#include "win32/Dialogs.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/Cp932.h"
#include "platform/Handles_win32.h"

namespace tokiwake {

namespace {

constexpr char kYesCaption[] = "はい(&Y)";
constexpr char kNoCaption[] = "いいえ(&N)";

// A message box has no Cancel button when it asks Yes or No, so Esc would do nothing; here it
// answers No.
LRESULT CALLBACK EscapeAnswersNo(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(box, IDNO);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, &EscapeAnswersNo, 1);
  return DefSubclassProc(box, message, wParam, lParam);
}

thread_local HHOOK questionHook = nullptr;

LRESULT CALLBACK DressQuestionBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDYES, ToWide(kYesCaption).c_str());
    SetDlgItemTextW(box, IDNO, ToWide(kNoCaption).c_str());
    SetWindowSubclass(box, &EscapeAnswersNo, 1, 0);
    HHOOK hook = questionHook;
    questionHook = nullptr;
    UnhookWindowsHookEx(hook);
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void ShowMessage(HWND owner, const Text& text, const Text& caption) {
  MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), MB_OK);
}

void SystemBeep() { MessageBeep(MB_OK); }

bool AskYesNo(HWND owner, const Text& text, const Text& caption) {
  questionHook = SetWindowsHookExW(WH_CBT, &DressQuestionBox, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(),
                                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1);
  if (questionHook != nullptr) {
    UnhookWindowsHookEx(questionHook);
    questionHook = nullptr;
  }
  return answer == IDYES;
}

}  // namespace tokiwake

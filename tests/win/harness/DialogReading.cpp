#include "harness/DialogReading.h"

namespace tokiwake::test {

namespace {

struct DialogSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<DialogSearch*>(parameter);
  if (!IsWindowVisible(window) || !IsClass(window, L"#32770")) return TRUE;
  if (ProcessOf(window) != search->processId) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM parameter) {
  auto* box = reinterpret_cast<OpenBox*>(parameter);
  // Message boxes create every button they might need and hide the unused ones.
  if (!IsWindowVisible(child)) return TRUE;
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (IsClass(child, L"Static") && (style & SS_TYPEMASK) != SS_ICON) {
    const Text text = GetText(child);
    if (text.empty()) return TRUE;
    if (!box->seen.text.empty()) box->seen.text += '\n';
    box->seen.text += text;
  } else if (IsClass(child, L"Button") && ((style & BS_TYPEMASK) == BS_PUSHBUTTON ||
                                           (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)) {
    box->seen.buttons.push_back(GetText(child));
    box->buttons.push_back(child);
  }
  return TRUE;
}

}  // namespace

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t buffer[64];
  const int length = GetClassNameW(window, buffer, 64);
  return length > 0 && lstrcmpiW(buffer, name) == 0;
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

HWND FindVisibleDialog(DWORD processId) {
  DialogSearch search{processId, nullptr};
  EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

OpenBox ReadBox(HWND dialog) {
  OpenBox box;
  box.dialog = dialog;
  box.seen.caption = GetText(dialog);
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&box));
  return box;
}

}  // namespace tokiwake::test

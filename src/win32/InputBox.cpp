#include "win32/InputBox.h"

#include <string>

#include "win32/DialogTemplate.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {

constexpr WORD kFontPoints = 9;
constexpr int kEditId = 100;
constexpr int kPromptId = 101;
constexpr char kOkCaption[] = "OK";
constexpr char kCancelCaption[] = "キャンセル";

struct BoxState {
  int maxChars;
  std::wstring typed;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<BoxState*>(lParam);
      SendDlgItemMessageW(dialog, kEditId, EM_LIMITTEXT, static_cast<WPARAM>(state->maxChars), 0);
      CentreOnOwner(dialog);
      return TRUE;  // the focus goes to the edit, the first control that takes it
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND edit = GetDlgItem(dialog, kEditId);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(
            static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->typed = std::move(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<Narrowed> AskForText(HWND owner, const TextRequest& request) {
  using enum ItemClass;
  const DialogItem items[] = {
      {kStatic, SS_LEFT | SS_NOPREFIX, 7, 7, 186, 9, kPromptId, ToWide(request.prompt)},
      {kEdit, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 18, 186, 12, kEditId, {}},
      {kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 38, 50, 14, IDOK, ToWide(kOkCaption)},
      {kButton, BS_PUSHBUTTON | WS_TABSTOP, 143, 38, 50, 14, IDCANCEL, ToWide(kCancelCaption)},
  };
  const DialogTemplate dialog({DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 59,
                               ToWide(request.title), ToWide(request.fontFace), kFontPoints},
                              items);

  BoxState state{request.maxChars, {}};
  const INT_PTR answer = dialog.ShowModal(owner, &InputBoxProc, reinterpret_cast<LPARAM>(&state));
  if (answer != IDOK) return std::nullopt;
  return ToCp932(state.typed);
}

}  // namespace tokiwake

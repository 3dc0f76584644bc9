// The folder fields' keyboard, focus and mouse events, taken before the edit control sees them.
#include <windows.h>
#include <commctrl.h>

#include "platform/Cp932.h"
#include "ui/convert.h"

namespace tokiwake {

namespace {

// The byte an ANSI window would see first for this character; 0x80 and up for anything that is
// not ASCII, which is all the key filter needs to know.
char FirstCp932Byte(wchar_t ch) {
  if (ch < 0x80) return static_cast<char>(ch);
  const Text bytes = ToCp932(std::wstring_view(&ch, 1)).text;
  const auto first = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.front());
  return static_cast<char>(first >= 0x80 ? first : 0x80);
}

}  // namespace

// The handlers of folder field 0 and folder field 1.
const Tconv::FolderFieldHandlers Tconv::kFieldHandlers[2] = {
    {&Tconv::txt_Directory0_KeyPress, &Tconv::txt_Directory0_Exit, &Tconv::txt_Directory0MouseDown},
    {&Tconv::txt_Directory1_KeyPress, &Tconv::txt_Directory1_Exit, &Tconv::txt_Directory1MouseDown},
};

void Tconv::AttachEditHooks() {
  for (size_t index = 0; index < FolderEdits.size(); ++index) {
    SetWindowSubclass(FolderEdits[index], &Tconv::FolderEditProc, index,
                      reinterpret_cast<DWORD_PTR>(this));
  }
}

LRESULT CALLBACK Tconv::FolderEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, &Tconv::FolderEditProc, id);
  return reinterpret_cast<Tconv*>(self)->OnFolderEditMessage(static_cast<int>(id), edit, message,
                                                             wParam, lParam);
}

LRESULT Tconv::OnFolderEditMessage(int index, HWND edit, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter belongs to the field (it confirms the folder), not to the window's default button.
      if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTMESSAGE;
      }
      break;
    case WM_CHAR:
    case WM_IME_CHAR: {  // an input method hands over what it composed as WM_IME_CHAR
      char key = FirstCp932Byte(static_cast<wchar_t>(wParam));
      (this->*kFieldHandlers[index].keyPress)(key);
      if (key == 0) return 0;  // discarded: the field keeps the text it had
      break;
    }
    case WM_KILLFOCUS: {
      // Leaving the field for another control of this window; a message box or another program
      // taking the focus is not leaving it.
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      HWND next = reinterpret_cast<HWND>(wParam);
      if (next != nullptr && IsChild(Handle(), next)) (this->*kFieldHandlers[index].exit)();
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: {
      // The middle button is ours alone: Windows' edit ignores it, but Wine's pastes at the caret,
      // which would run the change handlers on a text nobody meant.
      const bool middle = message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
      const LRESULT result = middle ? 0 : DefSubclassProc(edit, message, wParam, lParam);
      (this->*kFieldHandlers[index].mouseDown)();
      return result;
    }
    case WM_MBUTTONUP:
      return 0;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace tokiwake

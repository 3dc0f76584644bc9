#include "win32/MessageLoop.h"

namespace tokiwake {

namespace {

// The top-level window of ours that a message is for: the window itself, or one it owns and
// shows beside itself (a modal one runs a loop of its own).
HWND DialogFor(HWND dialogWindow, const MSG& msg) {
  if (dialogWindow == nullptr || !IsWindow(dialogWindow)) return nullptr;
  HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && GetWindow(root, GW_OWNER) == dialogWindow) return root;
  return dialogWindow;
}

void Dispatch(HWND dialogWindow, MSG& msg) {
  if (HWND dialog = DialogFor(dialogWindow, msg);
      dialog != nullptr && IsDialogMessageW(dialog, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}
}  // namespace

void PumpPendingMessages(HWND dialogWindow) {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(dialogWindow, msg);
  }
}

int RunMessageLoop(HWND dialogWindow) {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(dialogWindow, msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace tokiwake

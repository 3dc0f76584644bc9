#include "win32/MessageLoop.h"

namespace tokiwake {

namespace {
void Dispatch(HWND dialogWindow, MSG& msg) {
  if (dialogWindow != nullptr && IsWindow(dialogWindow) && IsDialogMessageW(dialogWindow, &msg)) {
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

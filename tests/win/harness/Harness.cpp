#include "harness/Harness.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>

#include <cstdio>

#include "platform/Cp932.h"

namespace tokiwake::test {

namespace {

constexpr UINT kSendTimeoutMs = 10'000;

bool OnThisThread(HWND window) {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// Sent on this thread so the handler has run on return; posted elsewhere so that a handler that
// runs long, or opens a box, does not hold the test.
void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (OnThisThread(window)) {
    SendMessageW(window, message, wParam, lParam);
  } else if (!PostMessageW(window, message, wParam, lParam)) {
    ADD_FAILURE() << "could not post message " << message << " (error " << GetLastError() << ")";
  }
}

LPARAM KeyLParam(UINT virtualKey, bool up) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM lParam = 1 | static_cast<LPARAM>(scanCode << 16);
  if (up) lParam |= static_cast<LPARAM>(0xC0000000u);  // previous state down, transition up
  return lParam;
}

struct ChildSearch {
  int controlId;
  HWND found;
};

BOOL CALLBACK FindChildWithId(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  if (GetDlgCtrlID(child) != search->controlId) return TRUE;
  search->found = child;
  return FALSE;
}

bool AsyncDown(WORD key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

void SendKeyInput(WORD key, bool down) {
  INPUT input{};
  DWORD mouseFlag = 0;
  switch (key) {
    case VK_LBUTTON:
      mouseFlag = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
      break;
    case VK_RBUTTON:
      mouseFlag = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
      break;
    case VK_MBUTTON:
      mouseFlag = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
      break;
    default:
      break;
  }
  if (mouseFlag != 0) {
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = mouseFlag;
  } else {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  }
  if (SendInput(1, &input, sizeof input) != 1) {
    ADD_FAILURE() << "SendInput refused key " << key << " (error " << GetLastError() << ")";
  }
}

}  // namespace

void PrepareTestProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  _setmode(_fileno(stdout), _O_BINARY);
}

std::string ForLog(std::string_view cp932) {
  const std::wstring wide = ToWide(cp932);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

void TypeChars(HWND window, std::string_view cp932) {
  size_t i = 0;
  while (i < cp932.size()) {
    const bool doubleByte =
        IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size();
    const size_t length = doubleByte ? 2 : 1;
    for (wchar_t unit : ToWide(cp932.substr(i, length))) {
      Deliver(window, WM_CHAR, static_cast<WPARAM>(unit), 1);
    }
    i += length;
  }
}

void PressKey(HWND window, UINT virtualKey) {
  Deliver(window, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
  Deliver(window, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
}

void PostKeyPress(HWND window, UINT virtualKey) {
  for (const bool up : {false, true}) {
    // The press may close the window (Esc in a box) before the release is posted; a closed window
    // gets no release from the keyboard either.
    if (!PostMessageW(window, up ? WM_KEYUP : WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, up)) &&
        !(up && !IsWindow(window))) {
      ADD_FAILURE() << "could not post key " << virtualKey << " (error " << GetLastError() << ")";
    }
  }
}

void FocusOn(HWND window) {
  const DWORD theirs = GetWindowThreadProcessId(window, nullptr);
  const DWORD ours = GetCurrentThreadId();
  // SetFocus only reaches windows that share this thread's input state.
  const bool attach = theirs != ours && AttachThreadInput(ours, theirs, TRUE);
  SetFocus(window);
  const bool focused = GetFocus() == window;
  if (attach) AttachThreadInput(ours, theirs, FALSE);
  if (!focused) ADD_FAILURE() << "the focus did not move to window " << window;
}

void ClickButton(HWND button) { Deliver(button, BM_CLICK, 0, 0); }

void ChooseMenuItem(HWND window, UINT commandId) {
  Deliver(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void SetText(HWND window, std::string_view cp932) {
  const std::wstring wide = ToWide(cp932);
  const auto lParam = reinterpret_cast<LPARAM>(wide.c_str());
  DWORD_PTR result = 0;
  if (OnThisThread(window)) {
    result = static_cast<DWORD_PTR>(SendMessageW(window, WM_SETTEXT, 0, lParam));
  } else if (!SendMessageTimeoutW(window, WM_SETTEXT, 0, lParam, SMTO_NORMAL, kSendTimeoutMs,
                                  &result)) {
    ADD_FAILURE() << "WM_SETTEXT timed out on window " << window;
    return;
  }
  if (!result)
    ADD_FAILURE() << "window " << window << " refused the text \"" << ForLog(cp932) << "\"";
}

Text GetText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &length)) {
    ADD_FAILURE() << "WM_GETTEXTLENGTH timed out on window " << window;
    return {};
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kSendTimeoutMs, &copied);
  text.resize(static_cast<size_t>(copied));
  return Narrow(text);
}

HWND FindChild(HWND parent, int controlId) {
  ChildSearch search{controlId, nullptr};
  EnumChildWindows(parent, FindChildWithId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

HeldKey::HeldKey(WORD virtualKey) : key_(virtualKey) {
  // The system takes the input into its key state before SendInput returns.
  SendKeyInput(key_, true);
  if (!AsyncDown(key_)) ADD_FAILURE() << "GetAsyncKeyState does not see key " << key_ << " held";
}

HeldKey::~HeldKey() {
  SendKeyInput(key_, false);
  if (AsyncDown(key_)) ADD_FAILURE() << "key " << key_ << " still seen held after release";
}

}  // namespace tokiwake::test

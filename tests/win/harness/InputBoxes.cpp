#include "harness/InputBoxes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "harness/DialogReading.h"
#include "text/Cp932.h"

namespace tokiwake::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Milliseconds kPoll{10};
constexpr UINT kSendTimeoutMs = 10'000;

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::wstring WideText(HWND window) {
  const auto length = static_cast<size_t>(SendWithin(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

HWND EditOf(HWND dialog) { return FindWindowExW(dialog, nullptr, L"Edit", nullptr); }

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindInputBox(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !IsWindowVisible(window) || !IsClass(window, L"#32770") ||
      EditOf(window) == nullptr) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

struct Reading {
  SeenInputBox* seen;
  std::vector<HWND>* buttons;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM parameter) {
  auto* reading = reinterpret_cast<Reading*>(parameter);
  if (!IsWindowVisible(child)) return TRUE;
  const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
  if (IsClass(child, L"Static")) {
    Text& prompt = reading->seen->prompt;
    if (!prompt.empty()) prompt += '\n';
    prompt += GetText(child);
  } else if (IsClass(child, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
    reading->seen->buttons.push_back(GetText(child));
    reading->buttons->push_back(child);
  }
  return TRUE;
}

void ReadBox(HWND dialog, SeenInputBox& seen, std::vector<HWND>& buttons) {
  seen.caption = GetText(dialog);
  Reading reading{&seen, &buttons};
  EnumChildWindows(dialog, ReadChild, reinterpret_cast<LPARAM>(&reading));
  seen.defaultId = LOWORD(SendWithin(dialog, DM_GETDEFID));
  HWND edit = EditOf(dialog);
  seen.editLimit = static_cast<UINT>(SendWithin(edit, EM_GETLIMITTEXT));
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
  seen.editHadFocus = focus.hwndFocus == edit;
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendWithin(dialog, WM_GETFONT)), sizeof font, &font);
  seen.fontFace = Narrow(font.lfFaceName);
  HDC screen = GetDC(nullptr);
  seen.fontPoints = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72,
                           GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  GetWindowRect(dialog, &seen.rect);
  if (HWND owner = GetWindow(dialog, GW_OWNER)) GetWindowRect(owner, &seen.ownerRect);
}

// Posted, as keys reach a box of another thread, one message per UTF-16 unit.
void Type(HWND edit, const std::wstring& typed) {
  for (wchar_t unit : typed) PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(unit), 1);
}

bool WaitFor(const std::function<bool()>& condition, Milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

}  // namespace

struct InputBoxAnswerer::State {
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::vector<std::string> problems;
  SeenInputBox seen;
  std::unique_ptr<MessageBoxAnswerer> answerer;
  std::unique_ptr<NoMessageBox> noBox;

  void Problem(std::string text) {
    const std::lock_guard lock(mutex);
    problems.push_back(std::move(text));
  }
};

InputBoxAnswerer::InputBoxAnswerer(InputAnswer answer, Milliseconds timeout)
    : state_(std::make_shared<State>()) {
  thread_ = std::thread([state = state_, answer = std::move(answer), timeout] {
    HWND dialog = nullptr;
    const bool came = WaitFor(
        [&] {
          Search search{GetCurrentProcessId(), nullptr};
          EnumWindows(FindInputBox, reinterpret_cast<LPARAM>(&search));
          dialog = search.found;
          return dialog != nullptr || state->stop;
        },
        timeout);
    if (!came || dialog == nullptr) {
      if (!state->stop)
        state->Problem("no input box came within " + std::to_string(timeout.count()) + " ms");
      return;
    }
    std::vector<HWND> buttons;
    ReadBox(dialog, state->seen, buttons);

    HWND edit = EditOf(dialog);
    Type(edit, answer.typed);
    const std::wstring expected = answer.typed.substr(0, state->seen.editLimit);
    if (!WaitFor([&] { return WideText(edit) == expected; }, timeout)) {
      state->Problem("the edit shows \"" + ForLog(Narrow(WideText(edit))) + "\" after typing \"" +
                     ForLog(Narrow(answer.typed)) + "\"");
    }
    state->seen.edited = WideText(edit);

    switch (answer.end) {
      case InputEnd::OkButton:
      case InputEnd::CancelButton: {
        const int id = answer.end == InputEnd::OkButton ? IDOK : IDCANCEL;
        HWND button = GetDlgItem(dialog, id);
        if (button == nullptr) {
          state->Problem("the input box has no button with id " + std::to_string(id));
          button = GetDlgItem(dialog, IDCANCEL);
        }
        SendWithin(button, BM_CLICK);
        break;
      }
      case InputEnd::EnterKey:
        PressKey(edit, VK_RETURN);
        break;
      case InputEnd::EscapeKey:
        PressKey(edit, VK_ESCAPE);
        break;
    }
    if (!WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeout)) {
      state->Problem("the input box stayed open");
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    const std::lock_guard lock(state->mutex);
    if (answer.then) {
      state->answerer = std::make_unique<MessageBoxAnswerer>(*answer.then);
    } else {
      state->noBox = std::make_unique<NoMessageBox>();
    }
  });
}

InputBoxAnswerer::~InputBoxAnswerer() {
  if (!waited_) Wait();
}

InputOutcome InputBoxAnswerer::Wait() {
  InputOutcome outcome;
  if (waited_) return outcome;
  waited_ = true;
  thread_.join();
  for (const std::string& problem : state_->problems) ADD_FAILURE() << problem;
  outcome.input = state_->seen;
  if (state_->answerer) outcome.then = state_->answerer->Wait();
  state_->answerer.reset();
  state_->noBox.reset();  // reports every box that came unbidden
  return outcome;
}

}  // namespace tokiwake::test

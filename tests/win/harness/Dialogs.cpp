#include "harness/Dialogs.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <sstream>

#include "harness/Spies.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Milliseconds kPoll{5};
constexpr UINT kSendTimeoutMs = 10'000;

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

// Polls without pumping: the dialogs belong to another thread, which handles their messages.
bool PollUntil(const std::function<bool()>& condition) {
  const auto deadline = Clock::now() + Milliseconds(kSendTimeoutMs);
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t buffer[64];
  const int length = GetClassNameW(window, buffer, 64);
  return length > 0 && lstrcmpiW(buffer, name) == 0;
}

HWND ChildOfClass(HWND parent, const wchar_t* name) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsClass(child, name)) return child;
  }
  return nullptr;
}

// Only windows of the dialog class are listed: the answerer looks every few milliseconds, and a
// listing of every window would keep Wine's server busy beside the test.
HWND FindVisibleDialog(DWORD processId) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// A dialog as read, with the handles of its visible push buttons beside their captions.
struct OpenBox {
  HWND dialog = nullptr;
  SeenBox seen;
  std::vector<HWND> buttons;
  int defaultIndex = -1;  // of the default push button
};

BOOL CALLBACK CollectChild(HWND child, LPARAM parameter) {
  auto* box = reinterpret_cast<OpenBox*>(parameter);
  // Message boxes create every button they might need and hide the unused ones.
  if (!IsWindowVisible(child)) return TRUE;
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  const LONG buttonType = style & BS_TYPEMASK;
  if (IsClass(child, L"Static") && (style & SS_TYPEMASK) == SS_ICON) {
    box->seen.icon = true;
  } else if (IsClass(child, L"Static")) {
    const Text text = GetText(child);
    if (text.empty()) return TRUE;
    if (!box->seen.text.empty()) box->seen.text += '\n';
    box->seen.text += text;
  } else if (IsClass(child, L"Button") &&
             (buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON)) {
    box->seen.buttons.push_back(GetText(child));
    box->buttons.push_back(child);
    if (buttonType == BS_DEFPUSHBUTTON) {
      box->seen.defaultButton = box->seen.buttons.back();
      box->defaultIndex = static_cast<int>(box->buttons.size()) - 1;
    }
  }
  return TRUE;
}

OpenBox ReadBox(HWND dialog) {
  OpenBox box;
  box.dialog = dialog;
  box.seen.caption = GetText(dialog);
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&box));
  return box;
}

// "&Yes", "はい(&Y)" and "はい" all name the same button.
Text PlainCaption(std::string_view caption) {
  const size_t n = caption.size();
  if (n >= 4 && caption[n - 4] == '(' && caption[n - 3] == '&' && caption[n - 1] == ')') {
    caption.remove_suffix(4);
  }
  Text result;
  for (char c : caption) {
    if (c != '&') result += c;  // 0x26 is never a trail byte
  }
  return result;
}

int FindButton(const OpenBox& box, const Button& wanted) {
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    const bool match = wanted.id != 0
                           ? GetDlgCtrlID(box.buttons[i]) == wanted.id
                           : PlainCaption(box.seen.buttons[i]) == PlainCaption(wanted.caption);
    if (match) return static_cast<int>(i);
  }
  return -1;
}

// The button that lets nothing go ahead: Cancel, else No, else the last one.
int HarmlessButton(const OpenBox& box) {
  for (int id : {IDCANCEL, IDNO}) {
    const int index = FindButton(box, ButtonId(id));
    if (index >= 0) return index;
  }
  return static_cast<int>(box.buttons.size()) - 1;
}

std::string Describe(const SeenBox& seen) {
  std::ostringstream out;
  out << "caption \"" << ForLog(seen.caption) << "\", text \"" << ForLog(seen.text)
      << "\", buttons [";
  for (size_t i = 0; i < seen.buttons.size(); ++i) {
    out << (i ? ", " : "") << "\"" << ForLog(seen.buttons[i]) << "\"";
  }
  out << "]";
  return out.str();
}

std::string Describe(const Button& button) {
  if (button.key != 0) return "key " + std::to_string(button.key);
  if (button.id != 0) return "button id " + std::to_string(button.id);
  return "button \"" + ForLog(button.caption) + "\"";
}

std::string WaitGone(HWND dialog) {
  if (PollUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) return {};
  return "it stayed open after it was answered";
}

// Presses (a null button: closes) and waits for the dialog to go; an empty result means it went.
std::string PressAndWaitGone(HWND dialog, HWND button) {
  if (button == nullptr) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  } else {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &result))
      return "pressing its button timed out";
  }
  return WaitGone(dialog);
}

// ---- Input boxes -------------------------------------------------------------------------------

std::wstring WideText(HWND window) {
  const auto length = static_cast<size_t>(SendWithin(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied);
  return text;
}

SeenInputBox ReadInputBox(HWND dialog, HWND edit) {
  SeenInputBox seen;
  const OpenBox box = ReadBox(dialog);
  seen.caption = box.seen.caption;
  seen.prompt = box.seen.text;
  seen.buttons = box.seen.buttons;
  seen.defaultId = LOWORD(SendWithin(dialog, DM_GETDEFID));
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
  return seen;
}

// ---- Folder choosers ---------------------------------------------------------------------------

// The tree belongs to the thread inside the chooser; the item buffer is in this process.
HTREEITEM TreeItem(HWND tree, WPARAM which) {
  return reinterpret_cast<HTREEITEM>(SendWithin(tree, TVM_GETNEXTITEM, which));
}

Text TreeItemText(HWND tree, HTREEITEM handle) {
  wchar_t buffer[MAX_PATH] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = handle;
  item.pszText = buffer;
  item.cchTextMax = MAX_PATH;
  SendWithin(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return Narrow(buffer);
}

// Sends what a chooser's own callback would send to preselect a folder; the dialog opens the tree
// down to it. Just after the dialog appears it may still be settling its first selection (the top
// item, once the dialog is active), so the folder counts once its item has stayed selected over a
// few readings, and is selected again whenever it was not.
bool SelectInChooser(HWND dialog, HWND tree, const Text& path) {
  const std::wstring wide = ToWide(path);
  const Text name = Narrow(wide.substr(wide.rfind(L'\\') + 1));
  int steady = 0;
  for (int attempt = 0; attempt < 200 && steady < 5; ++attempt) {
    if (TreeItemText(tree, TreeItem(tree, TVGN_CARET)) == name) {
      ++steady;
    } else {
      steady = 0;
      SendWithin(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    std::this_thread::sleep_for(kPoll);
  }
  return steady >= 5;
}

enum class DialogKind { kMessageBox, kInputBox, kChooser, kDriven };

const char* NameOf(DialogKind kind) {
  switch (kind) {
    case DialogKind::kMessageBox:
      return "message box";
    case DialogKind::kInputBox:
      return "input box";
    case DialogKind::kChooser:
      return "folder chooser";
    case DialogKind::kDriven:
      return "driven dialog";
  }
  return "";
}

}  // namespace

Button ButtonId(int id) { return Button{id, {}, 0}; }
Button ButtonCaption(Text caption) { return Button{0, std::move(caption), 0}; }
Button ButtonKey(UINT virtualKey) { return Button{0, {}, virtualKey}; }

struct Expected {
  DialogKind kind;
  Button press;
  std::function<void()> whileOpen;
  InputAnswer input;
  std::optional<Text> folder;
  std::function<void(HWND)> drive;
};

struct DialogAnswerer::State {
  DWORD processId = 0;
  Milliseconds timeout{};
  std::mutex mutex;
  std::condition_variable changed;
  bool stop = false;
  bool busy = false;  // a dialog is up and being answered
  std::deque<Expected> expected;
  size_t expectedSoFar = 0;
  Answered answered;
  std::vector<std::string> problems;

  void Problem(std::string text) {
    const std::lock_guard lock(mutex);
    problems.push_back(std::move(text));
  }

  std::optional<Expected> Next(DialogKind kind, const std::string& seen) {
    const std::lock_guard lock(mutex);
    if (expected.empty()) {
      problems.push_back(std::string("unexpected ") + NameOf(kind) + ": " + seen);
      return std::nullopt;
    }
    if (expected.front().kind != kind) {
      problems.push_back(std::string("a ") + NameOf(kind) + " came where a " +
                         NameOf(expected.front().kind) + " was expected: " + seen);
      return std::nullopt;
    }
    Expected next = std::move(expected.front());
    expected.pop_front();
    return next;
  }

  std::function<void(HWND)> NextDriver() {
    const std::lock_guard lock(mutex);
    if (expected.empty() || expected.front().kind != DialogKind::kDriven) return nullptr;
    std::function<void(HWND)> drive = std::move(expected.front().drive);
    expected.pop_front();
    return drive;
  }

  void Answer(HWND dialog) {
    if (const std::function<void(HWND)> drive = NextDriver()) {
      drive(dialog);
      if (const std::string closing = WaitGone(dialog); !closing.empty()) {
        Problem("driven dialog: " + closing);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    } else if (HWND tree = ChildOfClass(dialog, WC_TREEVIEWW)) {
      AnswerChooser(dialog, tree);
    } else if (HWND edit = ChildOfClass(dialog, L"Edit")) {
      AnswerInput(dialog, edit);
    } else {
      AnswerBox(dialog);
    }
  }

  void AnswerBox(HWND dialog) {
    const int beepsNow = BeepSpy::Count();
    OpenBox box = ReadBox(dialog);
    box.seen.beepsBefore = beepsNow;
    const std::optional<Expected> next = Next(DialogKind::kMessageBox, Describe(box.seen));
    if (next && next->whileOpen) next->whileOpen();
    const bool byKey = next && next->press.key != 0;
    // A key goes where the keyboard sends it: to the default button, which has the focus.
    int index = byKey ? box.defaultIndex : next ? FindButton(box, next->press) : -1;
    if (next && !byKey && index < 0) {
      Problem("the box has no " + Describe(next->press) + ": " + Describe(box.seen));
    }
    if (!byKey && index < 0) index = HarmlessButton(box);
    HWND button = index >= 0 ? box.buttons[static_cast<size_t>(index)] : nullptr;
    if (!byKey && button) box.seen.pressed = box.seen.buttons[static_cast<size_t>(index)];
    {
      // Recorded before the press: the action that showed the box goes on as soon as it is gone.
      const std::lock_guard lock(mutex);
      answered.boxes.push_back(box.seen);
    }
    if (byKey) PostKeyPress(button ? button : dialog, next->press.key);
    const std::string closing = byKey ? WaitGone(dialog) : PressAndWaitGone(dialog, button);
    if (!closing.empty()) Problem("message box " + Describe(box.seen) + ": " + closing);
  }

  void AnswerInput(HWND dialog, HWND edit) {
    SeenInputBox seen = ReadInputBox(dialog, edit);
    const std::optional<Expected> next =
        Next(DialogKind::kInputBox, "\"" + ForLog(seen.caption) + "\"");
    if (!next) {
      PressAndWaitGone(dialog, GetDlgItem(dialog, IDCANCEL));
      return;
    }
    const InputAnswer& answer = next->input;
    for (wchar_t unit : answer.typed) PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(unit), 1);
    const std::wstring expected = answer.typed.substr(0, seen.editLimit);
    if (!PollUntil([&] { return WideText(edit) == expected; })) {
      Problem("the edit shows \"" + ForLog(Narrow(WideText(edit))) + "\" after typing \"" +
              ForLog(Narrow(answer.typed)) + "\"");
    }
    seen.edited = WideText(edit);
    {
      const std::lock_guard lock(mutex);
      answered.inputs.push_back(seen);
    }
    std::string closing;
    switch (answer.end) {
      case InputEnd::kOkButton:
      case InputEnd::kCancelButton: {
        const int id = answer.end == InputEnd::kOkButton ? IDOK : IDCANCEL;
        HWND button = GetDlgItem(dialog, id);
        if (button == nullptr) Problem("the input box has no button with id " + std::to_string(id));
        closing = PressAndWaitGone(dialog, button ? button : GetDlgItem(dialog, IDCANCEL));
        break;
      }
      case InputEnd::kEnterKey:
      case InputEnd::kEscapeKey:
        PostKeyPress(edit, answer.end == InputEnd::kEnterKey ? VK_RETURN : VK_ESCAPE);
        closing = WaitGone(dialog);
        break;
    }
    if (!closing.empty()) {
      Problem("the input box: " + closing);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }

  void AnswerChooser(HWND dialog, HWND tree) {
    SeenChooser seen;
    seen.texts = ReadBox(dialog).seen.text;
    seen.owner = GetWindow(dialog, GW_OWNER);
    const HTREEITEM root = TreeItem(tree, TVGN_ROOT);
    const HTREEITEM selected = TreeItem(tree, TVGN_CARET);
    seen.rootItem = TreeItemText(tree, root);
    seen.startsAtTheRoot = selected == nullptr || selected == root;
    const std::optional<Expected> next =
        Next(DialogKind::kChooser, "\"" + ForLog(seen.texts) + "\"");
    HWND button = GetDlgItem(dialog, IDCANCEL);
    if (next && next->folder) {
      seen.selectionTaken = SelectInChooser(dialog, tree, *next->folder);
      button = GetDlgItem(dialog, IDOK);
    }
    {
      const std::lock_guard lock(mutex);
      answered.choosers.push_back(seen);
    }
    const std::string closing = PressAndWaitGone(dialog, button);
    if (!closing.empty()) Problem("folder chooser: " + closing);
  }

  void Watch() {
    for (;;) {
      const HWND dialog = FindVisibleDialog(processId);
      {
        std::unique_lock lock(mutex);
        if (stop) return;
        busy = dialog != nullptr;
        if (!busy) {
          changed.notify_all();
          changed.wait_for(lock, kPoll);
          continue;
        }
      }
      Answer(dialog);
    }
  }
};

DialogAnswerer::DialogAnswerer(DWORD processId, Milliseconds timeout)
    : state_(std::make_shared<State>()) {
  state_->processId = processId != 0 ? processId : GetCurrentProcessId();
  state_->timeout = timeout;
  thread_ = std::thread([state = state_] { state->Watch(); });
}

DialogAnswerer::~DialogAnswerer() {
  Take();
  {
    const std::lock_guard lock(state_->mutex);
    state_->stop = true;
  }
  state_->changed.notify_all();
  thread_.join();
  for (const std::string& problem : state_->problems) ADD_FAILURE() << problem;
}

void DialogAnswerer::ExpectBox(Button press, std::function<void()> whileOpen) {
  const std::lock_guard lock(state_->mutex);
  state_->expected.push_back(
      {DialogKind::kMessageBox, std::move(press), std::move(whileOpen), {}, {}, nullptr});
  ++state_->expectedSoFar;
}

void DialogAnswerer::ExpectInput(InputAnswer answer) {
  const std::lock_guard lock(state_->mutex);
  state_->expected.push_back({DialogKind::kInputBox, {}, nullptr, std::move(answer), {}, nullptr});
  ++state_->expectedSoFar;
}

void DialogAnswerer::ExpectChooser(std::optional<Text> folder) {
  const std::lock_guard lock(state_->mutex);
  state_->expected.push_back({DialogKind::kChooser, {}, nullptr, {}, std::move(folder), nullptr});
  ++state_->expectedSoFar;
}

void DialogAnswerer::ExpectDriven(std::function<void(HWND dialog)> drive) {
  const std::lock_guard lock(state_->mutex);
  state_->expected.push_back({DialogKind::kDriven, {}, nullptr, {}, {}, std::move(drive)});
  ++state_->expectedSoFar;
}

Answered DialogAnswerer::Take() {
  std::unique_lock lock(state_->mutex);
  const bool ours = state_->processId == GetCurrentProcessId();
  state_->changed.wait_for(lock, state_->timeout,
                           [&] { return !state_->busy && (ours || state_->expected.empty()); });
  const size_t missing = state_->expected.size();
  for (size_t i = 0; i < missing; ++i) {
    const Expected& never = state_->expected[i];
    state_->problems.push_back(std::string("no ") + NameOf(never.kind) + " came for dialog " +
                               std::to_string(state_->expectedSoFar - missing + i + 1) + " of " +
                               std::to_string(state_->expectedSoFar) +
                               (never.kind == DialogKind::kMessageBox
                                    ? ", which was to get " + Describe(never.press)
                                    : std::string()));
  }
  state_->expected.clear();
  std::vector<std::string> problems = std::move(state_->problems);
  state_->problems.clear();
  Answered answered = std::move(state_->answered);
  state_->answered = {};
  lock.unlock();
  for (const std::string& problem : problems) ADD_FAILURE() << problem;
  return answered;
}

}  // namespace tokiwake::test

#include "harness/DialogDriver.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "harness/DialogReading.h"
#include "text/Cp932.h"

namespace tokiwake::test {

namespace {

// ---- Beeps -------------------------------------------------------------------------------------

using BeepFunction = BOOL(WINAPI*)(UINT);

std::atomic<int> beeps{0};
BeepFunction realBeep = nullptr;

BOOL WINAPI CountingBeep(UINT type) {
  ++beeps;
  return realBeep(type);
}

// The slot through which this program's code calls `function` of `dll`.
void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* named =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(named->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

// ---- Dialogs -----------------------------------------------------------------------------------

using Clock = std::chrono::steady_clock;
constexpr Milliseconds kPoll{10};
constexpr Milliseconds kGoneTimeout{10'000};
constexpr UINT kSendTimeoutMs = 10'000;

HWND ChildOfClass(HWND parent, const wchar_t* name) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsClass(child, name)) return child;
  }
  return nullptr;
}

// Presses the button and waits for the dialog to go; an empty result means it went.
std::string PressAndWaitGone(HWND dialog, HWND button) {
  DWORD_PTR result = 0;
  if (button == nullptr) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  } else if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &result)) {
    return "pressing a button of a dialog timed out";
  }
  const auto deadline = Clock::now() + kGoneTimeout;
  while (IsWindow(dialog) && IsWindowVisible(dialog)) {
    if (Clock::now() > deadline) return "a dialog stayed open after its button was pressed";
    std::this_thread::sleep_for(kPoll);
  }
  return {};
}

// The tree belongs to the thread inside the chooser; the item buffer is in this process.
HTREEITEM TreeItem(HWND tree, WPARAM which) {
  DWORD_PTR item = 0;
  SendMessageTimeoutW(tree, TVM_GETNEXTITEM, which, 0, SMTO_NORMAL, kSendTimeoutMs, &item);
  return reinterpret_cast<HTREEITEM>(item);
}

Text TreeItemText(HWND tree, HTREEITEM handle) {
  wchar_t buffer[MAX_PATH] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = handle;
  item.pszText = buffer;
  item.cchTextMax = MAX_PATH;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item), SMTO_NORMAL,
                      kSendTimeoutMs, &result);
  return Narrow(buffer);
}

}  // namespace

BeepSpy::BeepSpy() {
  void** slot = ImportSlot("user32.dll", "MessageBeep");
  if (slot == nullptr) {
    ADD_FAILURE() << "MessageBeep is not imported by this program";
    return;
  }
  if (*slot != reinterpret_cast<void*>(&CountingBeep)) {
    realBeep = reinterpret_cast<BeepFunction>(*slot);
  }
  beeps = 0;
  WriteSlot(slot, reinterpret_cast<void*>(&CountingBeep));
}

BeepSpy::~BeepSpy() {
  if (void** slot = ImportSlot("user32.dll", "MessageBeep"); slot && realBeep) {
    WriteSlot(slot, reinterpret_cast<void*>(realBeep));
  }
}

int BeepSpy::Count() { return beeps; }

struct DialogDriver::State {
  std::atomic<bool> stop{false};
  mutable std::mutex mutex;
  std::deque<std::optional<Text>> plans;  // nullopt: cancel
  std::vector<SeenBox> boxes;
  std::vector<int> beepsBeforeBox;
  std::vector<SeenChooser> choosers;
  std::vector<std::string> problems;

  void Problem(std::string text) {
    const std::lock_guard lock(mutex);
    problems.push_back(std::move(text));
  }

  // Sends what a chooser's own callback would send to preselect a folder; the dialog opens the
  // tree down to it. Just after the dialog appears it may still be settling its first selection,
  // so the selection counts once the folder's item has stayed selected for a moment.
  static bool Select(HWND dialog, HWND tree, const Text& path) {
    const std::wstring wide = ToWide(path);
    const Text name = Narrow(wide.substr(wide.rfind(L'\\') + 1));
    int steady = 0;
    for (int attempt = 0; attempt < 100 && steady < 5; ++attempt) {
      if (TreeItemText(tree, TreeItem(tree, TVGN_CARET)) == name) {
        ++steady;
      } else {
        steady = 0;
        SendMessageTimeoutW(dialog, BFFM_SETSELECTIONW, TRUE,
                            reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL, kSendTimeoutMs,
                            nullptr);
      }
      std::this_thread::sleep_for(kPoll);
    }
    return steady >= 5;
  }

  void DriveChooser(HWND dialog, HWND tree) {
    std::optional<Text> plan;
    {
      const std::lock_guard lock(mutex);
      if (plans.empty()) {
        problems.push_back("a folder chooser opened that the test did not expect");
      } else {
        plan = plans.front();
        plans.pop_front();
      }
    }
    SeenChooser seen;
    seen.texts = ReadBox(dialog).seen.text;
    seen.owner = GetWindow(dialog, GW_OWNER);
    const HTREEITEM root = TreeItem(tree, TVGN_ROOT);
    const HTREEITEM selected = TreeItem(tree, TVGN_CARET);
    seen.rootItem = TreeItemText(tree, root);
    seen.startsAtTheRoot = selected == nullptr || selected == root;
    HWND button = GetDlgItem(dialog, IDCANCEL);
    if (plan) {
      seen.selectionTaken = Select(dialog, tree, *plan);
      button = GetDlgItem(dialog, IDOK);
    }
    // Recorded before the press: the test reads the record as soon as the dialog has ended.
    {
      const std::lock_guard lock(mutex);
      choosers.push_back(seen);
    }
    const std::string closing = PressAndWaitGone(dialog, button);
    if (!closing.empty()) Problem("folder chooser: " + closing);
  }

  void AnswerBox(HWND dialog) {
    const int beepsNow = BeepSpy::Count();
    OpenBox read = ReadBox(dialog);
    HWND button = GetDlgItem(dialog, IDOK);
    if (button == nullptr || !IsWindowVisible(button)) {
      button = read.buttons.empty() ? nullptr : read.buttons.front();
    }
    {
      const std::lock_guard lock(mutex);
      boxes.push_back(read.seen);
      beepsBeforeBox.push_back(beepsNow);
    }
    const std::string closing = PressAndWaitGone(dialog, button);
    if (!closing.empty()) Problem("message box \"" + ForLog(read.seen.text) + "\": " + closing);
  }
};

DialogDriver::DialogDriver() : state_(std::make_shared<State>()) {
  thread_ = std::thread([state = state_] {
    while (!state->stop) {
      if (HWND dialog = FindVisibleDialog(GetCurrentProcessId())) {
        if (HWND tree = ChildOfClass(dialog, WC_TREEVIEWW)) {
          state->DriveChooser(dialog, tree);
        } else {
          state->AnswerBox(dialog);
        }
      }
      std::this_thread::sleep_for(kPoll);
    }
  });
}

DialogDriver::~DialogDriver() {
  state_->stop = true;
  thread_.join();
  for (const std::string& problem : state_->problems) ADD_FAILURE() << problem;
  if (!state_->plans.empty()) ADD_FAILURE() << "a folder chooser the test expected never opened";
}

void DialogDriver::CancelChooser() {
  const std::lock_guard lock(state_->mutex);
  state_->plans.emplace_back(std::nullopt);
}

void DialogDriver::ChooseInChooser(const Text& path) {
  const std::lock_guard lock(state_->mutex);
  state_->plans.emplace_back(path);
}

std::vector<SeenBox> DialogDriver::Boxes() const {
  const std::lock_guard lock(state_->mutex);
  return state_->boxes;
}

std::vector<int> DialogDriver::BeepsBeforeEachBox() const {
  const std::lock_guard lock(state_->mutex);
  return state_->beepsBeforeBox;
}

std::vector<SeenChooser> DialogDriver::Choosers() const {
  const std::lock_guard lock(state_->mutex);
  return state_->choosers;
}

}  // namespace tokiwake::test

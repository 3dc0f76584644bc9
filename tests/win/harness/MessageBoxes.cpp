#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <sstream>

#include "harness/DialogReading.h"
#include "harness/Harness.h"

namespace tokiwake::test {

namespace {

using Clock = std::chrono::steady_clock;
constexpr Milliseconds kPoll{10};
constexpr Milliseconds kGoneTimeout{10'000};

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
  if (button.id != 0) return "button id " + std::to_string(button.id);
  return "button \"" + ForLog(button.caption) + "\"";
}

// Presses with BM_CLICK and waits for the box to go; an empty result means it went.
std::string PressAndWaitGone(OpenBox& box, int index) {
  if (index < 0) {
    // A box without buttons: only closing it is left.
    PostMessageW(box.dialog, WM_CLOSE, 0, 0);
  } else {
    box.seen.pressed = box.seen.buttons[static_cast<size_t>(index)];
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(box.buttons[static_cast<size_t>(index)], BM_CLICK, 0, 0, SMTO_NORMAL,
                             static_cast<UINT>(kGoneTimeout.count()), &result)) {
      return "pressing its button timed out: " + Describe(box.seen);
    }
  }
  const auto deadline = Clock::now() + kGoneTimeout;
  while (IsWindow(box.dialog) && IsWindowVisible(box.dialog)) {
    if (Clock::now() > deadline)
      return "the box stayed open after its button: " + Describe(box.seen);
    std::this_thread::sleep_for(kPoll);
  }
  return {};
}

DWORD ResolveProcess(DWORD processId) { return processId != 0 ? processId : GetCurrentProcessId(); }

}  // namespace

Button ButtonId(int id) { return Button{id, {}}; }
Button ButtonCaption(Text caption) { return Button{0, std::move(caption)}; }

struct MessageBoxAnswerer::State {
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::vector<SeenBox> seen;
  std::vector<std::string> problems;
  size_t expected = 0;
};

MessageBoxAnswerer::MessageBoxAnswerer(Button press, WatchOptions options)
    : MessageBoxAnswerer(std::vector<Button>{std::move(press)}, options) {}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<Button> pressInTurn, WatchOptions options)
    : state_(std::make_shared<State>()) {
  state_->expected = pressInTurn.size();
  const DWORD processId = ResolveProcess(options.processId);
  thread_ = std::thread(
      [state = state_, pressInTurn = std::move(pressInTurn), processId, timeout = options.timeout] {
        for (size_t turn = 0; turn < pressInTurn.size(); ++turn) {
          const auto deadline = Clock::now() + timeout;
          HWND dialog = nullptr;
          while (!(dialog = FindVisibleDialog(processId))) {
            if (state->stop) return;
            if (Clock::now() > deadline) {
              const std::lock_guard lock(state->mutex);
              state->problems.push_back(
                  "no message box came within " + std::to_string(timeout.count()) + " ms for box " +
                  std::to_string(turn + 1) + " of " + std::to_string(pressInTurn.size()) +
                  ", which was to get " + Describe(pressInTurn[turn]));
              return;
            }
            std::this_thread::sleep_for(kPoll);
          }
          OpenBox box = ReadBox(dialog);
          int index = FindButton(box, pressInTurn[turn]);
          std::string problem;
          if (index < 0) {
            problem = "the box has no " + Describe(pressInTurn[turn]) + ": " + Describe(box.seen);
            index = HarmlessButton(box);
          }
          const std::string closing = PressAndWaitGone(box, index);
          const std::lock_guard lock(state->mutex);
          state->seen.push_back(box.seen);
          if (!problem.empty()) state->problems.push_back(problem);
          if (!closing.empty()) state->problems.push_back(closing);
          if (!problem.empty() || !closing.empty()) return;
        }
      });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  if (waited_) return;
  state_->stop = true;
  thread_.join();
  for (const std::string& problem : state_->problems) ADD_FAILURE() << problem;
  if (state_->problems.empty() && state_->seen.size() < state_->expected &&
      !testing::Test::HasFailure()) {
    ADD_FAILURE() << "the answerer ended after " << state_->seen.size() << " of "
                  << state_->expected << " message boxes; nothing waited for the rest";
  }
}

std::vector<SeenBox> MessageBoxAnswerer::WaitAll() {
  if (!waited_) {
    thread_.join();
    waited_ = true;
    for (const std::string& problem : state_->problems) ADD_FAILURE() << problem;
  }
  return state_->seen;
}

SeenBox MessageBoxAnswerer::Wait() {
  std::vector<SeenBox> all = WaitAll();
  return all.empty() ? SeenBox{} : all.front();
}

struct NoMessageBox::State {
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::vector<std::string> seen;
};

NoMessageBox::NoMessageBox(DWORD processId) : state_(std::make_shared<State>()) {
  thread_ = std::thread([state = state_, processId = ResolveProcess(processId)] {
    while (!state->stop) {
      if (HWND dialog = FindVisibleDialog(processId)) {
        OpenBox box = ReadBox(dialog);
        const std::string closing = PressAndWaitGone(box, HarmlessButton(box));
        const std::lock_guard lock(state->mutex);
        state->seen.push_back(Describe(box.seen) + (closing.empty() ? "" : "; " + closing));
        if (!closing.empty()) return;
      }
      std::this_thread::sleep_for(kPoll);
    }
  });
}

NoMessageBox::~NoMessageBox() {
  state_->stop = true;
  thread_.join();
  for (const std::string& seen : state_->seen) ADD_FAILURE() << "unexpected message box: " << seen;
}

}  // namespace tokiwake::test

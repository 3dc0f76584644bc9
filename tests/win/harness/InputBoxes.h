// Answers a one-line input box of this process as a user would: finds it, reads it, types into
// its edit and ends it; then answers, or forbids, the message box that may follow it.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "harness/Harness.h"

namespace tokiwake::test {

enum class InputEnd { OkButton, CancelButton, EnterKey, EscapeKey };

struct InputAnswer {
  std::wstring typed;  // UTF-16, so that characters code page 932 lacks can be typed as well
  InputEnd end = InputEnd::OkButton;
  // The message box that must follow the input box, and the button to press in it; without one,
  // any box that follows is closed and reported as a failure.
  std::optional<Button> then;
};

// An input box as read when it came, and its edit as it stood when it was ended.
struct SeenInputBox {
  Text caption;
  Text prompt;                // its visible static texts, joined by LF
  std::vector<Text> buttons;  // its visible push buttons in dialog order
  int defaultId = 0;          // the id of the default push button
  bool editHadFocus = false;
  UINT editLimit = 0;  // in UTF-16 units
  Text fontFace;
  int fontPoints = 0;
  RECT rect{};          // of the box, on the screen
  RECT ownerRect{};     // of its owner; all zero when it has none
  std::wstring edited;  // the edit's text when the box was ended
};

struct InputOutcome {
  SeenInputBox input;
  std::optional<SeenBox> then;  // the message box that followed, when one was expected
};

// Start it before the action that opens the input box (a dialog of class #32770 that holds an
// edit). Call Wait() once the action has returned and before the next one: until then a box
// that is not expected is closed by it.
class InputBoxAnswerer {
 public:
  explicit InputBoxAnswerer(InputAnswer answer, Milliseconds timeout = Milliseconds(10'000));
  ~InputBoxAnswerer();
  InputBoxAnswerer(const InputBoxAnswerer&) = delete;
  InputBoxAnswerer& operator=(const InputBoxAnswerer&) = delete;

  // Adds a test failure for a box that did not come, a button that is not there, a typed text
  // that did not arrive, and for a following box that came unbidden or did not come.
  InputOutcome Wait();

 private:
  struct State;
  std::shared_ptr<State> state_;
  std::thread thread_;
  bool waited_ = false;
};

}  // namespace tokiwake::test

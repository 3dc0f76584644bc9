// The dialogs a process shows, answered from one thread of the test program as a user would: the
// test lists the dialogs it expects, in order, and how to answer each (a message box's button, an
// input box's typing, a folder chooser's folder). A dialog nobody expected is closed with the
// button that lets nothing go ahead, and fails the test.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "harness/Harness.h"

namespace tokiwake::test {

// A button chosen by control id (IDOK, IDYES...: the same in every language), by caption compared
// without its access key ("はい" chooses "はい(&Y)", "Yes" chooses "&Yes"), or a key posted to the
// box's default button as the keyboard would send it (VK_ESCAPE).
struct Button {
  int id = 0;
  Text caption;
  UINT key = 0;
};
Button ButtonId(int id);
Button ButtonCaption(Text caption);
Button ButtonKey(UINT virtualKey);

// What a message box showed, as code page 932 bytes.
struct SeenBox {
  Text caption;
  Text text;                  // its visible static texts, joined by LF when there are several
  std::vector<Text> buttons;  // its visible push buttons in dialog order, "&" and all
  Text pressed;               // the caption of the button that was pressed
  Text defaultButton;         // the caption of its default push button
  bool icon = false;          // it shows an icon
  int beepsBefore = 0;        // what a BeepSpy had counted when the box came
};

enum class InputEnd { kOkButton, kCancelButton, kEnterKey, kEscapeKey };

struct InputAnswer {
  std::wstring typed;  // UTF-16, so that characters code page 932 lacks can be typed as well
  InputEnd end = InputEnd::kOkButton;
};

// A one-line input box as read when it came, and its edit as it stood when it was ended.
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

// A folder chooser (a dialog holding a tree view) as found.
struct SeenChooser {
  Text texts;  // its visible static texts, joined by LF
  HWND owner = nullptr;
  Text rootItem;                 // the text of the tree's top item
  bool startsAtTheRoot = false;  // nothing below the top item was selected when it opened
  bool selectionTaken = false;   // the dialog took the folder to select (when choosing)
};

// What was answered since the last Take, each kind in the order it came.
struct Answered {
  std::vector<SeenBox> boxes;
  std::vector<SeenInputBox> inputs;
  std::vector<SeenChooser> choosers;
};

class DialogAnswerer {
 public:
  // Watches the process's dialogs (0: this process's) from now until its end. `timeout` only
  // guards against a dialog of another process that never comes.
  explicit DialogAnswerer(DWORD processId = 0, Milliseconds timeout = Milliseconds(20'000));
  // Adds the failures not yet reported: dialogs that came unbidden and expected ones that did not.
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // The next dialog expected is a message box; `whileOpen` runs while it is up, before the press.
  void ExpectBox(Button press, std::function<void()> whileOpen = nullptr);
  void ExpectInput(InputAnswer answer);
  // A folder chooser: the folder is selected and taken; without one, the chooser is cancelled.
  void ExpectChooser(std::optional<Text> folder);
  // A dialog of another kind: `drive` reads and ends it from the answerer's thread.
  void ExpectDriven(std::function<void(HWND dialog)> drive);

  // Returns what was answered since the last call, once every dialog expected so far is answered.
  // A dialog of this process has been by the time the action that showed it returns; one of another
  // process is waited for. Adds the failures seen so far.
  Answered Take();

 private:
  struct State;
  std::shared_ptr<State> state_;
  std::thread thread_;
};

}  // namespace tokiwake::test

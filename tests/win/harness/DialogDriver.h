// Dialogs that a handler opens while the test thread is inside it: the shell's folder chooser,
// driven as a user would, and message boxes, answered and recorded; and the system beep, counted.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "harness/Harness.h"
#include "text/SjisText.h"

namespace tokiwake::test {

// Counts MessageBeep calls made from this program's own code for as long as it lives, by taking
// the call's slot in the program's import table. The beep still sounds.
class BeepSpy {
 public:
  BeepSpy();
  ~BeepSpy();
  BeepSpy(const BeepSpy&) = delete;
  BeepSpy& operator=(const BeepSpy&) = delete;

  // Beeps since the spy was made.
  static int Count();
};

// What the chooser showed when it was found.
struct SeenChooser {
  Text texts;  // its visible static texts, joined by LF
  HWND owner = nullptr;
  Text rootItem;                 // the text of the tree's top item
  bool startsAtTheRoot = false;  // nothing below the top item was selected when it opened
  bool selectionTaken = false;   // the dialog took the folder to select (when choosing)
};

// On a thread of its own, for as long as it lives: a folder chooser (a dialog holding a tree view)
// is answered with the next plan given; any other dialog is read, answered with OK (else its
// first button) and recorded.
class DialogDriver {
 public:
  DialogDriver();
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  void CancelChooser();                    // the next chooser: press Cancel
  void ChooseInChooser(const Text& path);  // the next chooser: select this folder, press OK

  std::vector<SeenBox> Boxes() const;
  // The beeps a BeepSpy had counted when each box was found: a beep that belongs to a message
  // comes before its box.
  std::vector<int> BeepsBeforeEachBox() const;
  std::vector<SeenChooser> Choosers() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
  std::thread thread_;
};

}  // namespace tokiwake::test

// The window as the run sees it, with everything it is told recorded for the tests to read. It
// owns the inputs and the shared state as the real window does.
#pragma once

#include <functional>
#include <vector>

#include "rename/RenameRun.h"
#include "text/Paths.h"

namespace tokiwake::test {

class FakeWindow : public RunProgress, public RunPrompts {
 public:
  FakeWindow() {
    state.AbortRequested = true;  // a run must clear it
    state.FileCounter = 7;        // and this
    state.RenameFormat = "yyyy-mm-dd hh.mn.ss";
    state.ExeFolder = "C:\\tokiwake\\";
    state.WinFolder = "C:\\WINDOWS\\";
    state.ProgramName = "tokiwake.exe";
    inputs.targetList = {{"*.jpg", true}, {"*.jpeg", true}, {"*.gif", true}, {"*.bmp", true}};
  }

  // What the tests set.
  RunInputs inputs;
  RunState state;
  bool answerYes = true;
  Text chooserPick;              // "" cancels the chooser
  std::function<void()> onPump;  // what the user does while the walk handles messages

  // What the run and the walk leave.
  Text statusText;
  std::vector<StatusColour> colours;  // blue and black; red is counted apart
  int redNotices = 0;
  std::vector<Text> messages;
  int beeps = 0;
  int chooserCalls = 0;
  int questions = 0;
  std::vector<Text> questionTexts;
  int pumps = 0;
  std::vector<Text> launched;

  void SetStatusText(const Text& text) override { statusText = text; }
  void SetStatusColour(StatusColour colour) override {
    if (colour == StatusColour::kRed) {
      ++redNotices;
    } else {
      colours.push_back(colour);
    }
  }
  void PaintStatusNow() override {}
  void PaintStatusIfDue() override {}
  void HandlePendingMessages() override {
    ++pumps;
    if (onPump) onPump();
  }

  void ShowMessage(const Text& text) override { messages.push_back(text); }
  bool AskYesNo(const Text& question) override {
    ++questions;
    questionTexts.push_back(question);
    return answerYes;
  }
  void Beep() override { ++beeps; }
  bool ChooseFolder1() override {
    ++chooserCalls;
    if (!chooserPick.empty()) state.CurFolder = inputs.folderFields[0] = chooserPick;
    return !chooserPick.empty();
  }
  void OpenDocument(const Text& program, const Text& document) override {
    launched.push_back(program + DocumentArguments(document));
  }
};

}  // namespace tokiwake::test

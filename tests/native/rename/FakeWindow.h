// The window as the run sees it, with everything it is told recorded for the tests to read. It
// owns the shared state as the real window does.
#pragma once

#include <functional>
#include <vector>

#include "rename/RenameRun.h"

namespace tokiwake::testing {

class FakeWindow : public RunHost {
 public:
  FakeWindow() {
    state.AbortRequested = true;  // a run must clear it
    state.FileCounter = 7;        // and this
    state.RenameFormat = "yyyy-mm-dd hh.mn.ss";
    state.ExeFolder = "C:\\tokiwake\\";
    state.WinFolder = "C:\\WINDOWS\\";
    state.ProgramName = "tokiwake.exe";
    state.PickedFolder = "stale";
  }

  RunState state;

  // What the tests set.
  Text folderFields[2];
  bool allFiles = false;
  std::vector<TargetListItem> items = {
      {"*.jpg", true}, {"*.jpeg", true}, {"*.gif", true}, {"*.bmp", true}};
  bool includeOldName = false;
  bool answerYes = true;
  Text chooserPick;              // "" cancels the chooser
  std::function<void()> onPump;  // what the user does while the walk pumps

  // What the run and the walk leave.
  Text statusText;
  std::vector<StatusColour> colours;
  std::vector<Text> messages;
  int beeps = 0;
  int chooserCalls = 0;
  int questions = 0;
  std::vector<Text> questionTexts;
  int pumps = 0;
  int redNotices = 0;
  int closes = 0;
  std::vector<Text> launched;

  bool IncludeOldName() const override { return includeOldName; }
  void OnTokenReplacing() override { ++redNotices; }

  void SetStatusText(const Text& text) override { statusText = text; }
  void SetStatusColour(StatusColour colour) override { colours.push_back(colour); }
  void RepaintStatus() override {}
  void RepaintStatusIfDue() override {}
  void PumpMessages() override {
    ++pumps;
    if (onPump) onPump();
  }
  void ShowMessage(const Text& text) override { messages.push_back(text); }
  Text FolderFieldText(int32_t index) const override { return folderFields[index]; }
  bool AllFilesChecked() const override { return allFiles; }
  const std::vector<TargetListItem>& TargetListItems() const override { return items; }

  void SoundBeep() override { ++beeps; }
  void cmd_Directory0Click() override {
    ++chooserCalls;
    state.PickedFolder = chooserPick;
    if (!chooserPick.empty()) state.CurFolder = folderFields[0] = chooserPick;
  }
  bool ConfirmYesNo(const Text& question) override {
    ++questions;
    questionTexts.push_back(question);
    return answerYes;
  }
  LocalTime LocalNow() override { return {2026, 12, 8, 9, 5, 3}; }
  void LaunchProgram(const Text& program, const Text& commandLine) override {
    launched.push_back(program + commandLine);
  }
  void CloseAfterRun() override { ++closes; }
};

}  // namespace tokiwake::testing

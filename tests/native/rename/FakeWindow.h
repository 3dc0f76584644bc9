// The window as the run sees it, with everything it is told recorded for the tests to read.
#pragma once

#include <functional>
#include <vector>

#include "rename/RenameRun.h"

namespace tokiwake::testing {

class FakeWindow : public RunHost {
 public:
  // State the tests set.
  Text folderFields[2];
  bool allFiles = false;
  std::vector<TargetListItem> items = {
      {"*.jpg", true}, {"*.jpeg", true}, {"*.gif", true}, {"*.bmp", true}};
  Text renameFormat = "yyyy-mm-dd hh.mn.ss";
  bool includeOldName = false;
  bool answerYes = true;
  Text chooserPick;  // "" cancels the chooser
  Text exeFolder = "C:\\tokiwake\\";
  Text winFolder = "C:\\WINDOWS\\";
  std::function<void()> onPump;  // what the user does while the walk pumps

  // State the run and the walk leave.
  bool abortRequested = true;  // a run must clear it
  int32_t fileCounter = 7;     // and this
  int32_t inSecondFolder = 0;
  Text folderListText;
  Text curFolder;
  Text statusText;
  std::vector<StatusColour> colours;
  std::vector<Text> messages;
  int beeps = 0;
  int chooserCalls = 0;
  int questions = 0;
  int pumps = 0;
  int redNotices = 0;
  int closes = 0;
  std::vector<Text> launched;

  const Text& RenameFormatText() const override { return renameFormat; }
  bool IncludeOldName() const override { return includeOldName; }
  int32_t FileCounterValue() const override { return fileCounter; }
  void SetFileCounter(int32_t value) override { fileCounter = value; }
  void OnTokenReplacing() override { ++redNotices; }

  void SetStatusText(const Text& text) override { statusText = text; }
  void SetStatusColour(StatusColour colour) override { colours.push_back(colour); }
  void RepaintStatus() override {}
  void PumpMessages() override {
    ++pumps;
    if (onPump) onPump();
  }
  void ShowMessage(const Text& text) override { messages.push_back(text); }
  Text FolderFieldText(int32_t index) const override { return folderFields[index]; }
  bool AllFilesChecked() const override { return allFiles; }
  std::vector<TargetListItem> TargetListItems() const override { return items; }
  bool AbortRequestedValue() const override { return abortRequested; }
  int32_t InSecondFolderValue() const override { return inSecondFolder; }
  void AppendFolderListText(std::string_view line) override { folderListText += line; }

  void SoundBeep() override { ++beeps; }
  void cmd_Directory0Click() override {
    ++chooserCalls;
    pickedFolder = chooserPick;
    if (!chooserPick.empty()) curFolder = folderFields[0] = chooserPick;
  }
  Text PickedFolderValue() const override { return pickedFolder; }
  bool ConfirmYesNo(const Text&) override {
    ++questions;
    return answerYes;
  }
  void SetRenameFormat(const Text& format) override { renameFormat = format; }
  void SetCurFolder(const Text& folder) override { curFolder = folder; }
  void SetAbortRequested(bool value) override { abortRequested = value; }
  void SetInSecondFolder(int32_t value) override { inSecondFolder = value; }
  const Text& FolderListTextValue() const override { return folderListText; }
  void SetFolderListText(const Text& text) override { folderListText = text; }
  Text ExeFolderValue() const override { return exeFolder; }
  Text WinFolderValue() const override { return winFolder; }
  void LaunchProgram(const Text& program, const Text& commandLine) override {
    launched.push_back(program + commandLine);
  }
  void CloseAfterRun() override { ++closes; }

 private:
  Text pickedFolder = "stale";
};

}  // namespace tokiwake::testing

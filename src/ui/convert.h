// The main window: its controls, the state the other parts of the program share, and the
// handlers that bind the logic to the controls.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Process.h"
#include "rename/FileSystem.h"
#include "rename/RenameRun.h"
#include "rename/RunState.h"
#include "settings/Options.h"
#include "text/SjisText.h"
#include "ui/ControlIds.h"
#include "ui/RunBinding.h"
#include "win32/Controls.h"
#include "win32/FocusKeeper.h"
#include "win32/Window.h"

namespace tokiwake {

class DropDisk;
class TfrmPreview;
class VersionDialog;

// What the window learns from the process that starts it.
struct StartupInfo {
  Text programPath;                // full path of the program file
  std::vector<Text> arguments;     // command-line arguments after the program name
  std::function<void()> onClosed;  // runs when the window has been destroyed
  // Every program the window starts (Notepad, the browser) goes through here, so that a test can
  // record what would be started instead of starting it.
  std::function<void(const Text& program, const Text& commandLine)> launch = StartProgram;
};

class Tconv : public Window, public RunProgress, public RunPrompts {
 public:
  explicit Tconv(StartupInfo startup);
  ~Tconv() override;

  // Builds the window and its controls, registers the drop target and runs FormCreate.
  bool Create();
  void SetVersionDialog(VersionDialog* dialog) { frmVersion_ = dialog; }

  HWND Control(int id) const { return controls_.Get(id); }
  const ControlSet& Controls() const { return controls_; }
  COLORREF InfoColour() const { return controls_.TextColour(ids::txt_Info); }
  const RunState& State() const { return state_; }
  float VersionNumberValue() const { return VersionNumber; }

  // Sets a control's text; the control's change handler runs before this returns, and not at all
  // when the text is already there.
  void SetText(int id, const Text& text);
  Text GetText(int id) const { return controls_.GetText(id); }
  bool RunActive() const { return run_.Active(); }

  // Where a run reports how far it has come, and what it asks of the user.
  void SetStatusText(const Text& text) override;
  void SetStatusColour(StatusColour colour) override;
  void PaintStatusNow() override;
  void PaintStatusIfDue() override;
  void HandlePendingMessages() override;
  void ShowMessage(const Text& text) override;
  bool AskYesNo(const Text& question) override;
  void Beep() override;
  bool ChooseFolder1() override;
  void OpenDocument(const Text& programPath, const Text& document) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCommand(int id, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  // The window's outer size for a height at 96 dpi.
  SIZE OuterSize(int height, int dpi) const;
  void OnDpiChanged(int dpi, LPARAM suggested);
  void OnCloseRequest();
  void OnMenuOpening(HMENU menu);
  void BuildMenu();
  void OnPresetChosen();
  void AttachEditHooks();
  static LRESULT CALLBACK FolderEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
  LRESULT OnFolderEditMessage(int index, HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
  struct FolderFieldHandlers {
    void (Tconv::*keyPress)(char& key);
    void (Tconv::*exit)();
    void (Tconv::*mouseDown)();
  };
  static const FolderFieldHandlers kFieldHandlers[2];

  // Life cycle.
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDblClick();
  void cmd_CloseClick();
  void mnuExitClick();
  void txt_TimeReNameChange();

  // Folder fields.
  void txt_Directory0_Change();
  void txt_Directory1_Change();
  void txt_Directory0_Exit();
  void txt_Directory1_Exit();
  void txt_Directory0_KeyPress(char& key);
  void txt_Directory1_KeyPress(char& key);
  void txt_Directory0MouseDown();
  void txt_Directory1MouseDown();
  void lbl_Directory0Click();
  void lbl_Directory1Click();
  // The field's text when it names an existing folder. A text that names none is reported (beep,
  // message) and the field emptied; an empty field gives nothing and says nothing.
  std::optional<Text> ExistingFolderIn(int id);
  void MoveFolder2Up();
  // The two flashes of a folder field block the thread for these times, one after the other.
  static constexpr DWORD kFlashFirstMs = 400;
  static constexpr DWORD kFlashSecondMs = 200;
  void ShowBackgrounds(std::initializer_list<std::pair<int, COLORREF>> fields);
  void FlashMovedFolder();
  void ChooseFolderInto();
  void cmd_Directory0Click();
  void cmd_Directory1Click();

  // Dropped folders, files and shortcuts.
  void HandleDroppedFiles(HDROP drop);
  Text ControlNameUnderPointer() const;
  bool SetDroppedFolder(size_t index, const Text& dropPath, const DropDisk& disk);
  void FlashField(int id);

  // Rename run, its preview and its undo.
  void cmd_STARTClick();
  void cmdAboteClick();
  void mnuPreviewClick();
  void mnuUndoClick();
  void mnuClockCorrectionClick();
  void mnuCompanionsClick();
  // The run's inputs take the options the menu keeps.
  void OptionsChanged();
  void KeepStatusColour(COLORREF colour);
  // The run's inputs as the controls hold them now; after any message may have changed them.
  void RefreshRunInputs();
  // A close asked for during a run is carried out once the run is over.
  void CloseIfAskedDuringRun();

  // Extension list.
  void cmd_ADDClick();
  void cmd_DELClick();
  void chkAllClick();

  // Help.
  void mnuUSEClick();
  void mnuVERClick();
  void mnuReadMeClick();

  StartupInfo startup_;
  ControlSet controls_;
  VersionDialog* frmVersion_ = nullptr;
  TfrmPreview* preview_ = nullptr;  // while a preview is shown
  OwnedBrush formBrush_;
  bool shown_ = false;
  FocusKeeper focus_;
  bool keepMaskFile_ = false;     // dCamFlist.dat was there but could not be read
  bool keepPatternFile_ = false;  // so was the pattern file
  bool keepOptionsFile_ = false;  // and the options file
  bool optionsFileFound_ = false;
  Options options_;  // as the menu and the check box have set them

  // The state the logic shares, and the window's own.
  RunState state_;
  std::array<HWND, 2> FolderEdits{};
  float VersionNumber = 0.0f;

  DiskFileSystem disk_;
  RunBinding runBinding_;
  RenameRun run_{runBinding_.inputs, *this, *this, state_, disk_};
};

}  // namespace tokiwake

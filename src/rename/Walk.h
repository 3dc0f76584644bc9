// The folder walk: renames every target file of a folder tree after its last-write time.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "rename/FileSystem.h"
#include "rename/NamePattern.h"
#include "rename/RunState.h"
#include "text/SjisText.h"

namespace tokiwake {

// Red belongs to the name pattern (PatternHost::OnTokenReplacing).
enum class StatusColour { kBlue, kBlack };

// What became of a target file, or of a subfolder the walk could not enter.
enum class FileResult {
  kRenamed,
  kUnchanged,          // it already bears the name the pattern gives it
  kClash,              // every name up to the last counter was taken; the file keeps its name
  kRefused,            // the rename failed; the file keeps its name
  kInexactName,        // code page 932 cannot hold the file's name, so no path reaches it
  kUnreachableFolder,  // the same for a subfolder, which is not entered
};

struct HandledFile {
  Text folder;   // without a trailing "\"
  Text oldName;  // the subfolder's name for kUnreachableFolder
  Text newName;  // the name given, or the last one tried; empty for kUnreachableFolder
  FileResult result;
  bool counterRaised;  // a name was taken, so the counter went on
};

struct TargetListItem {
  Text text;  // an extension mask such as "*.jpg"
  bool checked;
};

// What the walk needs of the window beyond the state it shares. Everything is read afresh at the
// point of use, because the window stays live while the walk pumps messages.
class WalkHost : public PatternHost {
 public:
  // txt_Info. The walk sets it for every file; the window may show a text or colour only at the
  // next repaint, and the red of the name pattern likewise.
  virtual void SetStatusText(const Text& text) = 0;
  virtual void SetStatusColour(StatusColour colour) = 0;
  virtual void RepaintStatus() = 0;  // at once, not queued
  // Repaints when a display frame has passed since the last repaint, or the run is being stopped.
  virtual void RepaintStatusIfDue() = 0;

  // Handles what is pending and returns; the abort button and edits reach the walk only this way.
  // The window may leave the queue for a moment when it looked at it less than a frame ago.
  virtual void PumpMessages() = 0;
  // Modal, OK button, the application title as caption. The status line is shown first, as it
  // stands, so that the box and the line name the same file.
  virtual void ShowMessage(const Text& text) = 0;

  // 0: txt_Directory0, 1: txt_Directory1.
  virtual Text FolderFieldText(int32_t index) const = 0;
  virtual bool AllFilesChecked() const = 0;  // chkAll
  // lstASCII, in order; valid until the next call or the next pump.
  virtual const std::vector<TargetListItem>& TargetListItems() const = 0;

  // After each target file, and after a subfolder that cannot be entered, before the next pump.
  virtual void FileHandled(const HandledFile&) {}

 protected:
  ~WalkHost() = default;
};

// What one run carries from one walk to the next.
struct WalkScope {
  // Every folder walked so far. A folder met again (as folder 2 inside folder 1's tree, or through
  // a link that Windows does not mark as one) is skipped: its files have had their turn.
  std::set<FolderId> walked;
  // The program's own folder and the names of the files it keeps there; no run renames them.
  std::optional<FolderId> programFolder;
  std::vector<Text> programFiles;
};

// Walks `folder` (with or without a trailing "\") depth first: its files first, then each
// subfolder in listing order. Appends a line to FolderListText for each target file, stops when
// AbortRequested is set and leaves FileCounter at 0. A subfolder that is a link or junction is not
// entered, and no folder is walked twice in one scope.
void WalkFolder(WalkHost& host, RunState& state, FileSystem& disk, const Text& folder,
                WalkScope& scope);

// What a refused rename or write asks the user to check, at the end of its message.
Text WriteProtectionAdvice();

// The walks of a run, in one scope: folder 1, then folder 2 when its field names an existing
// folder at that moment. Starts FolderListText afresh.
void WalkBothFolders(WalkHost& host, RunState& state, FileSystem& disk);

// `nameTail` is the last five bytes of a file name.
bool IsTargetFile(const WalkHost& host, std::string_view nameTail);

// "2010/05/23 9:03:08": the second taken down to an even one, as a camera's FAT stamp holds it,
// and the time of day left out at exactly midnight.
Text MakeTimeText(const LocalTime& time);

}  // namespace tokiwake

// The folder walk: renames every target file of a folder tree after its time.
#pragma once

#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "rename/FileSystem.h"
#include "rename/RunState.h"
#include "rename/RunWindow.h"
#include "text/SjisText.h"

namespace tokiwake {

// What a walk works with: the run's inputs as the window keeps them, its progress and prompts,
// the state the window shares and the disk.
struct WalkContext {
  const RunInputs& inputs;
  RunProgress& progress;
  RunPrompts& prompts;
  RunState& state;
  FileSystem& disk;
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
void WalkFolder(WalkContext& run, const Text& folder, WalkScope& scope);

// The walks of a run, in one scope: folder 1, then folder 2 when its field names an existing
// folder at that moment. Starts FolderListText afresh.
void WalkBothFolders(WalkContext& run);

// `nameTail` is the last five bytes of a file name.
bool IsTargetFile(const RunInputs& inputs, std::string_view nameTail);

// "2010/05/23 9:03:08": the second taken down to an even one, as a camera's FAT stamp holds it
// (unless `evenSeconds` is false), and the time of day left out at exactly midnight.
Text MakeTimeText(const LocalTime& time, bool evenSeconds = true);

// What a refused rename or write asks the user to check, at the end of its message.
Text WriteProtectionAdvice();
// The message of a rename that was refused, or of a name no path reaches.
Text RenameFailureMessage(const Text& oldPath, const Text& newPath);

}  // namespace tokiwake

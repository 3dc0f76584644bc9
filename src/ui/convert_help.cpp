// The Help menu: the usage pages in the browser, the ReadMe in Notepad, the version page.
#include "settings/ProgramFacts.h"
#include "text/Paths.h"
#include "ui/MailIcon.h"
#include "ui/VersionDialog.h"
#include "ui/convert.h"
#include "ui/rules/HelpDocuments.h"
#include "ui/rules/VersionPage.h"

namespace tokiwake {

namespace {
constexpr DWORD kPauseBeforeShowing = 100;  // ms: the view has started on the page by then
}

// A missing browser is no error: the item then does nothing.
void Tconv::mnuUSEClick() {
  const Text browser = BrowserPath(state_.WinFolder);
  if (!disk_.FileExists(browser)) return;
  const Text document =
      UsageDocument(state_.ExeFolder, [this](const Text& path) { return disk_.FileExists(path); });
  OpenDocument(browser, document);
  HandlePendingMessages();
}

// Notepad says so itself when ReadMe.txt is missing.
void Tconv::mnuReadMeClick() {
  state_.WinFolder = WithTrailingBackslash(state_.WinFolder);
  const Text editor = NotepadPath(state_.WinFolder);
  if (!disk_.FileExists(editor)) return;
  OpenDocument(editor, ReadMePath(state_.ExeFolder));
  HandlePendingMessages();
}

// The page is written anew and hidden on every use; the picture only when it is missing, so that
// one the user put there stays. Write failures are silent: the view shows what stands there.
void Tconv::mnuVERClick() {
  const Text icon = state_.ExeFolder + kMailIconName;
  if (!disk_.FileExists(icon)) WriteMailIcon(icon);
  const Text page = state_.ExeFolder + kVersionPageName;
  if (disk_.FileExists(page)) disk_.RemoveFile(page);
  disk_.WriteNewFile(page, BuildVersionPage(VersionNumber));
  // A folder of that name is the user's and keeps its attributes.
  if (disk_.FileExists(page)) disk_.SetHiddenOnly(page);
  if (frmVersion_ == nullptr) return;
  HandlePendingMessages();
  frmVersion_->ShowPage(page, VersionSummary(VersionNumber), icon);
  HandlePendingMessages();
  Sleep(kPauseBeforeShowing);
  frmVersion_->ShowDialog();
}

}  // namespace tokiwake

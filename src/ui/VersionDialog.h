// The version dialog as the main window sees it. The dialog itself, TfrmVersion, belongs to the
// Help menu's room (ui/help), which is built on this one: the window reaches it only through here.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "text/SjisText.h"
#include "ui/rules/VersionPage.h"

namespace tokiwake {

class VersionDialog {
 public:
  virtual ~VersionDialog() = default;
  // Points the dialog at the page file. Where the system cannot show a page, the summary and the
  // mail picture at `iconPath` stand in for it.
  virtual void ShowPage(const Text& pagePath, const std::vector<SummaryLine>& summary,
                        const Text& iconPath) = 0;
  // Shows the dialog without making it modal, or brings it to the front.
  virtual void ShowDialog() = 0;
};

// The version dialog, created hidden, owned by `owner`. Defined with the dialog in ui/help.
std::unique_ptr<VersionDialog> CreateVersionDialog(HWND owner);

}  // namespace tokiwake

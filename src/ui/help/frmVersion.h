// The version dialog: created hidden at start, shown by the Help menu.
#pragma once

#include <memory>
#include <vector>

#include "text/SjisText.h"
#include "ui/VersionDialog.h"
#include "ui/help/SummaryView.h"
#include "ui/rules/VersionPage.h"
#include "win32/BrowserView.h"
#include "win32/Window.h"

namespace tokiwake {

class TfrmVersion : public Window, public VersionDialog {
 public:
  TfrmVersion();
  bool Create(HWND owner);
  // Points the browser view at the page file; a navigation error is shown in the standard error
  // box.
  void ShowPage(const Text& pagePath, const std::vector<SummaryLine>& summary,
                const Text& iconPath) override;
  void ShowDialog() override;

  bool ShowsBrowser() const { return wbINFO != nullptr; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static SIZE OuterSize(int dpi);
  void OnDpiChanged(LPARAM suggested);

  std::unique_ptr<BrowserView> wbINFO;
  bool browserTried_ = false;
  SummaryView summary_;
  std::vector<SummaryLine> shownSummary_;
  Text shownIcon_;
};

inline constexpr char kVersionCaption[] = "バージョン情報";
// At 96 dpi.
inline constexpr int kVersionClientWidth = 344;
inline constexpr int kVersionClientHeight = 184;
// No history entry, no read from the cache, no write to it: the page is new on every use.
inline constexpr long kVersionNavigationFlags = 14;

}  // namespace tokiwake

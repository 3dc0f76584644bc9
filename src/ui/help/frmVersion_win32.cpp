#include "ui/help/frmVersion.h"

#include "platform/Cp932.h"
#include "settings/ProgramFacts.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
}  // namespace

TfrmVersion::TfrmVersion() : Window(kAppTitle) {}

bool TfrmVersion::Create(HWND owner) {
  RECT outer{0, 0, kVersionClientWidth, kVersionClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  if (!CreateTopLevel(L"TfrmVersion", ToWide(kVersionCaption).c_str(), kStyle, kExStyle, width,
                      height, owner, nullptr, nullptr)) {
    return false;
  }
  PlaceOnWorkArea(Handle(), width, height);
  return true;
}

// The control is made on first use, not at start-up: loading the browser costs time that a user
// who never opens this dialog should not wait for.
void TfrmVersion::ShowPage(const Text& pagePath, const std::vector<SummaryLine>& summary,
                           const Text& iconPath) {
  if (!browserTried_) {
    browserTried_ = true;
    RECT client{};
    GetClientRect(Handle(), &client);
    wbINFO = BrowserView::Create(Handle(), client);
  }
  if (!wbINFO) {
    summary_.Show(Handle(), summary, iconPath);
    InvalidateRect(Handle(), nullptr, TRUE);
    return;
  }
  const HRESULT navigated = wbINFO->Navigate(pagePath, kVersionNavigationFlags);
  if (FAILED(navigated)) ShowErrorBox(Handle(), ErrorText(navigated).c_str(), kAppTitle);
  wbINFO->Repaint();
}

std::unique_ptr<VersionDialog> CreateVersionDialog(HWND owner) {
  auto dialog = std::make_unique<TfrmVersion>();
  dialog->Create(owner);
  return dialog;
}

void TfrmVersion::ShowDialog() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  if (wbINFO) wbINFO->Focus();
}

LRESULT TfrmVersion::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:  // closing only hides: the dialog lives as long as the program
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    case WM_DESTROY:  // with its owner, the main window: the control goes before its window
      wbINFO.reset();
      return 0;
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(Handle(), &rc);
      HBRUSH brush = summary_.Shown() ? summary_.Background() : GetSysColorBrush(COLOR_BTNFACE);
      FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = summary_.PaintColours(reinterpret_cast<HWND>(lParam),
                                               reinterpret_cast<HDC>(wParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      return DefaultHandling(message, wParam, lParam);
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace tokiwake

#include "ui/help/frmVersion.h"

#include "platform/Cp932.h"
#include "settings/ProgramFacts.h"
#include "win32/Dpi.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
}  // namespace

TfrmVersion::TfrmVersion() : Window(kAppTitle) {}

SIZE TfrmVersion::OuterSize(int dpi) {
  const SIZE client{ScaleForDpi(kVersionClientWidth, dpi), ScaleForDpi(kVersionClientHeight, dpi)};
  return OuterForClient(client, kStyle, kExStyle, false, dpi);
}

bool TfrmVersion::Create(HWND owner) {
  SIZE outer = OuterSize(kLayoutDpi);
  if (!CreateTopLevel(L"TfrmVersion", ToWide(kVersionCaption).c_str(), kStyle, kExStyle, outer.cx,
                      outer.cy, owner, nullptr, nullptr)) {
    return false;
  }
  outer = OuterSize(DpiOf(Handle()));
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceOnWorkArea(Handle(), outer.cx, outer.cy);
  return true;
}

// The page or its summary laid out anew in the size the new dpi gives the window.
void TfrmVersion::OnDpiChanged(LPARAM suggested) {
  TakeSuggestedPlace(Handle(), suggested);
  RECT client{};
  GetClientRect(Handle(), &client);
  if (wbINFO) wbINFO->Move(client);
  if (summary_.Shown()) summary_.Show(Handle(), shownSummary_, shownIcon_);
  InvalidateRect(Handle(), nullptr, TRUE);
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
    shownSummary_ = summary;
    shownIcon_ = iconPath;
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
    case WM_COMMAND:  // Enter and Esc, as the message loop gives a dialog's keys
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ShowWindow(Handle(), SW_HIDE);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(lParam);
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

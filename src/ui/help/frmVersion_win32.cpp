#include "ui/help/frmVersion.h"

#include "text/Cp932.h"
#include "ui/AppTitle.h"
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

void TfrmVersion::ShowDialog() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

LRESULT TfrmVersion::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:  // closing only hides: the dialog lives as long as the program
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(Handle(), &rc);
      FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace tokiwake

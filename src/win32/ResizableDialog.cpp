#include "win32/ResizableDialog.h"

#include "platform/Cp932.h"
#include "win32/Controls.h"
#include "win32/Dpi.h"
#include "win32/Placement.h"

namespace tokiwake {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// One edge pair of a child: both anchored, it stretches; one, it keeps its size and follows that
// edge.
void Place(LONG& low, LONG& high, bool lowAnchored, bool highAnchored, int created, int now) {
  const LONG size = high - low;
  if (highAnchored) {
    high += now - created;
    if (!lowAnchored) low = high - size;
  }
}

}  // namespace

bool ResizableDialog::CreateResizable(HWND owner, const wchar_t* className, const Text& caption,
                                      int clientWidth, int clientHeight, const char* fontFace,
                                      int fontPoints) {
  owner_ = owner;
  createdClient_ = {clientWidth, clientHeight};
  fontFace_ = fontFace;
  fontPoints_ = fontPoints;
  minimumOuter_ = OuterForClient(createdClient_, kStyle, kExStyle, false, kLayoutDpi);
  if (!CreateTopLevel(className, ToWide(caption).c_str(), kStyle, kExStyle, minimumOuter_.cx,
                      minimumOuter_.cy, owner, nullptr, nullptr)) {
    return false;
  }
  ApplyDpi(DpiOf(Handle()));
  SetWindowPos(Handle(), nullptr, 0, 0, minimumOuter_.cx, minimumOuter_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CentreOnOwner(Handle());
  return true;
}

RECT ResizableDialog::Scaled(const RECT& at) const { return ScaleRect(at, dpi_); }

void ResizableDialog::ApplyDpi(int dpi) {
  dpi_ = dpi;
  const SIZE client{ScaleForDpi(createdClient_.cx, dpi), ScaleForDpi(createdClient_.cy, dpi)};
  minimumOuter_ = OuterForClient(client, kStyle, kExStyle, false, dpi);
  OwnedFont old = std::move(font_);
  font_.Reset(CreateUiFont(fontFace_, fontPoints_, dpi));
  for (const Anchored& item : anchored_) {
    SendMessageW(item.child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
}

HWND ResizableDialog::AddChild(const wchar_t* className, const Text& text, DWORD style,
                               DWORD exStyle, const RECT& at, int id, Anchor anchors) {
  const RECT place = Scaled(at);
  HWND child = CreateWindowExW(
      exStyle, className, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
      place.top, place.right - place.left, place.bottom - place.top, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (child == nullptr) return nullptr;
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  anchored_.push_back({child, at, anchors});
  return child;
}

void ResizableDialog::AnchorChild(HWND child, Anchor anchors) {
  RECT at{};
  GetWindowRect(child, &at);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&at), 2);
  anchored_.push_back({child, at, anchors});
  const RECT place = Scaled(at);
  SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizableDialog::Layout(int width, int height) {
  HDWP positions = BeginDeferWindowPos(static_cast<int>(anchored_.size()));
  for (const Anchored& item : anchored_) {
    RECT at = Scaled(item.at);
    Place(at.left, at.right, HasEdge(item.anchors, Anchor::kLeft),
          HasEdge(item.anchors, Anchor::kRight), ScaleForDpi(createdClient_.cx, dpi_), width);
    Place(at.top, at.bottom, HasEdge(item.anchors, Anchor::kTop),
          HasEdge(item.anchors, Anchor::kBottom), ScaleForDpi(createdClient_.cy, dpi_), height);
    if (positions != nullptr) {
      positions =
          DeferWindowPos(positions, item.child, nullptr, at.left, at.top, at.right - at.left,
                         at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
  }
  if (positions != nullptr) EndDeferWindowPos(positions);
}

void ResizableDialog::RunModal() {
  EnableWindow(owner_, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  OnShown();
  MSG msg{};
  bool quit = false;
  while (!ended_) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (IsDialogMessageW(Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner is enabled before this window goes, so that it, not another program, becomes active.
  EnableWindow(owner_, TRUE);
  DestroyWindow(Handle());
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

LRESULT ResizableDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        OnCloseRequest();
      } else {
        OnCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
      Layout(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DPICHANGED:
      // Scaled first: the move that follows lays the children out at the new dpi.
      ApplyDpi(HIWORD(wParam));
      OnDpiChanged();
      TakeSuggestedPlace(Handle(), lParam);
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimumOuter_.cx, minimumOuter_.cy};
      return 0;
    case WM_ERASEBKGND: {
      RECT rc{};
      GetClientRect(Handle(), &rc);
      FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace tokiwake

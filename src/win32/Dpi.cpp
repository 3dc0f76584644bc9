#include "win32/Dpi.h"

namespace tokiwake {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Function>
Function FunctionIn(HMODULE module, const char* name) {
  const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

template <typename Function>
Function UserFunction(const char* name) {
  return FunctionIn<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Windows 8.1 knows each monitor's dpi, but not yet each window's.
UINT MonitorDpi(HWND window) {
  static const auto perMonitor = FunctionIn<GetDpiForMonitorFunction>(
      LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  if (perMonitor == nullptr || window == nullptr ||
      FAILED(
          perMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) {
    return 0;
  }
  return y;
}

// The frame around a client area at `dpi`; at the screen's dpi where the system knows no other.
RECT Frame(DWORD style, DWORD exStyle, bool menu, int dpi) {
  static const auto adjust = UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, 0, 0};
  if (adjust != nullptr) {
    adjust(&frame, style, menu, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&frame, style, menu, exStyle);
  }
  return frame;
}

bool KnowsFrameAtAnyDpi() {
  return UserFunction<AdjustForDpiFunction>("AdjustWindowRectExForDpi") != nullptr;
}

}  // namespace

int DpiOf(HWND window) {
  static const auto perWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
  if (perWindow != nullptr && window != nullptr) {
    if (const UINT dpi = perWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  if (const UINT dpi = MonitorDpi(window); dpi != 0) return static_cast<int>(dpi);
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi > 0 ? dpi : kLayoutDpi;
}

SIZE OuterForClient(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi) {
  const RECT frame = Frame(style, exStyle, menu, dpi);
  return {client.cx + frame.right - frame.left, client.cy + frame.bottom - frame.top};
}

SIZE ScaleOuter(SIZE outer, DWORD style, DWORD exStyle, bool menu, int dpi) {
  if (dpi == kLayoutDpi) return outer;
  // Without the frame at 96 dpi the whole window grows by the ratio, its frame with it.
  if (!KnowsFrameAtAnyDpi()) return {ScaleForDpi(outer.cx, dpi), ScaleForDpi(outer.cy, dpi)};
  const RECT frame = Frame(style, exStyle, menu, kLayoutDpi);
  const SIZE client{ScaleForDpi(outer.cx - (frame.right - frame.left), dpi),
                    ScaleForDpi(outer.cy - (frame.bottom - frame.top), dpi)};
  return OuterForClient(client, style, exStyle, menu, dpi);
}

void TakeSuggestedPlace(HWND window, LPARAM lParam) {
  const auto* place = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, place->left, place->top, place->right - place->left,
               place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tokiwake

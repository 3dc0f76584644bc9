#include "win32/ChangeWatch.h"

#include <windows.h>
#include <commctrl.h>

namespace tokiwake {

namespace {

constexpr UINT_PTR kSubclassId = 0x57A7;  // any id of ours: one watch per control
constexpr UINT kSystemTimer = 0x0118;     // the caret's blink

// Messages that leave a list box's items, an edit's text and a check box's state as they are.
// Anything else, known or not, may change them.
bool OnlyReads(UINT message) {
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_GETOBJECT:
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_TIMER:
    case kSystemTimer:
    case LB_GETCOUNT:
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
    case LB_GETITEMDATA:
    case LB_GETITEMRECT:
    case LB_GETITEMHEIGHT:
    case LB_GETCURSEL:
    case LB_GETTOPINDEX:
    case LB_ITEMFROMPOINT:
    case EM_GETSEL:
    case EM_GETMODIFY:
    case BM_GETCHECK:
    case BM_GETSTATE:
      return true;
    default:
      return false;
  }
}

}  // namespace

ChangeWatch::~ChangeWatch() { Detach(); }

bool ChangeWatch::ChangedSinceLastAsked(HWND control) {
  if (control != control_) {
    Detach();
    if (!SetWindowSubclass(control, &Watch, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
      return true;  // unwatched: every read is a fresh one
    }
    control_ = control;
    changed_ = true;
  }
  const bool changed = changed_;
  changed_ = false;
  return changed;
}

void ChangeWatch::Detach() {
  if (control_ != nullptr && IsWindow(control_))
    RemoveWindowSubclass(control_, &Watch, kSubclassId);
  control_ = nullptr;
}

LRESULT CALLBACK ChangeWatch::Watch(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
  auto* watch = reinterpret_cast<ChangeWatch*>(self);
  if (!OnlyReads(message)) watch->changed_ = true;
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, &Watch, kSubclassId);
    watch->control_ = nullptr;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace tokiwake

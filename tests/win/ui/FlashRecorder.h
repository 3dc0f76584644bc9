// Records the background colours the window paints its two folder fields with, in the order it
// paints them. A flash holds the window's thread, but the repaints it forces run on that thread and
// ask the window for each field's colours (WM_CTLCOLOREDIT), where a subclass of the window sees
// the answer; so every colour shown is recorded, however long it stood.
#pragma once

#include <windows.h>
// After windows.h, whose definitions it needs.
#include <commctrl.h>

#include <ostream>
#include <vector>

namespace tokiwake::test {

// A field (0 or 1) painted in a colour other than the one it had.
struct Paint {
  int field;
  COLORREF colour;
  bool operator==(const Paint&) const = default;
  friend void PrintTo(const Paint& paint, std::ostream* out) {
    *out << "{field " << paint.field << ", RGB(" << int{GetRValue(paint.colour)} << ", "
         << int{GetGValue(paint.colour)} << ", " << int{GetBValue(paint.colour)} << ")}";
  }
};

class FlashRecorder {
 public:
  // Starts with both fields repainted, so that the record opens with the colours they have now.
  FlashRecorder(HWND window, HWND field1, HWND field2) : window_(window), fields_{field1, field2} {
    SetWindowSubclass(window_, OnMessage, 1, reinterpret_cast<DWORD_PTR>(this));
    for (HWND field : fields_) {
      RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
  }
  ~FlashRecorder() { RemoveWindowSubclass(window_, OnMessage, 1); }
  FlashRecorder(const FlashRecorder&) = delete;
  FlashRecorder& operator=(const FlashRecorder&) = delete;

  const std::vector<Paint>& Painted() const { return painted_; }

 private:
  static LRESULT CALLBACK OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
    const LRESULT brush = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
      reinterpret_cast<FlashRecorder*>(self)->Record(reinterpret_cast<HWND>(lParam),
                                                     GetBkColor(reinterpret_cast<HDC>(wParam)));
    }
    return brush;
  }

  void Record(HWND control, COLORREF colour) {
    for (int i = 0; i < 2; ++i) {
      if (control != fields_[i] || colour == last_[i]) continue;
      last_[i] = colour;
      painted_.push_back({i, colour});
    }
  }

  HWND window_;
  HWND fields_[2];
  COLORREF last_[2] = {CLR_INVALID, CLR_INVALID};
  std::vector<Paint> painted_;
};

}  // namespace tokiwake::test

// The system's web-browser control, in place in a window of ours: plain OLE in-place hosting.
// Needs OLE initialised on the thread (OleApartment).
#pragma once

#include <windows.h>

#include <memory>

#include "text/SjisText.h"

namespace tokiwake {

class BrowserView {
 public:
  // The control over `area` of the parent's client area; null where the system has no browser
  // control, or no HTML engine behind it, so that no page could be shown.
  static std::unique_ptr<BrowserView> Create(HWND parent, const RECT& area);
  ~BrowserView();
  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  // Starts the navigation; a failure's HRESULT comes back, S_OK otherwise.
  HRESULT Navigate(const Text& location, long flags);
  void Repaint();
  void Focus();
  // Takes `area` of the parent's client area instead.
  void Move(const RECT& area);

 private:
  class Site;
  struct Control;
  explicit BrowserView(std::unique_ptr<Control> control);
  std::unique_ptr<Control> control_;
};

// The system's text for an HRESULT, as code page 932 bytes.
Text ErrorText(HRESULT result);

}  // namespace tokiwake

// A thin window layer: one window procedure finds the object and hands it every message.
#pragma once

#include <windows.h>

#include <utility>

#include "text/SjisText.h"

namespace tokiwake {

class Window {
 public:
  // `errorCaption` is the caption of the box that shows an exception a handler let escape: the
  // application's title.
  explicit Window(Text errorCaption) : errorCaption_(std::move(errorCaption)) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the class once and creates the window with `this` as its creation parameter.
  bool CreateTopLevel(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                      int width, int height, HWND owner, HMENU menu, HICON icon);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  Text errorCaption_;
  HWND hwnd_ = nullptr;
};

// The standard error box (an error icon, OK) for an exception that reached the top of a handler.
void ShowErrorBox(HWND owner, const char* message, const Text& caption);

}  // namespace tokiwake

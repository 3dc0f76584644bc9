// A window used as a modal dialog that the user can resize: its owner is disabled while it is up,
// and each child keeps its distance to the edges it is anchored to. Tab, Enter and Esc work as
// in a dialog; Esc and the close box close it. Sizes are given at 96 dpi and scaled to the
// window's dpi, again when it moves to a monitor of another.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Handles_win32.h"
#include "text/SjisText.h"
#include "win32/Window.h"

namespace tokiwake {

// The edges of the dialog a child keeps its distance to, combined with |.
enum class Anchor : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kAll = 15 };
constexpr Anchor operator|(Anchor a, Anchor b) {
  return static_cast<Anchor>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasEdge(Anchor anchors, Anchor edge) {
  return (static_cast<unsigned>(anchors) & static_cast<unsigned>(edge)) != 0;
}

class ResizableDialog : public Window {
 public:
  using Window::Window;

 protected:
  // Creates it hidden over `owner` with the given client size, which is also the least it can be
  // made, and the font its children are given.
  bool CreateResizable(HWND owner, const wchar_t* className, const Text& caption, int clientWidth,
                       int clientHeight, const char* fontFace, int fontPoints);
  // A child at `at` in the client area as it was created.
  HWND AddChild(const wchar_t* className, const Text& text, DWORD style, DWORD exStyle,
                const RECT& at, int id, Anchor anchors);
  // Keeps an existing child (one a wrapper made at its place at 96 dpi) in place, scaled, as the
  // dialog is resized.
  void AnchorChild(HWND child, Anchor anchors);
  HFONT Font() const { return font_.get(); }
  int Dpi() const { return dpi_; }
  RECT Scaled(const RECT& at) const;

  // Shows it, runs OnShown, then handles messages until EndModal; the owner is disabled
  // meanwhile and active again afterwards. The window is gone when this returns.
  void RunModal();
  void EndModal() { ended_ = true; }
  bool Ended() const { return ended_; }

  // Right after it is first shown; may pump messages itself.
  virtual void OnShown() {}
  // WM_COMMAND from a child or a key, IDCANCEL aside.
  virtual void OnCommand(int id, int code) = 0;
  // Close box, Esc, and a child with the id IDCANCEL. By default the dialog ends.
  virtual void OnCloseRequest() { EndModal(); }
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  // The children have their new font and places; a wrapper's child may need more.
  virtual void OnDpiChanged() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Anchored {
    HWND child;
    RECT at;  // in the client area as it was created, at 96 dpi
    Anchor anchors;
  };
  void Layout(int width, int height);
  // The font, the least size and the children's places at `dpi`.
  void ApplyDpi(int dpi);

  HWND owner_ = nullptr;
  SIZE minimumOuter_{};
  SIZE createdClient_{};  // at 96 dpi
  const char* fontFace_ = nullptr;
  int fontPoints_ = 0;
  int dpi_ = 96;
  OwnedFont font_;
  std::vector<Anchored> anchored_;
  bool ended_ = false;
};

}  // namespace tokiwake

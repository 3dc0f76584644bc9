// The version dialog: created hidden at start, shown by the Help menu.
#pragma once

#include "win32/Window.h"

namespace tokiwake {

class TfrmVersion : public Window {
 public:
  TfrmVersion();
  bool Create(HWND owner);
  void ShowDialog();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

inline constexpr char kVersionCaption[] = "バージョン情報";
inline constexpr int kVersionClientWidth = 344;
inline constexpr int kVersionClientHeight = 184;

}  // namespace tokiwake

// Tells whether a control may have changed since it was last read, so that a reader can keep
// what it read before. The walk reads the extension list, the check boxes and a folder field for
// every file, and
// each message to those controls passes the subclasses of the window layer; under Wine that made
// the reads cost more than the rename. Everything that changes a control reaches it as a message,
// so a subclass of its own that sees every message can tell when a fresh read is needed.
#pragma once

#include <windows.h>

namespace tokiwake {

class ChangeWatch {
 public:
  ChangeWatch() = default;
  ~ChangeWatch();
  ChangeWatch(const ChangeWatch&) = delete;
  ChangeWatch& operator=(const ChangeWatch&) = delete;

  // True on the first call for a control, and afterwards whenever a message that may change it has
  // arrived since the call before. Any message but those that only read, paint or hover counts.
  bool ChangedSinceLastAsked(HWND control);

 private:
  static LRESULT CALLBACK Watch(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR self);
  void Detach();

  HWND control_ = nullptr;
  bool changed_ = true;
};

}  // namespace tokiwake

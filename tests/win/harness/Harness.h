// Helpers that drive windows the way a user does, for the tests under Wine and on Windows. Every
// text crosses as code page 932 bytes, the way the program itself holds it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>  // also brings std::chrono: <chrono> itself holds a "µ" that code page 932 lacks
#include <vector>

#include "text/SjisText.h"

namespace tokiwake::test {

using Milliseconds = std::chrono::milliseconds;

// Code page 932 bytes as UTF-8, for failure messages that a person reads.
std::string ForLog(std::string_view cp932);

// For the start of a test program: a crash prints and ends it instead of waiting for someone to
// close a dialog, and its output has bare LF line ends, as CTest reads the list of its tests.
void PrepareTestProcess();

// ---- Driving windows ----------------------------------------------------------------------------
// A window of this thread gets its message sent: the handler has run when the call returns. A
// window of another thread or process gets it posted (WM_SETTEXT and WM_GETTEXT are always sent),
// so a long handler there does not block the test: wait for its effect with WaitUntil.

// Types the characters as WM_CHAR, one message per UTF-16 unit of each code page 932 character (a
// double-byte character arrives as one WM_CHAR, as in a Unicode window). Control characters such as
// "\b" (backspace) and "\r" (Enter) go as they are.
void TypeChars(HWND window, std::string_view cp932);
// WM_KEYDOWN and WM_KEYUP of one virtual key (VK_RETURN, VK_DELETE...).
void PressKey(HWND window, UINT virtualKey);
// The same two messages posted to the window's queue, as the keyboard puts them there, for a
// message loop to take: one with dialog keys sees them as a key pressed in that window.
void PostKeyPress(HWND window, UINT virtualKey);
// Gives the keyboard focus to the window (attaching to its thread's input when it is another's).
void FocusOn(HWND window);
void ClickButton(HWND button);                      // BM_CLICK
void ChooseMenuItem(HWND window, UINT commandId);   // WM_COMMAND from a menu
void SetText(HWND window, std::string_view cp932);  // WM_SETTEXT
Text GetText(HWND window);                          // WM_GETTEXT, as code page 932 bytes
// The child with this control id, at any depth; null when there is none.
HWND FindChild(HWND parent, int controlId);

// Handles the messages waiting for this thread's windows.
void PumpMessages();
// Pumps messages until the condition holds; false when the timeout passed first.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = Milliseconds(10'000));

// Holds a key or mouse button down through SendInput, so that GetAsyncKeyState sees it, and lets
// it go at the end of the scope. VK_LBUTTON, VK_RBUTTON and VK_MBUTTON press at the cursor.
class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  ~HeldKey();
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  WORD key_;
};

// ---- Files --------------------------------------------------------------------------------------

// A new, empty folder under the temporary folder, removed with all it holds (read-only and hidden
// files too) at the end of the scope. The hint becomes part of its name and may be Japanese.
class TempFolder {
 public:
  explicit TempFolder(std::string_view hint = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const Text& Path() const { return path_; }  // without a trailing "\"
  Text operator/(std::string_view name) const { return path_ + "\\" + Text(name); }

 private:
  Text path_;
};

// Each adds a test failure when the file system refuses.
void WriteBytes(const Text& path, std::string_view bytes);
void MakeFolder(const Text& path);
void SetAttributes(const Text& path, DWORD attributes);
// Sets the last-write time, given as local time.
void SetLocalWriteTime(const Text& path, const SYSTEMTIME& local);
// Removes a file or a folder tree, whatever its attributes; a link is removed, never entered.
void RemoveAll(const Text& path);

// The file's bytes; nullopt when it cannot be opened.
std::optional<Text> ReadBytes(const Text& path);
bool PathExists(const Text& path);
DWORD Attributes(const Text& path);  // INVALID_FILE_ATTRIBUTES when missing
// The names in a folder, sorted by bytes, without "." and "..".
std::vector<Text> ListFolder(const Text& folder);

// A folder at `link` that leads to `target` for as long as it lives: a junction where the file
// system makes one; under Wine, which cannot, a Unix symbolic link, which Wine lists as a reparse
// point. Removed at the end of the scope, before the folder that holds it.
class FolderLink {
 public:
  FolderLink(const Text& link, const Text& target);
  ~FolderLink();
  FolderLink(const FolderLink&) = delete;
  FolderLink& operator=(const FolderLink&) = delete;

 private:
  Text link_;
};

// Holds a file open with no sharing, so that nobody else can open, replace or remove it.
class LockedFile {
 public:
  explicit LockedFile(const Text& path);
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace tokiwake::test

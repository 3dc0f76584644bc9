// Start-up: the main window, then the hidden version dialog, then the message loop.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <memory>
#include <vector>

#include "platform/Cp932.h"
#include "platform/Handles_win32.h"
#include "platform/WidePath.h"
#include "settings/ProgramFacts.h"
#include "ui/VersionDialog.h"
#include "ui/convert.h"
#include "win32/MessageLoop.h"
#include "win32/Window.h"

namespace {

using tokiwake::Text;

Text ProgramPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      buffer.resize(length);
      tokiwake::KeepExactFolder(std::wstring_view(buffer).substr(0, buffer.rfind(L'\\') + 1));
      return tokiwake::Narrow(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}

// The arguments after the program name, as the platform parses them (quotes removed).
std::vector<Text> Arguments() {
  std::vector<Text> arguments;
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) {
    const tokiwake::Narrowed argument = tokiwake::ToCp932(words[i]);
    // A folder that code page 932 cannot name exactly would be a different folder.
    arguments.push_back(argument.exact ? argument.text : Text{});
  }
  LocalFree(words);
  return arguments;
}

int Run() {
  tokiwake::OleApartment ole;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  tokiwake::Tconv conv({ProgramPath(), Arguments(), [] { PostQuitMessage(0); }});
  if (!conv.Create()) return 1;
  const std::unique_ptr<tokiwake::VersionDialog> frmVersion =
      tokiwake::CreateVersionDialog(conv.Handle());
  conv.SetVersionDialog(frmVersion.get());
  ShowWindow(conv.Handle(), SW_SHOWNORMAL);
  UpdateWindow(conv.Handle());
  return tokiwake::RunMessageLoop(conv.Handle());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return Run();
  } catch (const std::exception& error) {
    tokiwake::ShowErrorBox(nullptr, error.what(), tokiwake::kAppTitle);
  } catch (...) {
    tokiwake::ShowErrorBox(nullptr, "", tokiwake::kAppTitle);
  }
  return 1;
}

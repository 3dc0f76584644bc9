// The real main window, created in the test process from a temporary program folder. The programs
// it asks to start and the pauses of its flashes are recorded, never started or waited out, and its
// dialogs are answered as the test expects.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "harness/Dialogs.h"
#include "harness/Harness.h"
#include "harness/Spies.h"
#include "platform/Cp932.h"
#include "ui/ControlIds.h"
#include "ui/convert.h"

namespace tokiwake::test {

// A program the window asked to start, with the whole command line it gave.
struct Launch {
  Text program;
  Text commandLine;
  bool operator==(const Launch&) const = default;
  friend void PrintTo(const Launch& launch, std::ostream* out) {
    *out << "{" << ForLog(launch.program) << " | " << ForLog(launch.commandLine) << "}";
  }
};

// The Windows folder with its trailing "\".
inline Text WindowsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  GetWindowsDirectoryW(buffer, MAX_PATH);
  return Narrow(buffer) + "\\";
}

// Notepad as a run starts it on its list: the quoted program path, one blank, the path as it is.
inline Launch NotepadOn(const Text& path) {
  const Text notepad = WindowsFolder() + "NOTEPAD.EXE";
  return {notepad, "\"" + notepad + "\" " + path};
}

class MainWindowTest : public testing::Test {
 protected:
  // Creates and shows the window as start-up does; the program file is said to lie in the
  // temporary folder, so the settings files are read and written there.
  void Start(std::vector<Text> arguments = {}) {
    StartupInfo startup{programFolder_ / "tokiwake.exe", std::move(arguments),
                        [this] { closed_ = true; }};
    startup.launch = [this](const Text& program, const Text& commandLine) {
      launches_.push_back({program, commandLine});
    };
    window_ = std::make_unique<Tconv>(std::move(startup));
    ASSERT_TRUE(window_->Create());
    ShowWindow(window_->Handle(), SW_SHOWNORMAL);
    PumpMessages();
  }

  void Close() {
    SendMessageW(window_->Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
  }

  void TearDown() override {
    if (window_ && !closed_) Close();
    window_.reset();
    dialogs_.Take();
    EXPECT_EQ(launches_, std::vector<Launch>{}) << "programs asked for that the test never checked";
  }

  // The programs asked for since the last call.
  std::vector<Launch> TakeLaunches() { return std::exchange(launches_, {}); }

  Tconv& Conv() { return *window_; }
  HWND Control(int id) { return window_->Control(id); }
  Text Folder1() { return GetText(Control(ids::txt_Directory0)); }
  Text Folder2() { return GetText(Control(ids::txt_Directory1)); }

  TempFolder programFolder_{"program"};
  DialogAnswerer dialogs_;
  PauseSpy pauseSpy_;
  std::unique_ptr<Tconv> window_;
  bool closed_ = false;
  std::vector<Launch> launches_;
};

}  // namespace tokiwake::test

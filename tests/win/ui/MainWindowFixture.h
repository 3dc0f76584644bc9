// The real main window, created in the test process from a temporary program folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "harness/Harness.h"
#include "ui/ControlIds.h"
#include "ui/convert.h"

namespace tokiwake::test {

class MainWindowTest : public testing::Test {
 protected:
  // Creates and shows the window as start-up does; the program file is said to lie in the
  // temporary folder, so the settings files are read and written there.
  void Start(std::vector<Text> arguments = {}) {
    window_ = std::make_unique<Tconv>(StartupInfo{
        programFolder_ / "tokiwake.exe", std::move(arguments), [this] { closed_ = true; }});
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
  }

  Tconv& Conv() { return *window_; }
  HWND Control(int id) { return window_->Control(id); }
  Text Folder1() { return GetText(Control(ids::txt_Directory0)); }
  Text Folder2() { return GetText(Control(ids::txt_Directory1)); }

  TempFolder programFolder_{"program"};
  std::unique_ptr<Tconv> window_;
  bool closed_ = false;
};

}  // namespace tokiwake::test

// A rename run on the in-memory disk with the fake window, the program in C:\tokiwake.
#pragma once

#include <gtest/gtest.h>

#include "rename/FakeDisk.h"
#include "rename/FakeWindow.h"
#include "rename/RenameRun.h"

namespace tokiwake::test {

class RunFixture : public ::testing::Test {
 protected:
  RunFixture() { disk.AddFolder("C:\\tokiwake"); }
  // The bytes of a file beside the program; "(none)" when there is none.
  Text ProgramFile(const Text& name) {
    const FakeNode* file = disk.Find("C:\\tokiwake\\" + name);
    return file == nullptr ? "(none)" : file->content;
  }
  FakeDisk disk;
  FakeWindow window;
  RenameRun run{window.inputs, window, window, window.state, disk};
};

}  // namespace tokiwake::test

// Calls that this program's own code makes to the system, taken over for as long as a spy lives by
// taking the call's slot in the program's import table: the tests count and record them.
#pragma once

#include <windows.h>

#include <vector>

namespace tokiwake::test {

// Counts MessageBeep calls; the beep still sounds.
class BeepSpy {
 public:
  BeepSpy();
  ~BeepSpy();
  BeepSpy(const BeepSpy&) = delete;
  BeepSpy& operator=(const BeepSpy&) = delete;

  // Beeps since the spy was made.
  static int Count();
};

// Records the pauses (Sleep) that code on the thread that made the spy asks for, and returns from
// each at once: the window's flashes hold its thread by design, and a test asserts the pauses
// asked for instead of waiting them out. Other threads pause as usual.
class PauseSpy {
 public:
  PauseSpy();
  ~PauseSpy();
  PauseSpy(const PauseSpy&) = delete;
  PauseSpy& operator=(const PauseSpy&) = delete;

  // The pauses asked for since the last call, in milliseconds.
  static std::vector<DWORD> Take();
};

}  // namespace tokiwake::test

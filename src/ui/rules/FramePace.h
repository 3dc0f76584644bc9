// How often the window paints the status line and looks at its message queue while a run walks.
// A person reads no more than one status line per display frame, and under Wine each repaint of
// the line costs about as much as a rename and each look at the queue is a round trip to the Wine
// server: done for every file, they made a run several times slower than its renames. So the line
// is painted at most once a frame, and the queue is looked at once a frame and right after each
// painting: under Wine what was painted reaches the screen when the program next finds its queue
// empty, and what the user does is answered within a frame.
#pragma once

#include <cstdint>
#include <optional>

namespace tokiwake {

class FramePace {
 public:
  // About one display frame at 60 Hz, in microseconds of a steady clock.
  static constexpr int64_t kFrame = 16'000;

  // `now` and the times below are read from the same steady clock.
  bool PaintDue(int64_t now) const { return !lastPaint_ || now - *lastPaint_ >= kFrame; }
  void Painted(int64_t now) {
    lastPaint_ = now;
    paintedSincePump_ = true;
  }

  bool PumpDue(int64_t now) const {
    return paintedSincePump_ || !lastPump_ || now - *lastPump_ >= kFrame;
  }
  void Pumped(int64_t now) {
    lastPump_ = now;
    paintedSincePump_ = false;
  }

 private:
  std::optional<int64_t> lastPaint_;
  std::optional<int64_t> lastPump_;
  bool paintedSincePump_ = false;
};

}  // namespace tokiwake

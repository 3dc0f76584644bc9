#include "ui/rules/FramePace.h"

#include <gtest/gtest.h>

#include <vector>

namespace tokiwake::test {
namespace {

// At each time: what is due, then what is done.
struct Step {
  int64_t at;
  bool paintDue;
  bool pumpDue;
  enum { kNothing, kPaint, kPump } then;
};

TEST(FramePace, PaintsAtMostOnceAFrameAndLooksAtTheQueueOnceAFrameAndAfterEachPainting) {
  constexpr int64_t F = FramePace::kFrame;
  const std::vector<Step> steps{
      {0, true, true, Step::kPaint},   // the first file of a run is shown at once
      {10, false, true, Step::kPump},  // and what it painted reaches the screen
      {20, false, false, Step::kNothing},
      {F - 1, false, false, Step::kNothing},
      {F, true, false, Step::kNothing},  // a frame after the painting
      {F + 9, true, false, Step::kNothing},
      {F + 10, true, true, Step::kPump},  // a frame after the look at the queue
      {F + 11, true, false, Step::kPaint},
      {F + 12, false, true, Step::kNothing},
      {F + 13, false, true, Step::kPump},
      {3 * F, true, true, Step::kNothing},  // nothing done for long: both due
  };
  FramePace pace;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.at);
    EXPECT_EQ(pace.PaintDue(step.at), step.paintDue);
    EXPECT_EQ(pace.PumpDue(step.at), step.pumpDue);
    if (step.then == Step::kPaint) pace.Painted(step.at);
    if (step.then == Step::kPump) pace.Pumped(step.at);
  }
}

}  // namespace
}  // namespace tokiwake::test

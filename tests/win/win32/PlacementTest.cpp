#include "win32/Placement.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(Placement, CentresOnTheWorkAreaSizeAtTheOrigin) {
  EXPECT_EQ(PlaceOnWorkArea({0, 0, 1024, 738}, 480, 297).top, 220);
  EXPECT_EQ(PlaceOnWorkArea({0, 0, 1024, 738}, 480, 297).left, 272);
  EXPECT_EQ(PlaceOnWorkArea({0, 30, 1024, 768}, 480, 297).top, 220);
  EXPECT_EQ(PlaceOnWorkArea({0, 0, 400, 200}, 480, 297).left, -40);
  EXPECT_EQ(PlaceOnWorkArea({0, 0, 400, 200}, 480, 297).top, -48);  // -48.5 truncated toward zero
}

}  // namespace
}  // namespace tokiwake::test

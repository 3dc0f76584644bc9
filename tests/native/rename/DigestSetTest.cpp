#include "rename/DigestSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <unordered_set>

namespace tokiwake::test {
namespace {

// Digests that a poor mix would pile into few slots: multiples of a large power of two, zero
// (the table's mark for an empty slot) and its neighbours.
TEST(DigestSetTest, HoldsWhatWasInsertedAndNotErasedThroughGrowth) {
  DigestSet set;
  std::unordered_set<uint64_t> model;  // zero stands for one, as below
  const auto key = [](uint64_t digest) { return digest == 0 ? 1 : digest; };
  for (uint64_t i = 0; i < 5000; ++i) {
    for (const uint64_t digest : {i << 32, i, ~i}) {
      set.insert(digest);
      model.insert(key(digest));
    }
  }
  for (uint64_t i = 0; i < 5000; i += 3) {  // holes in the middle of long runs of slots
    for (const uint64_t digest : {i << 32, ~i}) {
      set.erase(digest);
      model.erase(key(digest));
    }
  }
  EXPECT_EQ(set.size(), model.size());
  for (uint64_t i = 0; i < 6000; ++i) {
    for (const uint64_t digest : {i << 32, i, ~i, (i << 32) + 7}) {
      EXPECT_EQ(set.contains(digest), model.contains(key(digest))) << digest;
    }
  }
}

TEST(DigestSetTest, ZeroAndOneAreKeptAsOne) {
  DigestSet set(4);
  EXPECT_FALSE(set.contains(0));
  set.insert(0);
  EXPECT_TRUE(set.contains(0));
  EXPECT_TRUE(set.contains(1));  // the cost of a free zero: one digest stands for both
  set.insert(1);
  EXPECT_EQ(set.size(), 1u);
}

}  // namespace
}  // namespace tokiwake::test

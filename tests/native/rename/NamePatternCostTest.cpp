// What building one name costs, counted in bytes allocated rather than in time: a count does not
// depend on how busy the machine is. Searching the pattern again from its start, or copying the
// rest of it, for every token makes the count grow with the square of the pattern's length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "rename/NamePattern.h"
#include "rename/PatternCase.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOKIWAKE_OWN_ALLOCATOR 0  // the sanitizer brings its own operator new
#endif
#endif
#ifndef TOKIWAKE_OWN_ALLOCATOR
#define TOKIWAKE_OWN_ALLOCATOR 1
#endif

#if TOKIWAKE_OWN_ALLOCATOR
namespace {
bool g_counting = false;
size_t g_allocated = 0;
}  // namespace

void* operator new(size_t size) {
  if (g_counting) g_allocated += size;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }

namespace tokiwake::test {
namespace {

size_t BytesAllocatedBy(const Text& pattern) {
  PatternCase host(pattern);
  g_allocated = 0;
  g_counting = true;
  host.Build("DSC00012.JPG", "2010/05/23 9:03:08");
  g_counting = false;
  return g_allocated;
}

TEST(BuildNewNameCost, AllocatesInProportionToThePatternLength) {
  for (const char* piece : {"yyyy-mm-dd hh.mn.ss ", "cnt2", "y", "ｙ年mm月"}) {
    Text pattern;
    while (pattern.size() < 64 * 1024) pattern += piece;
    EXPECT_LT(BytesAllocatedBy(pattern), 64 * pattern.size()) << piece;
  }
}

}  // namespace
}  // namespace tokiwake::test
#endif

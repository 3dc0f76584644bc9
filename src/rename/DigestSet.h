// A set of 64-bit digests in one flat table: eight bytes a slot, where a node-based set spends
// about forty on each member. A folder of thousands of files keeps one while its files are renamed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tokiwake {

class DigestSet {
 public:
  // Room for `expected` members without growing.
  explicit DigestSet(size_t expected = 0) { Rehash(SlotsFor(expected)); }

  bool contains(uint64_t digest) const { return slots_[Find(Stored(digest))] != kEmpty; }

  void insert(uint64_t digest) {
    const uint64_t stored = Stored(digest);
    size_t slot = Find(stored);
    if (slots_[slot] != kEmpty) return;
    if (2 * (size_ + 1) > slots_.size()) {
      Rehash(2 * slots_.size());
      slot = Find(stored);
    }
    slots_[slot] = stored;
    ++size_;
  }

  // The members after it that a search passes through its slot move back, so that every search
  // still ends at the first empty slot.
  void erase(uint64_t digest) {
    size_t hole = Find(Stored(digest));
    if (slots_[hole] == kEmpty) return;
    slots_[hole] = kEmpty;
    --size_;
    const size_t mask = slots_.size() - 1;
    for (size_t next = (hole + 1) & mask; slots_[next] != kEmpty; next = (next + 1) & mask) {
      const size_t home = Home(slots_[next]);
      if (((next - home) & mask) >= ((next - hole) & mask)) {
        slots_[hole] = slots_[next];
        slots_[next] = kEmpty;
        hole = next;
      }
    }
  }

  size_t size() const { return size_; }

 private:
  static constexpr uint64_t kEmpty = 0;

  // Zero marks an empty slot, so a zero digest is kept as one.
  static uint64_t Stored(uint64_t digest) { return digest == kEmpty ? 1 : digest; }

  // At most half full, so a search ends soon at an empty slot.
  static size_t SlotsFor(size_t members) {
    size_t slots = 16;
    while (slots < 2 * members) slots *= 2;
    return slots;
  }

  // The slot holding `stored`, or the empty one where it would go.
  // The digests come from a hash that may keep its low bits poor; mix them in from above.
  size_t Home(uint64_t stored) const {
    return static_cast<size_t>((stored * 0x9E3779B97F4A7C15ULL) >> 17) & (slots_.size() - 1);
  }

  size_t Find(uint64_t stored) const {
    const size_t mask = slots_.size() - 1;
    size_t slot = Home(stored);
    while (slots_[slot] != kEmpty && slots_[slot] != stored) slot = (slot + 1) & mask;
    return slot;
  }

  void Rehash(size_t slots) {
    std::vector<uint64_t> old(slots, kEmpty);
    old.swap(slots_);
    for (const uint64_t stored : old) {
      if (stored != kEmpty) slots_[Find(stored)] = stored;
    }
  }

  std::vector<uint64_t> slots_;
  size_t size_ = 0;
};

}  // namespace tokiwake

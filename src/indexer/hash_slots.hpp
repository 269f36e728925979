#pragma once
// An open-addressing hash table of 32-bit numbers (text numbers, entry
// indexes) whose keys live elsewhere: the caller gives each number's hash and
// says which number matches. Four bytes a slot, at most 70 % of them used, so
// a large crawl's lookups cost little memory.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

namespace quillon {

inline constexpr std::uint32_t kNoNumber = UINT32_MAX;

class HashSlots {
 public:
  explicit HashSlots(std::pmr::memory_resource* memory) : slots_(memory) {}

  // The number of this hash that matches, or kNoNumber.
  template <class Matches>
  std::uint32_t find(std::size_t hash, const Matches& matches) const {
    if (slots_.empty()) return kNoNumber;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
      const std::uint32_t number = slots_[at];
      if (number == kNoNumber || matches(number)) return number;
    }
  }

  // Adds a number that no other matches; hashOf gives the hash of any number
  // added, for moving them into a larger table.
  template <class HashOf>
  void insert(std::size_t hash, std::uint32_t number, const HashOf& hashOf) {
    if ((count_ + 1) * 10 > slots_.size() * 7) {
      std::pmr::vector<std::uint32_t> old(std::max<std::size_t>(slots_.size() * 2, kFirstSize), kNoNumber,
                                          slots_.get_allocator());
      old.swap(slots_);
      for (const std::uint32_t moved : old) {
        if (moved != kNoNumber) place(hashOf(moved), moved);
      }
    }
    place(hash, number);
    ++count_;
  }

 private:
  static constexpr std::size_t kFirstSize = 1024;

  void place(std::size_t hash, std::uint32_t number) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at] != kNoNumber) at = (at + 1) & mask;
    slots_[at] = number;
  }

  std::pmr::vector<std::uint32_t> slots_;  // a power of two of them
  std::size_t count_ = 0;
};

// Two numbers as one hash whose low bits, which pick the slot, depend on all of theirs.
inline std::size_t hashOfPair(std::uint32_t first, std::uint32_t second) {
  std::uint64_t x = (static_cast<std::uint64_t>(first) << 32) | second;
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  x ^= x >> 33;
  return static_cast<std::size_t>(x);
}

}  // namespace quillon

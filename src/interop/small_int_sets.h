#pragma once
// Small ordered sets and maps of numbers kept inside their owner: the
// boxes a play's record names, the errors a half's records carry, a box's
// put-outs by fielder.  A play makes dozens of them and each holds a few
// numbers; a tree node on the heap for every number cost more than the
// rest of the play's writing.  Past its room a set moves to the heap, so a
// larger one is still whole; cleared, it keeps its room.  They answer as
// std::set<int> and std::map<int, int> do for what the writer asks of them,
// and go through their numbers in order.

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace scorewick::interop {

namespace small_sets {

inline int KeyOf(int value) { return value; }
inline int KeyOf(const std::pair<int, int>& value) { return value.first; }

// Values in order of their keys, each key once: what the set and the map
// share.
template <typename T, std::size_t N>
class SortedRoom {
 public:
  std::size_t count(int key) const { return Find(key) ? 1 : 0; }  // 1 when key is there
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; }
  const T* begin() const { return Data(); }
  const T* end() const { return Data() + size_; }

 protected:
  T* End() { return Data() + size_; }
  // The first value whose key is not below key.
  T* LowerBound(int key) {
    return std::lower_bound(Data(), End(), key, [](const T& v, int k) { return KeyOf(v) < k; });
  }
  const T* Find(int key) const {
    const T* at =
        std::lower_bound(begin(), end(), key, [](const T& v, int k) { return KeyOf(v) < k; });
    return at != end() && KeyOf(*at) == key ? at : nullptr;
  }
  // Puts value at its place (where LowerBound found its key absent).
  T* InsertAt(T* at, T value) {
    const auto i = static_cast<std::size_t>(at - Data());
    if (size_ == Capacity()) Grow();
    T* first = Data();
    std::move_backward(first + i, first + size_, first + size_ + 1);
    first[i] = value;
    ++size_;
    return first + i;
  }

 private:
  T* Data() { return heap_.empty() ? local_.data() : heap_.data(); }
  const T* Data() const { return heap_.empty() ? local_.data() : heap_.data(); }
  std::size_t Capacity() const { return heap_.empty() ? N : heap_.size(); }
  void Grow() {
    std::vector<T> bigger(2 * Capacity());
    std::copy(begin(), end(), bigger.begin());
    heap_ = std::move(bigger);
  }

  std::array<T, N> local_{};
  std::size_t size_ = 0;
  std::vector<T> heap_;  // the room once local_ is outgrown
};

}  // namespace small_sets

class SmallIntSet : public small_sets::SortedRoom<int, 8> {
 public:
  // The value's place, and whether it was new.
  std::pair<const int*, bool> insert(int value) {
    int* at = LowerBound(value);
    if (at != End() && *at == value) return {at, false};
    return {InsertAt(at, value), true};
  }
};

class SmallIntMap : public small_sets::SortedRoom<std::pair<int, int>, 8> {
 public:
  using Entry = std::pair<int, int>;
  // The value of key, 0 put there first when it has none.
  int& operator[](int key) {
    Entry* at = LowerBound(key);
    if (at != End() && at->first == key) return at->second;
    return InsertAt(at, {key, 0})->second;
  }
  // The value of key, 0 when it has none.
  int at(int key) const {
    const Entry* e = Find(key);
    return e ? e->second : 0;
  }
};

}  // namespace scorewick::interop

#pragma once
// A short list of plain values kept inside its owner, for lists that are
// made by the hundred and nearly always hold a few: a play's moves with
// their codes and entries, the parts of a play's text as it is read.  A
// list of their own on the heap for each would cost more than the rest of
// the work.  Past its room the list moves to the heap, so a longer one is
// still whole.

#include <array>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace scorewick::interop {

template <typename T, std::size_t N>
class ShortList {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  void push_back(T value) {
    if (!spilled_ && size_ < N) {
      local_[size_++] = value;
      return;
    }
    if (!spilled_) {
      heap_.assign(local_.begin(), local_.begin() + size_);
      spilled_ = true;
    }
    heap_.push_back(value);
  }
  // more may be this list: its values are taken by place, as many as it
  // held, wherever they are kept meanwhile.
  void append(const ShortList& more) {
    const std::size_t n = more.size();
    for (std::size_t i = 0; i < n; ++i) push_back(more[i]);
  }
  std::size_t size() const { return spilled_ ? heap_.size() : size_; }
  bool empty() const { return size() == 0; }
  const T* begin() const { return spilled_ ? heap_.data() : local_.data(); }
  const T* end() const { return begin() + size(); }
  const T& front() const { return *begin(); }
  const T& back() const { return end()[-1]; }
  const T& operator[](std::size_t i) const { return begin()[i]; }

 private:
  std::array<T, N> local_{};
  std::size_t size_ = 0;  // of local_
  bool spilled_ = false;  // the values are in heap_
  std::vector<T> heap_;
};

}  // namespace scorewick::interop

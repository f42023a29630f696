#pragma once
// A growable array of bytes that a file is read into again and again: it
// keeps its capacity, and growing it leaves the new bytes as they are
// instead of zeroing them first (the read writes them at once), so that a
// reader going through thousands of files of different lengths never
// writes a byte twice.

#include <cstdint>
#include <memory>
#include <vector>

namespace scorewick {

// An allocator that default-initialises (for bytes: leaves alone) what a
// resize adds, rather than value-initialising (zeroing) it.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using ByteBuffer = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

}  // namespace scorewick

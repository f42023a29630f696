#pragma once
// A growable array of bytes that a file is read into again and again: it
// keeps its capacity, and growing it leaves the new bytes as they are
// instead of zeroing them first (the read writes them at once), so that a
// reader going through thousands of files of different lengths never
// writes a byte twice.  Its bytes begin on a cache line: the kernel copies
// a file into a buffer that does not several times slower.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace scorewick {

// An allocator that default-initialises (for bytes: leaves alone) what a
// resize adds, rather than value-initialising (zeroing) it, and whose
// blocks begin on a cache line.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  static constexpr std::align_val_t kAlignment{64};

  template <typename U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlignment)); }
  void deallocate(T* p, std::size_t) noexcept { ::operator delete(p, kAlignment); }

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

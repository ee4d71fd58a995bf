#pragma once

// Counts the allocations made on the threads that ask to be counted: every malloc and operator
// new where the C library or AddressSanitizer lets them be seen (so Qt's strings count too),
// operator new alone elsewhere (the Windows trees). It replaces the program's allocation
// functions, so exactly one source file of a program includes it.
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace CountedAllocations {

inline thread_local bool countedThread = false;
inline std::atomic<std::size_t> allocations{0};

inline void countThisThread()
{
    countedThread = true;
}

inline void noteAllocation()
{
    if (countedThread)
        allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace CountedAllocations

#if defined(__SANITIZE_ADDRESS__)

// AddressSanitizer's allocator calls these hooks for every allocation and release.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocation)(const volatile void *, std::size_t),
                                                         void (*onRelease)(const volatile void *));

namespace {

void onAllocation(const volatile void *, std::size_t)
{
    CountedAllocations::noteAllocation();
}

void onRelease(const volatile void *) {}

[[maybe_unused]] const bool hooksInstalled =
        __sanitizer_install_malloc_and_free_hooks(onAllocation, onRelease) != 0;

} // namespace

#elif defined(__GLIBC__)

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *memory, std::size_t size);

void *malloc(std::size_t size) noexcept
{
    CountedAllocations::noteAllocation();
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size) noexcept
{
    CountedAllocations::noteAllocation();
    return __libc_calloc(count, size);
}

void *realloc(void *memory, std::size_t size) noexcept
{
    CountedAllocations::noteAllocation();
    return __libc_realloc(memory, size);
}
}

#else

// The replaced operator new takes its memory from malloc, so the replaced delete frees it: the
// compiler, which sees both, takes them for a mismatched pair.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace CountedAllocations {

inline void *allocate(std::size_t size)
{
    noteAllocation();
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace CountedAllocations

void *operator new(std::size_t size)
{
    return CountedAllocations::allocate(size);
}

void *operator new[](std::size_t size)
{
    return CountedAllocations::allocate(size);
}

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return CountedAllocations::allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return CountedAllocations::allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory, std::size_t) noexcept
{
    std::free(memory);
}

#endif

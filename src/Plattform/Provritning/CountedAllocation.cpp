// Memory is what a drawing allocates, counted here for every library the
// program loads: the C library's allocator is wrapped, and each block
// counted by its usable size from when it is taken until it is given back.
// The count is the same for the same page on every run, unlike the address
// space, in which an allocator reserves room it may never touch.
//
// An allocation past the limit, or one that fails, ends the drawing process
// as too large. The decoders and renderers a page runs through often give
// up quietly where memory runs out (a JPEG 2000 or JBIG2 image left
// undrawn, a cairo surface put in an error state) and go on: the drawing
// would then finish cheaply within the limit, though a reader with more
// memory would take all it asked for.
//
// Sanitizer builds keep their own allocator, which counts what it has given
// out; a hook after each allocation holds that to the limit.
#include "Plattform/Provritning/CountedAllocation.h"

#include "Plattform/Provritning/PdfJudge.h"

#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <limits>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KONTOBOK_SANITIZED_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KONTOBOK_SANITIZED_ALLOCATOR 1
#endif

namespace {

constexpr uint64_t unlimited = std::numeric_limits<uint64_t>::max();

[[noreturn]] void outOfMemory() { _exit(pdfjudge::tooLarge); }

// The most this process may hold; `now` more, saturating.
std::atomic<uint64_t> most{unlimited};

uint64_t plus(uint64_t now, uint64_t more) { return more > unlimited - now ? unlimited : now + more; }

}  // namespace

#ifndef KONTOBOK_SANITIZED_ALLOCATOR

namespace {

// The usable bytes of the blocks this process holds.
std::atomic<uint64_t> held{0};

// Ends the process when `more` bytes would take what it holds past its
// limit: before the allocation is made, so that a huge one costs nothing.
void admit(uint64_t more) {
    const uint64_t now = held.load(std::memory_order_relaxed), limit = most.load(std::memory_order_relaxed);
    if (now > limit || more > limit - now) outOfMemory();
}

void* counted(void* p, bool asked) {
    if (!p) {
        if (asked) outOfMemory();
        return p;
    }
    const uint64_t size = malloc_usable_size(p);
    if (held.fetch_add(size, std::memory_order_relaxed) + size > most.load(std::memory_order_relaxed))
        outOfMemory();
    return p;
}

// Blocks taken before the wrapper was in place (the dynamic loader's) are
// given back uncounted: the count never goes below zero.
void given(uint64_t size) {
    uint64_t now = held.load(std::memory_order_relaxed);
    while (!held.compare_exchange_weak(now, now > size ? now - size : 0, std::memory_order_relaxed)) {
    }
}

}  // namespace

extern "C" {

void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);

void* malloc(size_t size) {
    admit(size);
    return counted(__libc_malloc(size), size > 0);
}
void* calloc(size_t count, size_t size) {
    size_t bytes = 0;
    if (__builtin_mul_overflow(count, size, &bytes)) outOfMemory();
    admit(bytes);
    return counted(__libc_calloc(count, size), bytes > 0);
}
// realloc(p, 0) frees and may answer null.
void* realloc(void* p, size_t size) {
    const uint64_t before = p ? malloc_usable_size(p) : 0;
    if (size > before) admit(size - before);
    void* moved = __libc_realloc(p, size);
    if (!moved && size > 0) outOfMemory();
    given(before);
    return counted(moved, false);
}
void* reallocarray(void* p, size_t count, size_t size) {
    size_t bytes = 0;
    if (__builtin_mul_overflow(count, size, &bytes)) outOfMemory();
    return realloc(p, bytes);
}
void free(void* p) {
    if (p) given(malloc_usable_size(p));
    __libc_free(p);
}
void* memalign(size_t alignment, size_t size) {
    admit(size);
    return counted(__libc_memalign(alignment, size), size > 0);
}
void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }
int posix_memalign(void** p, size_t alignment, size_t size) {
    // A bad alignment is the caller's error, not a lack of memory.
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    *p = memalign(alignment, size);
    return 0;
}
void* valloc(size_t size) { return memalign(size_t(getpagesize()), size); }
void* pvalloc(size_t size) {
    const size_t page = size_t(getpagesize());
    if (size > std::numeric_limits<size_t>::max() - page) outOfMemory();
    return memalign(page, size == 0 ? page : (size + page - 1) / page * page);
}

}  // extern "C"

void pdfjudge::holdAllocationsTo(uint64_t bytes) { most = plus(held, bytes); }

#else

extern "C" {
size_t __sanitizer_get_current_allocated_bytes();
int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t), void (*)(const volatile void*));
}

namespace {

void afterAllocation(const volatile void*, size_t) {
    if (__sanitizer_get_current_allocated_bytes() > most.load(std::memory_order_relaxed)) outOfMemory();
}
void afterFree(const volatile void*) {}

}  // namespace

void pdfjudge::holdAllocationsTo(uint64_t bytes) {
    most = plus(__sanitizer_get_current_allocated_bytes(), bytes);
    __sanitizer_install_malloc_and_free_hooks(afterAllocation, afterFree);
}

#endif

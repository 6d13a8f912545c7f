// An allocation that fails ends the drawing process as too large. The
// decoders and renderers a page runs through often give up quietly where
// memory runs out (a JPEG 2000 or JBIG2 image left undrawn, a cairo
// surface put in an error state) and go on: the drawing would then finish
// cheaply within the limit, though a reader with more memory would take
// all it asked for. So the C library's allocator is wrapped here, for
// every library the program loads.
//
// Sanitizer builds keep their own allocator, which ends the process itself
// when an allocation fails.
#include "Plattform/Provritning/PdfJudge.h"

#include <unistd.h>

#include <cerrno>
#include <cstddef>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KONTOBOK_SANITIZED_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KONTOBOK_SANITIZED_ALLOCATOR 1
#endif

#ifndef KONTOBOK_SANITIZED_ALLOCATOR

extern "C" {

void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);

namespace {

[[noreturn]] void outOfMemory() { _exit(pdfjudge::tooLarge); }

void* checked(void* p, bool asked) {
    if (!p && asked) outOfMemory();
    return p;
}

}  // namespace

void* malloc(size_t size) { return checked(__libc_malloc(size), size > 0); }
void* calloc(size_t count, size_t size) { return checked(__libc_calloc(count, size), count > 0 && size > 0); }
// realloc(p, 0) frees and may answer null.
void* realloc(void* p, size_t size) { return checked(__libc_realloc(p, size), size > 0); }
void free(void* p) { __libc_free(p); }
void* memalign(size_t alignment, size_t size) { return checked(__libc_memalign(alignment, size), size > 0); }
void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }
int posix_memalign(void** p, size_t alignment, size_t size) {
    // A bad alignment is the caller's error, not a lack of memory.
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    *p = memalign(alignment, size);
    return 0;
}

}  // extern "C"

#endif

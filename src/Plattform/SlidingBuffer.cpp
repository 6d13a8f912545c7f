#include "Plattform/SlidingBuffer.h"

#include <new>
#include <sys/mman.h>
#include <unistd.h>

SlidingBuffer::SlidingBuffer(size_t capacity) : capacity_(capacity) {
    // Reserved, not committed: only the pages written count against memory.
    void* p = mmap(nullptr, capacity_ == 0 ? 1 : capacity_, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    data_ = static_cast<uint8_t*>(p);
}

SlidingBuffer::~SlidingBuffer() { munmap(data_, capacity_ == 0 ? 1 : capacity_); }

void SlidingBuffer::releaseBefore(size_t offset) {
    static const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t end = offset / page * page;
    if (end <= released_) return;
    // Advice only: a refusal leaves the memory as it was, which is no harm.
    madvise(data_ + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

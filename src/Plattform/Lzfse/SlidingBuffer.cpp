#include "Plattform/Lzfse/SlidingBuffer.h"

#include "Plattform/Lzfse/LzfseMemory.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace lzfse {

SlidingBuffer::SlidingBuffer(size_t capacity, size_t smallest) : capacity_(std::max<size_t>(capacity, 1)) {
    bool backedOff = false;
    for (;;) {
        // Reserved, not committed: only the pages written count against memory.
        void* p = mmap(nullptr, capacity_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (p != MAP_FAILED) {
            data_ = static_cast<uint8_t*>(p);
            // Under a limit the first room granted is about all there is
            // left; take half of it, so that threads and the allocator
            // still find theirs.
            if (!backedOff && capacity_ < capacity && capacity_ / 2 >= smallest) {
                munmap(data_, capacity_);
                capacity_ /= 2;
                backedOff = true;
                continue;
            }
            return;
        }
        // A limit on address space (ulimit -v) refuses the whole; a smaller
        // room still serves every input that fits it.
        if (capacity_ / 2 < smallest) throw std::bad_alloc();
        capacity_ /= 2;
    }
}

SlidingBuffer::~SlidingBuffer() { munmap(data_, capacity_); }

void SlidingBuffer::releaseBefore(size_t offset) {
    if (offset <= released_) return;
    releaseWholePages({data_ + released_, offset - released_});
    // The buffer starts on a page, so only the page `offset` falls in stays.
    static const size_t page = size_t(sysconf(_SC_PAGESIZE));
    released_ = std::max(released_, offset / page * page);
}

}  // namespace lzfse

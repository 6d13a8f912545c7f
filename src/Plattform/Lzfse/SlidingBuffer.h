#pragma once
// A buffer that never moves: room for up to a given number of bytes is
// reserved in address space at once, memory is taken only as bytes are
// written, and the leading part its readers are done with is given back
// while the rest is still in use.
#include <cstddef>
#include <cstdint>

namespace lzfse {

class SlidingBuffer {
public:
    // Reserves room for `capacity` bytes or, where the process may not take
    // that much address space, for the most it can down to `smallest`.
    // Throws std::bad_alloc when not even that can be reserved.
    explicit SlidingBuffer(size_t capacity, size_t smallest = size_t(64) << 20);
    ~SlidingBuffer();
    SlidingBuffer(const SlidingBuffer&) = delete;
    SlidingBuffer& operator=(const SlidingBuffer&) = delete;

    uint8_t* data() const { return data_; }
    size_t capacity() const { return capacity_; }
    // Gives back the whole pages before `offset`; reading them afterwards
    // gives zeros.
    void releaseBefore(size_t offset);

private:
    uint8_t* data_;
    size_t capacity_;
    size_t released_ = 0;
};

}  // namespace lzfse

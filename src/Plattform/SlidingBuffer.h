#pragma once
// A buffer that never moves: room for up to a given number of bytes is
// reserved in address space at once, memory is taken only as bytes are
// written, and the leading part its readers are done with is given back
// while the rest is still in use.
#include <cstddef>
#include <cstdint>

class SlidingBuffer {
public:
    // Throws std::bad_alloc when the address space cannot be reserved.
    explicit SlidingBuffer(size_t capacity);
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

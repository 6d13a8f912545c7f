#pragma once
// What the windowed decoder's two ways of decoding share: the steps of the
// walk, which refuse a damaged stream alike, the window the blocks are
// decoded into, and the face each way shows the decoder.
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseBlockDecoders.h"
#include "Plattform/Lzfse/LzfseBlockWalker.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace lzfse {

class WindowedDecoder::Decoding {
public:
    virtual ~Decoding() = default;
    virtual std::span<const uint8_t> view(size_t offset, size_t need) = 0;
    virtual void finish() = 0;
    virtual size_t inputDone() const = 0;
};

// The walker's next block: true for a block, false at an end that gives
// exactly `size` bytes. Throws DamagedStream for a damaged block or a
// stream that ends before its size.
bool nextBlock(BlockWalker& walker, size_t size);
// Decodes the block `nextBlock` announced into `out`. Throws DamagedStream.
void decodeBlock(BlockWalker& walker, OutputWindow out);

// The decoded bytes still needed: the last `maxHistory` that later blocks may
// refer back to and what the reader has not taken, followed by room for the
// next block.
class DecodeWindow {
public:
    // Stream offset just past the last decoded byte.
    size_t end() const { return start_ + filled_; }
    // The decoded bytes from stream offset `offset` on; the window must
    // still hold that offset.
    std::span<const uint8_t> from(size_t offset) const {
        return {buffer_.get() + (offset - start_), end() - offset};
    }
    bool fits(size_t block) const { return filled_ + block <= capacity_; }
    // Makes room for a block of `block` bytes after the end, keeping the
    // history and whatever lies from `keepFrom` on (SIZE_MAX: the reader
    // needs nothing). Moves the bytes kept, so views into the window end.
    void makeRoom(size_t keepFrom, size_t block);
    // Where a block of `block` bytes goes; its room must have been made.
    OutputWindow nextBlock(size_t block) const { return {buffer_.get(), filled_, filled_ + block}; }
    void added(size_t block) { filled_ += block; }

private:
    std::unique_ptr<uint8_t[]> buffer_;
    size_t capacity_ = 0;
    size_t start_ = 0;   // stream offset of buffer_[0]
    size_t filled_ = 0;  // decoded bytes in the buffer
};

}  // namespace lzfse

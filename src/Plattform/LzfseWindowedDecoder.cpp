#include "Plattform/Lzfse.h"
#include "Plattform/LzfseBlockFeed.h"

#include <algorithm>
#include <cstring>

namespace lzfse {
namespace {

// Room for a few blocks of the usual size beside the history: the window is
// moved down only once per several blocks.
constexpr size_t usualWindow = 4 * maxHistory;

// Below these a thread of its own costs more than it saves. The input's
// size counts too: a stream that claims a large size is not believed until
// there is input enough to make it.
constexpr size_t smallestStreamWalkedAhead = size_t(4) << 20;
constexpr size_t smallestInputWalkedAhead = size_t(64) << 10;

bool walksAhead(WindowedDecoder::Ahead ahead, size_t inputSize, size_t size) {
    return ahead == WindowedDecoder::Ahead::always ||
           (ahead == WindowedDecoder::Ahead::whenLarge && size >= smallestStreamWalkedAhead &&
            inputSize >= smallestInputWalkedAhead);
}

}  // namespace

WindowedDecoder::WindowedDecoder(std::span<const uint8_t> in, size_t size, Ahead ahead)
    : blocks_(std::make_unique<BlockFeed>(in, size, walksAhead(ahead, in.size(), size))), size_(size) {}

WindowedDecoder::~WindowedDecoder() = default;

std::span<const uint8_t> WindowedDecoder::view(size_t offset, size_t need) {
    while (start_ + filled_ < offset + need) decodeNextBlock(offset);
    return {buffer_.get() + (offset - start_), start_ + filled_ - offset};
}

void WindowedDecoder::finish() {
    while (!finished_) decodeNextBlock(start_ + filled_);
}

size_t WindowedDecoder::inputDone() const { return blocks_->consumed(); }

void WindowedDecoder::decodeNextBlock(size_t keepFrom) {
    if (finished_) throw DamagedStream("the stream ends before its size");
    switch (blocks_->next()) {
        case BlockWalker::Next::damaged:
            throw DamagedStream("a damaged block");
        case BlockWalker::Next::end:
            if (blocks_->produced() != size_) throw DamagedStream("the stream ends before its size");
            finished_ = true;
            return;
        case BlockWalker::Next::block:
            break;
    }
    const size_t block = blocks_->blockSize();
    const size_t end = start_ + filled_;
    if (filled_ + block > capacity_) {
        // Keep what the reader has not taken and what later blocks may
        // refer back to; drop the rest.
        size_t keep = std::min(keepFrom, end > maxHistory ? end - maxHistory : 0);
        keep = std::max(keep, start_);
        const size_t kept = end - keep;
        if (kept + block > capacity_) {
            size_t capacity = std::max(kept + block, usualWindow);
            auto larger = std::make_unique_for_overwrite<uint8_t[]>(capacity);
            if (kept > 0) std::memcpy(larger.get(), buffer_.get() + (keep - start_), kept);
            buffer_ = std::move(larger);
            capacity_ = capacity;
        } else if (keep > start_) {
            std::memmove(buffer_.get(), buffer_.get() + (keep - start_), kept);
        }
        start_ = keep;
        filled_ = kept;
    }
    if (!blocks_->decode({buffer_.get(), filled_, filled_ + block})) throw DamagedStream("a damaged block");
    filled_ += block;
}

}  // namespace lzfse

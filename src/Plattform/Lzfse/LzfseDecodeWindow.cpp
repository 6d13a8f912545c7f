#include "Plattform/Lzfse/LzfseDecodeWindow.h"

#include "Plattform/Lzfse/LzfseFormat.h"

#include <algorithm>
#include <cstring>

namespace lzfse {
namespace {

// Room for a few blocks of the usual size beside the history: the window is
// moved down only once per several blocks.
constexpr size_t usualWindow = 4 * maxHistory;

}  // namespace

bool nextBlock(BlockWalker& walker, size_t size) {
    switch (walker.next()) {
        case BlockWalker::Next::damaged:
            throw DamagedStream("a damaged block");
        case BlockWalker::Next::end:
            if (walker.produced() != size) throw DamagedStream("the stream ends before its size");
            return false;
        case BlockWalker::Next::block:
            break;
    }
    return true;
}

void decodeBlock(BlockWalker& walker, OutputWindow out) {
    if (!walker.decode(out)) throw DamagedStream("a damaged block");
}

void DecodeWindow::makeRoom(size_t keepFrom, size_t block) {
    if (fits(block)) return;
    const size_t end = this->end();
    size_t keep = std::min(keepFrom, end > maxHistory ? end - maxHistory : 0);
    keep = std::max(keep, start_);
    const size_t kept = end - keep;
    if (kept + block > capacity_) {
        const size_t capacity = std::max(kept + block, usualWindow);
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

}  // namespace lzfse

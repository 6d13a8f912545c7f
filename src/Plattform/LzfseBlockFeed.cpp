#include "Plattform/LzfseBlockFeed.h"

#include <system_error>

namespace lzfse {

BlockFeed::BlockFeed(std::span<const uint8_t> in, size_t limit, bool ahead) : walker_(in, limit) {
    if (!ahead) return;
    // The walk's thread must not allocate: it has no caller to throw to.
    for (Block& block : slots_) block.symbols.makeRoom();
    try {
        thread_ = std::thread([this] { walkAhead(); });
    } catch (const std::system_error&) {
        // No thread to be had (a limit on threads or address space): the
        // walk goes in step with the copies, as for a small stream.
    }
}

BlockFeed::~BlockFeed() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

// The walker's next block into `block`, with its symbols decoded.
void BlockFeed::fill(Block& block) {
    block.next = walker_.next();
    block.produced = walker_.produced();
    block.consumed = walker_.consumed();
    if (block.next != BlockWalker::Next::block) return;
    block.size = walker_.blockSize();
    block.magic = walker_.magic();
    block.payload = walker_.payload();
    block.symbolsSound = !isLzfseBlock(block.magic) || walker_.decodeSymbols(block.symbols);
}

// On the walk's thread: fills the slots in turn, each once its block has
// been handed back, until the walk ends or the feed goes away.
void BlockFeed::walkAhead() {
    for (size_t n = 0;; ++n) {
        Block& block = slots_[n % slots_.size()];
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stopping_ || !block.ready; });
            if (stopping_) return;
        }
        fill(block);  // the slot is the walk's alone until it is marked ready
        {
            std::lock_guard lock(mutex_);
            block.ready = true;
        }
        changed_.notify_all();
        if (block.next != BlockWalker::Next::block) return;
    }
}

BlockWalker::Next BlockFeed::next() {
    // Once the walk has ended it stays ended.
    if (handedOut_ > 0 && current().next != BlockWalker::Next::block) return current().next;
    Block& block = slots_[handedOut_ % slots_.size()];
    if (!thread_.joinable()) {
        fill(block);
    } else {
        std::unique_lock lock(mutex_);
        if (handedOut_ > 0) {
            // The caller is done with the block before: its slot goes back.
            slots_[(handedOut_ - 1) % slots_.size()].ready = false;
            changed_.notify_all();
        }
        changed_.wait(lock, [&] { return block.ready; });
    }
    ++handedOut_;
    return block.next;
}

size_t BlockFeed::blockSize() const { return current().size; }
size_t BlockFeed::produced() const { return handedOut_ > 0 ? current().produced : 0; }
size_t BlockFeed::consumed() const { return handedOut_ > 0 ? current().consumed : 0; }

bool BlockFeed::decode(OutputWindow out) {
    const Block& block = current();
    return block.symbolsSound && decodeBlock(block.magic, block.payload, block.symbols, out);
}

}  // namespace lzfse

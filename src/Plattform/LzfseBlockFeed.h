#pragma once
// The blocks of a stream for the windowed decoder, walked either in step
// with their copies or on a thread of its own a block or two ahead: that
// thread reads the headers and decodes the symbols of each LZFSE block
// (about two fifths of the decoding) while the caller's thread copies the
// previous block into its output. Same use as BlockWalker.
#include "Plattform/LzfseBlockWalker.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

namespace lzfse {

class BlockFeed {
public:
    // With `ahead`, walks on a thread when one can be started.
    BlockFeed(std::span<const uint8_t> in, size_t limit, bool ahead);
    ~BlockFeed();
    BlockFeed(const BlockFeed&) = delete;
    BlockFeed& operator=(const BlockFeed&) = delete;

    BlockWalker::Next next();
    size_t blockSize() const;
    bool decode(OutputWindow out);
    size_t produced() const;
    // Bytes of input the walk is done with: up to the end of the block
    // `next` announced, never further, since a payload read ahead is still
    // to be copied from.
    size_t consumed() const;

private:
    // A block as the walk found it, kept for its copies.
    struct Block {
        BlockWalker::Next next = BlockWalker::Next::end;
        size_t size = 0, produced = 0, consumed = 0;
        uint32_t magic = 0;
        std::span<const uint8_t> payload;
        bool symbolsSound = false;
        LzfseSymbols symbols;
        bool ready = false;  // filled by the walk's thread, not yet handed back
    };

    void fill(Block& block);
    void walkAhead();
    const Block& current() const { return slots_[(handedOut_ - 1) % slots_.size()]; }

    BlockWalker walker_;
    std::array<Block, 2> slots_;
    size_t handedOut_ = 0;  // blocks next() has returned
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace lzfse

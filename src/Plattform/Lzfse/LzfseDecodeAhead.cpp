#include "Plattform/Lzfse/LzfseDecodeAhead.h"

#include "Plattform/Lzfse/ThreadName.h"

namespace lzfse {

DecodingAhead::DecodingAhead(std::span<const uint8_t> in, size_t size)
    : walker_(in, size), size_(size), thread_([this] { decodeAll(); }) {}

DecodingAhead::~DecodingAhead() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void DecodingAhead::decodeAll() {
    nameThisThread("lzfse ahead");
    std::exception_ptr failure;
    try {
        decodeBlocks();
    } catch (...) {
        // Damage, or room for a block's symbols not to be had: the reader
        // is told when it needs what the thread could not give.
        failure = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    ended_ = true;
    failure_ = failure;
    changed_.notify_all();
}

void DecodingAhead::decodeBlocks() {
    while (nextBlock(walker_, size_)) {
        const size_t block = walker_.blockSize();
        const size_t consumed = walker_.consumed();
        OutputWindow out;
        {
            std::unique_lock lock(mutex_);
            if (!window_.fits(block)) {
                roomWanted_ = block;
                if (readerWaiting_) changed_.notify_all();
                changed_.wait(lock, [&] { return stopping_ || roomWanted_ == 0; });
            }
            if (stopping_) return;
            out = window_.nextBlock(block);
        }
        decodeBlock(walker_, out);
        std::lock_guard lock(mutex_);
        window_.added(block);
        // The block's input is read for good only once it is decoded.
        inputDone_.store(consumed, std::memory_order_release);
        if (readerWaiting_) changed_.notify_all();
        if (stopping_) return;
    }
}

template <class Done>
void DecodingAhead::serveUntil(std::unique_lock<std::mutex>& lock, size_t keepFrom, Done done) {
    for (;;) {
        // Room is made whenever the reader comes by, not only when it has
        // to wait: the thread then goes on while the reader reads.
        if (roomWanted_ > 0) {
            window_.makeRoom(keepFrom, roomWanted_);
            roomWanted_ = 0;
            changed_.notify_all();
        }
        if (done()) return;
        if (failure_) std::rethrow_exception(failure_);
        if (ended_) throw DamagedStream("the stream ends before its size");
        readerWaiting_ = true;
        changed_.wait(lock);
        readerWaiting_ = false;
    }
}

std::span<const uint8_t> DecodingAhead::view(size_t offset, size_t need) {
    std::unique_lock lock(mutex_);
    serveUntil(lock, offset, [&] { return window_.end() >= offset + need; });
    return window_.from(offset);
}

void DecodingAhead::finish() {
    std::unique_lock lock(mutex_);
    serveUntil(lock, SIZE_MAX, [&] { return ended_ && !failure_; });
}

}  // namespace lzfse

#pragma once
// Decoding a large stream on a thread of its own, ahead of the reader: the
// thread decodes block after block into the window while the reader's
// thread reads what is already there, so that decoding costs the reader
// little more than waiting for a block now and then.
//
// The window is shared: the thread writes only past its end, the reader
// reads only before it, and only the reader moves or grows the window,
// when the thread, out of room, waits for it to do so. A view handed out
// therefore stays valid until the reader's next call, as the decoder
// promises.
#include "Plattform/Lzfse/LzfseBlockWalker.h"
#include "Plattform/Lzfse/LzfseDecodeWindow.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <span>
#include <thread>

namespace lzfse {

class DecodingAhead final : public WindowedDecoder::Decoding {
public:
    // Throws std::system_error when no thread can be started.
    DecodingAhead(std::span<const uint8_t> in, size_t size);
    ~DecodingAhead() override;

    std::span<const uint8_t> view(size_t offset, size_t need) override;
    void finish() override;
    size_t inputDone() const override { return inputDone_.load(std::memory_order_acquire); }

private:
    // On the thread.
    void decodeAll();
    void decodeBlocks();
    // On the reader's thread: waits until `done` holds, making room for the
    // thread whenever it asks, the reader's bytes kept from `keepFrom` on.
    // Throws what stopped the thread.
    template <class Done>
    void serveUntil(std::unique_lock<std::mutex>& lock, size_t keepFrom, Done done);

    BlockWalker walker_;  // the thread's alone
    size_t size_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // Guarded by mutex_; the bytes past the window's end belong to the
    // thread while it decodes a block into them.
    DecodeWindow window_;
    size_t roomWanted_ = 0;  // a block the thread waits room for
    bool readerWaiting_ = false;
    bool stopping_ = false;
    bool ended_ = false;  // the thread is done: the whole stream is in, or failure_ says why not
    std::exception_ptr failure_;
    std::atomic<size_t> inputDone_{0};
    std::thread thread_;  // last, so that it starts with everything above in place
};

}  // namespace lzfse

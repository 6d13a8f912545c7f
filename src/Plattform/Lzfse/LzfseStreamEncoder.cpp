// The stream encoder for input that comes a piece at a time. The parse is
// the one the whole-input encoder makes: a segment is parsed only once the
// bytes a parse may look ahead at are in, and it replays the window before
// it, so which matches are found never depends on how the input was cut
// into pieces. The writer's thread only copies the pieces in; a thread of
// the encoder joins the segments' parses and writes the blocks meanwhile.
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseBlockAssembler.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"
#include "Plattform/Lzfse/SlidingBuffer.h"
#include "Plattform/Lzfse/ThreadName.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace lzfse {
namespace {

// Below this the whole-input encoder may choose an LZVN block, which a
// parse in segments cannot.
constexpr size_t smallestStreamedInput = 16384;

// Thrown to the parse's threads when the encoder is dropped unfinished.
class Abandoned : public std::exception {
public:
    const char* what() const noexcept override { return "the encoding was abandoned"; }
};

}  // namespace

class StreamEncoder::Pipeline : public ParseInput {
public:
    explicit Pipeline(const Options& options)
        : options_(options),
          buffer_(options.largestInput),
          // Room for the window, a few segments being parsed and their look-ahead.
          runAhead_(MatchTables::windowSize + (options.threads + 2) * options.segment + parseLookahead),
          joiner_([this] { join(); }) {}

    ~Pipeline() override {
        abandon();
        if (joiner_.joinable()) joiner_.join();
    }

    // On the writer's thread.
    void write(std::span<const uint8_t> bytes) {
        size_t at;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return error_ || done_ || written_ - std::min(written_, parseFloor_) <= runAhead_; });
            if (error_) std::rethrow_exception(error_);
            at = written_;
        }
        if (bytes.size() > buffer_.capacity() - at) throw std::length_error("the input is too large to encode");
        // Readers only look below `written_`, so the copy needs no lock.
        std::memcpy(buffer_.data() + at, bytes.data(), bytes.size());
        {
            std::lock_guard lock(mutex_);
            written_ += bytes.size();
        }
        changed_.notify_all();
    }

    Bytes finish() {
        {
            std::lock_guard lock(mutex_);
            ended_ = true;
        }
        changed_.notify_all();
        joiner_.join();
        if (error_) std::rethrow_exception(error_);
        return std::move(out_);
    }

    std::span<const uint8_t> await(size_t need) override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return abandoned_ || ended_ || written_ >= need; });
        if (abandoned_) throw Abandoned();
        return {buffer_.data(), written_};
    }

    void abandon() override {
        {
            std::lock_guard lock(mutex_);
            abandoned_ = true;
        }
        changed_.notify_all();
    }

private:
    // On the encoder's own thread: the parse, the blocks, and giving back
    // the input no one will read again.
    void join() {
        nameThisThread("lzfse join");
        try {
            BlockAssembler blocks({buffer_.data(), buffer_.capacity()}, out_);
            size_t literalStart = 0;
            auto found = [&](size_t start, uint32_t length, uint32_t distance) {
                blocks.add(literalStart, start - literalStart, length, distance);
                literalStart = start + length;
            };
            auto joined = [&](size_t joinedTo) {
                const size_t floor = joinedTo > MatchTables::windowSize ? joinedTo - MatchTables::windowSize : 0;
                buffer_.releaseBefore(std::min({blocks.pendingFrom(), literalStart, floor}));
                {
                    std::lock_guard lock(mutex_);
                    parseFloor_ = floor;
                }
                changed_.notify_all();
            };
            parseInSegments(*this, maxD, options_.segment, options_.threads, found, joined);
            size_t n;
            {
                std::lock_guard lock(mutex_);
                n = written_;  // final: the input has ended
            }
            blocks.add(literalStart, n - literalStart, 0, 0);
            blocks.finish();
            appendLe32(out_, magicEnd);
        } catch (...) {
            std::lock_guard lock(mutex_);
            error_ = std::current_exception();
        }
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
    }

    const Options options_;
    SlidingBuffer buffer_;
    const size_t runAhead_;  // how far the writer may run ahead of the parse
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t written_ = 0;
    size_t parseFloor_ = 0;  // the parse reads nothing before this any more
    bool ended_ = false, abandoned_ = false, done_ = false;
    std::exception_ptr error_;
    Bytes out_;
    std::thread joiner_;  // last: started once everything it uses is ready
};

StreamEncoder::StreamEncoder(Options options) : options_(options) {
    if (options_.threads == 0) options_.threads = std::max(1u, std::thread::hardware_concurrency());
    options_.segment = std::max<size_t>(options_.segment, 1);
    options_.streamFrom = std::max(options_.streamFrom, smallestStreamedInput);
}

StreamEncoder::~StreamEncoder() = default;

void StreamEncoder::write(std::span<const uint8_t> bytes) {
    if (bytes.size() > options_.largestInput - size_) throw std::length_error("the input is too large to encode");
    size_ += bytes.size();
    if (pipeline_) return pipeline_->write(bytes);
    small_.insert(small_.end(), bytes.begin(), bytes.end());
    if (size_ < options_.streamFrom) return;
    pipeline_ = std::make_unique<Pipeline>(options_);
    pipeline_->write(small_);
    Bytes().swap(small_);
}

Bytes StreamEncoder::finish() {
    if (!pipeline_) {
        Bytes whole = encode(small_);
        Bytes().swap(small_);
        return whole;
    }
    Bytes out = pipeline_->finish();
    pipeline_.reset();
    return out;
}

}  // namespace lzfse

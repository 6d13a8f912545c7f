#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseDecodeAhead.h"
#include "Plattform/Lzfse/LzfseDecodeWindow.h"

#include <system_error>

namespace lzfse {
namespace {

// Below these a thread of its own costs more than it saves. The input's
// size counts too: a stream that claims a large size is not believed until
// there is input enough to make it.
constexpr size_t smallestStreamDecodedAhead = size_t(4) << 20;
constexpr size_t smallestInputDecodedAhead = size_t(64) << 10;

bool decodesAhead(WindowedDecoder::Ahead ahead, size_t inputSize, size_t size) {
    return ahead == WindowedDecoder::Ahead::always ||
           (ahead == WindowedDecoder::Ahead::whenLarge && size >= smallestStreamDecodedAhead &&
            inputSize >= smallestInputDecodedAhead);
}

// Each block decoded on the reader's thread when the reader first needs a
// byte of it.
class DecodingInStep final : public WindowedDecoder::Decoding {
public:
    DecodingInStep(std::span<const uint8_t> in, size_t size) : walker_(in, size), size_(size) {}

    std::span<const uint8_t> view(size_t offset, size_t need) override {
        while (window_.end() < offset + need) decodeNextBlock(offset);
        return window_.from(offset);
    }
    void finish() override {
        while (!finished_) decodeNextBlock(SIZE_MAX);
    }
    size_t inputDone() const override { return walker_.consumed(); }

private:
    void decodeNextBlock(size_t keepFrom) {
        if (finished_) throw DamagedStream("the stream ends before its size");
        if (!nextBlock(walker_, size_)) {
            finished_ = true;
            return;
        }
        const size_t block = walker_.blockSize();
        window_.makeRoom(keepFrom, block);
        decodeBlock(walker_, window_.nextBlock(block));
        window_.added(block);
    }

    BlockWalker walker_;
    size_t size_;
    DecodeWindow window_;
    bool finished_ = false;
};

}  // namespace

WindowedDecoder::WindowedDecoder(std::span<const uint8_t> in, size_t size, Ahead ahead) {
    if (decodesAhead(ahead, in.size(), size)) {
        try {
            decoding_ = std::make_unique<DecodingAhead>(in, size);
            return;
        } catch (const std::system_error&) {
            // No thread to be had (a limit on threads or address space):
            // the blocks are decoded in step, as for a small stream.
        }
    }
    decoding_ = std::make_unique<DecodingInStep>(in, size);
}

WindowedDecoder::~WindowedDecoder() = default;

std::span<const uint8_t> WindowedDecoder::view(size_t offset, size_t need) { return decoding_->view(offset, need); }
void WindowedDecoder::finish() { decoding_->finish(); }
size_t WindowedDecoder::inputDone() const { return decoding_->inputDone(); }

}  // namespace lzfse

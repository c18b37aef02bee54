// libFuzzer entry: any bytes through frame search and decoding of every layer.
#include "MpegStreamDecoder.h"

#include <cstring>

namespace {
class BlockSource : public mpeg::ByteSource {
public:
    BlockSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Read(uint8_t* buffer, size_t count) override
    {
        // Hand out small pieces so refills happen at every possible place.
        size_t n = count < 977 ? count : 977;
        if (n > size_ - position_)
            n = size_ - position_;
        if (n)
            std::memcpy(buffer, data_ + position_, n);
        position_ += n;
        return n;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static mpeg::MpegStreamDecoder decoder;
    BlockSource source(data, size);
    decoder.SetSource(&source);
    decoder.SetCrcCheck(size % 2 == 0);
    decoder.Restart(0, true);
    static int16_t pcm[1152 * 2];
    for (int frames = 0; frames < 10000 && decoder.DecodeNext(pcm) >= 0; ++frames) {
    }
    return 0;
}

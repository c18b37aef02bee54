// libFuzzer entry: any bytes through the stream-head analysis, frame search and decoding of every layer.
#include "MpegStreamDecoder.h"
#include "StreamHead.h"

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
    const int64_t tag = mpeg::StreamHead::Id3v2Size(data, size);
    const size_t at = tag > 0 && static_cast<uint64_t>(tag) < size ? static_cast<size_t>(tag) : 0;
    const mpeg::StreamHead head = mpeg::StreamHead::Analyse(data + at, size - at, static_cast<int64_t>(size), tag);
    if (head.valid)
        head.FractionToFileFraction(static_cast<double>(data[size - 1]) / 255.0);

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

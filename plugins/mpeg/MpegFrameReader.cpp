#include "MpegFrameReader.h"

#include <cstring>

namespace mpeg {

void MpegFrameReader::Restart(int64_t streamOffset, bool atStreamStart)
{
    cursor_ = filled_ = 0;
    ended_ = false;
    bufferOffset_ = streamOffset;
    frameOffset_ = streamOffset;
    inStep_ = false;
    atStart_ = atStreamStart;
}

bool MpegFrameReader::Ensure(size_t count)
{
    if (filled_ - cursor_ >= count)
        return true;
    if (cursor_ > 0) {
        std::memmove(buffer_, buffer_ + cursor_, filled_ - cursor_);
        bufferOffset_ += static_cast<int64_t>(cursor_);
        filled_ -= cursor_;
        cursor_ = 0;
    }
    while (!ended_ && filled_ < kBufferSize && filled_ < count + 16384) {
        size_t got = source_ ? source_->Read(buffer_ + filled_, kBufferSize - filled_) : 0;
        if (got == 0)
            ended_ = true;
        filled_ += got;
    }
    std::memset(buffer_ + filled_, 0, 8);
    return filled_ - cursor_ >= count;
}

bool MpegFrameReader::SkipId3()
{
    if (!Ensure(10) || std::memcmp(buffer_ + cursor_, "ID3", 3) != 0)
        return false;
    const uint8_t* s = buffer_ + cursor_ + 6;
    if ((s[0] | s[1] | s[2] | s[3]) & 0x80)
        return false;
    int64_t size = 10 + ((int64_t(s[0]) << 21) | (int64_t(s[1]) << 14) | (int64_t(s[2]) << 7) | s[3]);
    if (buffer_[cursor_ + 5] & 0x10)
        size += 10;  // footer
    while (size > 0) {
        if (!Ensure(1))
            return true;
        size_t step = filled_ - cursor_;
        if (static_cast<int64_t>(step) > size)
            step = static_cast<size_t>(size);
        cursor_ += step;
        skipped_ += static_cast<int64_t>(step);
        size -= static_cast<int64_t>(step);
    }
    return true;
}

// Length of the frame whose header is at the cursor; 0 when it cannot be told.
int MpegFrameReader::FrameLength(const FrameHeader& header)
{
    if (!header.IsFreeFormat())
        return header.frameBytes;
    const int pad = header.padding ? header.SlotBytes() : 0;
    if (freeBytes_ != 0 && header.SameStream(last_))
        return freeBytes_ + pad;
    // Measure: the next header with the same fixed fields.
    Ensure(kMaxFrameBytes + 4);  // or whatever is left
    const size_t at = cursor_;
    const uint32_t mask = 0xFFFEFC00u;  // sync, version, layer, bit rate, sampling frequency
    const uint8_t* h = buffer_ + at;
    const uint32_t word = (uint32_t(h[0]) << 24) | (uint32_t(h[1]) << 16) | (uint32_t(h[2]) << 8) | h[3];
    for (size_t d = 16; at + d + 4 <= filled_ && d <= static_cast<size_t>(kMaxFrameBytes); ++d) {
        const uint8_t* n = h + d;
        uint32_t next = (uint32_t(n[0]) << 24) | (uint32_t(n[1]) << 16) | (uint32_t(n[2]) << 8) | n[3];
        if ((next & mask) == (word & mask)) {
            int length = static_cast<int>(d) - pad;
            if (length <= 0)
                continue;
            freeBytes_ = length;
            int slots = header.layer == 1 ? length / 4 : length;
            int64_t bitsPerFrame = int64_t(slots) * (header.layer == 1 ? 32 : 8);
            freeKbps_ = static_cast<int>(bitsPerFrame * header.sampleRate / header.samplesPerFrame / 1000);
            return static_cast<int>(d);
        }
    }
    return 0;
}

bool MpegFrameReader::Next(const uint8_t*& frame, size_t& frameBytes, FrameHeader& header)
{
    if (atStart_) {
        atStart_ = false;
        SkipId3();
    }
    for (;;) {
        if (!Ensure(4))
            return false;
        FrameHeader h;
        const uint8_t* p = buffer_ + cursor_;
        if (p[0] != 0xFF || !FrameHeader::Parse(p, h)) {
            ++cursor_;
            ++skipped_;
            inStep_ = false;
            continue;
        }
        int length = FrameLength(h);
        if (length < 4 || length > kMaxFrameBytes) {
            ++cursor_;
            ++skipped_;
            inStep_ = false;
            continue;
        }
        const size_t size = static_cast<size_t>(length);
        const bool haveNext = Ensure(size + 4);
        p = buffer_ + cursor_;
        if (!haveNext && filled_ - cursor_ < size) {
            // A frame cut off by the end of the data: nothing more to decode.
            skipped_ += static_cast<int64_t>(filled_ - cursor_);
            cursor_ = filled_;
            return false;
        }
        const bool confirmed = inStep_ && h.SameStream(last_);
        if (!confirmed && haveNext) {
            FrameHeader next;
            if (!FrameHeader::Parse(p + size, next) || !next.SameStream(h)) {
                ++cursor_;
                ++skipped_;
                inStep_ = false;
                continue;
            }
        }
        frame = p;
        frameBytes = size;
        header = h;
        frameOffset_ = bufferOffset_ + static_cast<int64_t>(cursor_);
        cursor_ += size;
        last_ = h;
        inStep_ = true;
        return true;
    }
}

} // namespace mpeg

#pragma once
#include "FrameHeader.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mpeg {

// Where the frame reader gets its bytes. Read returns how many bytes it placed (fewer
// than asked only at the end of the data, 0 at the end).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual size_t Read(uint8_t* buffer, size_t count) = 0;
};

// A source over bytes already in memory, which must outlive it.
class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Read(uint8_t* buffer, size_t count) override
    {
        const size_t n = count < size_ - position_ ? count : size_ - position_;
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

// Finds frames in a byte stream. A header found while searching is taken only when the
// header one frame further on belongs to the same stream (or the data ends there), so
// stray sync patterns in tags or damaged data are passed over; once in step, frames follow
// each other directly. An ID3v2 tag at the start is skipped; free-format frame lengths are
// measured from the distance to the next header. Fixed buffer; never allocates.
class MpegFrameReader {
public:
    static constexpr size_t kBufferSize = 65536;
    static constexpr int kMaxFrameBytes = 8192;

    explicit MpegFrameReader(ByteSource* source = nullptr) : source_(source) {}
    void SetSource(ByteSource* source) { source_ = source; }

    // Forgets buffered bytes and sync; streamOffset is the byte offset the source is at now.
    void Restart(int64_t streamOffset, bool atStreamStart);

    // The next frame; false at the end of the data. frame stays valid until the next call.
    bool Next(const uint8_t*& frame, size_t& frameBytes, FrameHeader& header);

    int64_t FrameOffset() const { return frameOffset_; }        // stream offset of the last frame
    int64_t ConsumedOffset() const { return bufferOffset_ + static_cast<int64_t>(cursor_); }
    int64_t SkippedBytes() const { return skipped_; }            // bytes passed over while searching
    int FreeFormatKbps() const { return freeKbps_; }

private:
    bool Ensure(size_t count);
    int FrameLength(const FrameHeader& header);
    bool SkipId3();

    ByteSource* source_;
    uint8_t buffer_[kBufferSize + 8] = {};
    size_t cursor_ = 0;
    size_t filled_ = 0;
    bool ended_ = false;
    int64_t bufferOffset_ = 0;
    int64_t frameOffset_ = 0;
    int64_t skipped_ = 0;
    bool inStep_ = false;
    bool atStart_ = true;
    FrameHeader last_;
    int freeBytes_ = 0;  // free-format frame length without padding, 0 when unknown
    int freeKbps_ = 0;
};

} // namespace mpeg

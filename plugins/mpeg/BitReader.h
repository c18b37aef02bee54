#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mpeg {

// Reads big-endian bit fields from a byte block. Reads past the end of the block return
// zero bits and mark the reader as overrun, so damaged lengths in a stream never reach
// outside the block; callers check Overrun() where it matters.
class BitReader {
public:
    BitReader() = default;
    BitReader(const uint8_t* data, size_t sizeBytes) : data_(data), sizeBytes_(sizeBytes) {}

    uint32_t Read(int count)
    {
        uint32_t value = Peek(count);
        position_ += static_cast<size_t>(count);
        return value;
    }
    bool ReadBit() { return Read(1) != 0; }

    // Up to 32 bits, most significant first, without moving.
    uint32_t Peek(int count) const
    {
        if (count == 0)
            return 0;
        return static_cast<uint32_t>(Peek64() >> (64 - count));
    }

    // The next 64 bits (zero beyond the block); at least 57 of them are exact.
    uint64_t Peek64() const { return WordAt(position_); }

    // The same from any bit position.
    uint64_t WordAt(size_t bitPosition) const
    {
        const size_t byte = bitPosition >> 3;
        uint64_t word = 0;
        if (byte + 8 <= sizeBytes_) {
            std::memcpy(&word, data_ + byte, 8);
            word = __builtin_bswap64(word);
        } else {
            for (size_t i = 0; i < 8; ++i) {
                word <<= 8;
                if (byte + i < sizeBytes_)
                    word |= data_[byte + i];
            }
        }
        return word << (bitPosition & 7);
    }

    void Skip(size_t count) { position_ += count; }
    size_t Position() const { return position_; }
    void SetPosition(size_t bitPosition) { position_ = bitPosition; }
    size_t SizeBits() const { return sizeBytes_ * 8; }
    bool Overrun() const { return position_ > sizeBytes_ * 8; }

private:
    const uint8_t* data_ = nullptr;
    size_t sizeBytes_ = 0;
    size_t position_ = 0;
};

} // namespace mpeg

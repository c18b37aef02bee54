#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Little-endian field writer for the binary document formats.
class ByteWriter {
public:
    void U8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U16Be(uint16_t v) { U8(static_cast<uint8_t>(v >> 8)); U8(static_cast<uint8_t>(v)); }
    void U32(uint32_t v) { for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(v >> (8 * i))); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void F32(float v) { U32(std::bit_cast<uint32_t>(v)); }
    void F64(double v)
    {
        const uint64_t bits = std::bit_cast<uint64_t>(v);
        U32(static_cast<uint32_t>(bits));
        U32(static_cast<uint32_t>(bits >> 32));
    }
    void Bytes(std::string_view bytes) { out_.append(bytes); }
    // Text in a fixed field: the text, then zeros up to `size` (the text must
    // leave room for its terminator).
    void Text(std::string_view text, std::size_t size)
    {
        const std::size_t n = text.size() < size ? text.size() : size - 1;
        out_.append(text.substr(0, n));
        out_.append(size - n, '\0');
    }
    std::string& Data() { return out_; }

private:
    std::string out_;
};

// Bounded little-endian reader: every read checks the remaining length first,
// so a short or damaged file can never be read past its end.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    std::size_t Offset() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool Has(std::size_t n) const { return Remaining() >= n; }

    // Callers check Has() first.
    uint8_t U8() { return static_cast<uint8_t>(data_[pos_++]); }
    uint32_t U32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(U8()) << (8 * i);
        return v;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }
    double F64()
    {
        const uint64_t lo = U32();
        const uint64_t hi = U32();
        return std::bit_cast<double>(lo | (hi << 32));
    }
    // A fixed text field; the text ends at the first zero byte or, when there is
    // none, at the field's last byte, which is treated as the terminator.
    std::string Text(std::size_t size)
    {
        std::string_view field = data_.substr(pos_, size);
        pos_ += size;
        const std::size_t end = field.find('\0');
        return std::string(field.substr(0, end == std::string_view::npos ? size - 1 : end));
    }
    void Skip(std::size_t n) { pos_ += n; }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

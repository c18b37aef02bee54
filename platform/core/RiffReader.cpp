#include "RiffReader.h"

#include <algorithm>
#include <cstring>

namespace tna {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;
constexpr std::uint32_t kRiff = MakeFourCC('R', 'I', 'F', 'F');
constexpr std::uint32_t kList = MakeFourCC('L', 'I', 'S', 'T');

std::uint32_t Le32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

} // namespace

RiffReader::~RiffReader()
{
    Close();
}

bool RiffReader::Open(const std::string& path)
{
    Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    if (std::fseek(file, 0, SEEK_END) != 0) {
        std::fclose(file);
        return false;
    }
    const long size = std::ftell(file);
    if (size < 0) {
        std::fclose(file);
        return false;
    }
    file_ = file;
    size_ = std::uint64_t(size);
    buffer_.resize(kReadBufferSize);
    return true;
}

void RiffReader::OpenMemory(std::span<const std::uint8_t> data)
{
    Close();
    memory_ = data;
    isMemory_ = true;
    size_ = data.size();
}

void RiffReader::Close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    memory_ = {};
    isMemory_ = false;
    size_ = 0;
    position_ = 0;
    bufferStart_ = 0;
    bufferFill_ = 0;
}

bool RiffReader::IsOpen() const
{
    return file_ != nullptr || isMemory_;
}

std::size_t RiffReader::Read(void* buffer, std::size_t size)
{
    if (!IsOpen() || position_ >= size_)
        return 0;
    size = std::size_t(std::min<std::uint64_t>(size, size_ - position_));
    auto* out = static_cast<std::uint8_t*>(buffer);
    if (isMemory_) {
        std::memcpy(out, memory_.data() + position_, size);
        position_ += size;
        return size;
    }
    std::size_t done = 0;
    while (done < size) {
        if (position_ < bufferStart_ || position_ >= bufferStart_ + bufferFill_) {
            if (std::fseek(file_, long(position_), SEEK_SET) != 0)
                break;
            bufferStart_ = position_;
            bufferFill_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            if (bufferFill_ == 0)
                break;
        }
        const std::size_t offset = std::size_t(position_ - bufferStart_);
        const std::size_t count = std::min(size - done, bufferFill_ - offset);
        std::memcpy(out + done, buffer_.data() + offset, count);
        done += count;
        position_ += count;
    }
    return done;
}

bool RiffReader::Seek(std::uint64_t offset)
{
    if (!IsOpen() || offset > size_)
        return false;
    position_ = offset;
    return true;
}

std::uint64_t RiffReader::Tell() const
{
    return position_;
}

std::uint64_t RiffReader::Size() const
{
    return size_;
}

bool RiffReader::ReadHeader(ChunkInfo& chunk, std::uint64_t limit)
{
    std::uint8_t header[8];
    // Offsets are 32-bit in RIFF files; nothing past that can be a chunk.
    if (position_ + 8 > limit || position_ + 8 > 0xFFFFFFFFull || Read(header, 8) != 8)
        return false;
    chunk.id = Le32(header);
    chunk.size = Le32(header + 4);
    chunk.formType = 0;
    chunk.dataOffset = std::uint32_t(position_);
    chunk.available = std::uint32_t(std::min<std::uint64_t>(chunk.size, limit - position_));
    if (chunk.id == kRiff || chunk.id == kList) {
        std::uint8_t form[4];
        if (chunk.available < 4 || Read(form, 4) != 4)
            return false;
        chunk.formType = Le32(form);
    }
    return true;
}

bool RiffReader::Descend(ChunkInfo& chunk, const ChunkInfo* parent, RiffFind find)
{
    if (!IsOpen())
        return false;
    const std::uint64_t limit =
        parent ? std::min<std::uint64_t>(size_, std::uint64_t(parent->dataOffset) + parent->available) : size_;
    const std::uint32_t wantedId = chunk.id;
    const std::uint32_t wantedForm = chunk.formType;
    for (;;) {
        ChunkInfo found;
        if (!ReadHeader(found, limit))
            return false;
        bool match = false;
        switch (find) {
        case RiffFind::Next: match = true; break;
        case RiffFind::Chunk: match = found.id == wantedId; break;
        case RiffFind::Riff: match = found.id == kRiff && found.formType == wantedForm; break;
        case RiffFind::List: match = found.id == kList && found.formType == wantedForm; break;
        }
        if (match) {
            chunk = found;
            return true;
        }
        const std::uint64_t next = std::uint64_t(found.dataOffset) + found.size + (found.size & 1u);
        if (next > limit)
            return false;
        position_ = next;
    }
}

bool RiffReader::Ascend(const ChunkInfo& chunk)
{
    if (!IsOpen())
        return false;
    std::uint64_t end = std::uint64_t(chunk.dataOffset) + chunk.available;
    if (chunk.available == chunk.size && (chunk.size & 1u))
        ++end;
    position_ = std::min(end, size_);
    return true;
}

} // namespace tna

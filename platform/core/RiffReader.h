#pragma once
// Buffered reading of RIFF files: descend into chunks, find a chunk by id, read
// inside it, ascend out of it (stepping over the pad byte of an odd-sized chunk)
// and seek. Works on a file or on a block of memory.
//
// Chunk sizes come from the file and are not trusted: a chunk that claims more
// bytes than its parent (or the file) holds is cut to what is there, and every
// read is bounded by the end of the data.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace tna {

constexpr std::uint32_t MakeFourCC(char a, char b, char c, char d)
{
    return std::uint32_t(std::uint8_t(a)) | std::uint32_t(std::uint8_t(b)) << 8 |
           std::uint32_t(std::uint8_t(c)) << 16 | std::uint32_t(std::uint8_t(d)) << 24;
}

// One chunk: its id, the size of its data as stored, the form type of a "RIFF" or
// "LIST" chunk, and the file offset of its data (after the form type, for RIFF
// and LIST the offset of the form type itself). `available` is the part of the
// size that the parent or file really holds.
struct ChunkInfo {
    std::uint32_t id = 0;
    std::uint32_t size = 0;
    std::uint32_t formType = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t available = 0;
};

enum class RiffFind { Next, Chunk, Riff, List };

class RiffReader {
public:
    RiffReader() = default;
    ~RiffReader();
    RiffReader(const RiffReader&) = delete;
    RiffReader& operator=(const RiffReader&) = delete;

    bool Open(const std::string& path);
    // Reads from the caller's memory, which must outlive the reader's use of it.
    void OpenMemory(std::span<const std::uint8_t> data);
    void Close();
    bool IsOpen() const;

    // Descends into the chunk at the current position (RiffFind::Next), or walks
    // the chunks from the current position to the end of `parent` (or of the
    // file) for the first with the id in `chunk.id` (Chunk), or a RIFF / LIST chunk
    // with the form type in `chunk.formType` (Riff, List). On success `chunk` is
    // filled and the position is at its data (after the form type for RIFF and
    // LIST). False when nothing is found or the header does not fit.
    bool Descend(ChunkInfo& chunk, const ChunkInfo* parent, RiffFind find);
    // Moves to just after the chunk, including its pad byte when its size is odd.
    bool Ascend(const ChunkInfo& chunk);

    // Reads up to `size` bytes; returns how many were read (fewer at the end).
    std::size_t Read(void* buffer, std::size_t size);
    bool Seek(std::uint64_t offset);
    std::uint64_t Tell() const;
    std::uint64_t Size() const;

private:
    bool ReadHeader(ChunkInfo& chunk, std::uint64_t limit);

    std::FILE* file_ = nullptr;
    std::span<const std::uint8_t> memory_;
    bool isMemory_ = false;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    // Read buffer of the file: bytes [bufferStart_, bufferStart_ + bufferFill_).
    std::vector<std::uint8_t> buffer_;
    std::uint64_t bufferStart_ = 0;
    std::size_t bufferFill_ = 0;
};

} // namespace tna

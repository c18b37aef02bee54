#pragma once
// WaveFileReader: walks a RIFF WAVE file and hands out the bytes of its "data"
// chunk.
//
// Opening reads the "fmt " chunk (chunks before it and between it and "data" are
// skipped) and stops at the first data byte. A file is refused with a message
// saying what is wrong when it is not RIFF/WAVE, when "fmt " is missing or shorter
// than 16 bytes, when its rate, channels, bits or block alignment is zero, or
// when there is no "data" chunk. A data chunk that claims more bytes than the
// file holds is cut to what is there.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "RiffReader.h"
#include "WaveOut.h"

class WaveFileReader {
public:
    bool Open(const std::string& path);
    // Reads from the caller's memory, which must outlive the reader's use of it.
    bool OpenMemory(std::span<const std::uint8_t> data);
    void Close();
    bool IsOpen() const { return open_; }

    // Why the last Open failed.
    const std::string& Error() const { return error_; }

    // The file's format record; extraSize counts the bytes of FormatExtra.
    const tna::WaveFormat& Format() const { return format_; }
    std::span<const std::uint8_t> FormatExtra() const { return extra_; }

    // Bytes in the data chunk, and bytes still to read.
    std::uint32_t DataSize() const { return data_.available; }
    std::uint32_t Remaining() const { return remaining_; }

    // Reads up to `capacity` data bytes: the count read, -1 at the end of the
    // data, 0 when reading failed.
    std::int32_t Read(std::uint8_t* buffer, std::uint32_t capacity);
    // Back to the first data byte.
    bool Rewind();
    // To `position` bytes into the data (at most the data size).
    bool SeekData(std::uint32_t position);

private:
    bool Parse();
    bool ReadFormat(const tna::ChunkInfo& fmt);
    bool LocateData();
    bool Fail(std::string message);

    tna::RiffReader riff_;
    tna::WaveFormat format_;
    std::vector<std::uint8_t> extra_;
    tna::ChunkInfo riffChunk_;
    tna::ChunkInfo data_;
    std::uint32_t remaining_ = 0;
    bool open_ = false;
    std::string error_;
};

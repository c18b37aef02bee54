#include "WaveFileReader.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t kWave = tna::MakeFourCC('W', 'A', 'V', 'E');
constexpr std::uint32_t kFmt = tna::MakeFourCC('f', 'm', 't', ' ');
constexpr std::uint32_t kData = tna::MakeFourCC('d', 'a', 't', 'a');
constexpr std::uint32_t kRiff = tna::MakeFourCC('R', 'I', 'F', 'F');
constexpr std::uint32_t kBasicFormatSize = 16;

std::uint16_t Le16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

std::uint32_t Le32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

} // namespace

bool WaveFileReader::Open(const std::string& path)
{
    Close();
    if (!riff_.Open(path))
        return Fail("cannot open " + path);
    return Parse();
}

bool WaveFileReader::OpenMemory(std::span<const std::uint8_t> data)
{
    Close();
    riff_.OpenMemory(data);
    return Parse();
}

void WaveFileReader::Close()
{
    riff_.Close();
    format_ = {};
    extra_.clear();
    riffChunk_ = {};
    data_ = {};
    remaining_ = 0;
    open_ = false;
}

bool WaveFileReader::Fail(std::string message)
{
    Close();
    error_ = std::move(message);
    return false;
}

bool WaveFileReader::Parse()
{
    error_.clear();
    if (!riff_.Descend(riffChunk_, nullptr, tna::RiffFind::Next) || riffChunk_.id != kRiff ||
        riffChunk_.formType != kWave)
        return Fail("not a RIFF WAVE file");

    tna::ChunkInfo fmt;
    fmt.id = kFmt;
    if (!riff_.Descend(fmt, &riffChunk_, tna::RiffFind::Chunk))
        return Fail("WAVE file without a fmt chunk");
    if (!ReadFormat(fmt))
        return false;
    if (!riff_.Ascend(fmt))
        return Fail("WAVE fmt chunk cannot be left");

    if (format_.channels == 0 || format_.samplesPerSec == 0 || format_.bitsPerSample == 0 || format_.blockAlign == 0)
        return Fail("WAVE format with zero channels, rate, bits per sample or block alignment");
    if (!LocateData())
        return false;
    open_ = true;
    return true;
}

bool WaveFileReader::ReadFormat(const tna::ChunkInfo& fmt)
{
    const std::string where = " at offset " + std::to_string(fmt.dataOffset);
    if (fmt.size < kBasicFormatSize)
        return Fail("WAVE fmt chunk shorter than 16 bytes" + where);
    std::uint8_t basic[kBasicFormatSize];
    if (fmt.available < kBasicFormatSize || riff_.Read(basic, kBasicFormatSize) != kBasicFormatSize)
        return Fail("WAVE fmt chunk cut short" + where);
    format_.formatTag = Le16(basic);
    format_.channels = Le16(basic + 2);
    format_.samplesPerSec = Le32(basic + 4);
    format_.avgBytesPerSec = Le32(basic + 8);
    format_.blockAlign = Le16(basic + 12);
    format_.bitsPerSample = Le16(basic + 14);
    format_.extraSize = 0;
    if (format_.formatTag == tna::kWaveFormatPcm || fmt.available < kBasicFormatSize + 2)
        return true;

    std::uint8_t sizeField[2];
    if (riff_.Read(sizeField, 2) != 2)
        return Fail("WAVE fmt chunk cut short" + where);
    // The stated extra size is trusted only as far as the chunk reaches.
    const std::uint32_t room = fmt.available - (kBasicFormatSize + 2);
    const std::uint32_t extra = std::min<std::uint32_t>(Le16(sizeField), room);
    extra_.resize(extra);
    if (riff_.Read(extra_.data(), extra) != extra)
        return Fail("WAVE fmt chunk cut short" + where);
    format_.extraSize = std::uint16_t(extra);
    return true;
}

bool WaveFileReader::LocateData()
{
    if (!riff_.Seek(std::uint64_t(riffChunk_.dataOffset) + 4))
        return Fail("WAVE file cannot be read");
    tna::ChunkInfo data;
    data.id = kData;
    if (!riff_.Descend(data, &riffChunk_, tna::RiffFind::Chunk))
        return Fail("WAVE file without a data chunk");
    data_ = data;
    remaining_ = data_.available;
    return true;
}

std::int32_t WaveFileReader::Read(std::uint8_t* buffer, std::uint32_t capacity)
{
    if (!open_)
        return 0;
    const std::uint32_t count = std::min({capacity, remaining_, std::uint32_t(INT32_MAX)});
    if (count == 0)
        return -1;
    if (riff_.Read(buffer, count) != count)
        return 0;
    remaining_ -= count;
    return std::int32_t(count);
}

bool WaveFileReader::Rewind()
{
    return open_ && SeekData(0);
}

bool WaveFileReader::SeekData(std::uint32_t position)
{
    if (!open_)
        return false;
    position = std::min(position, data_.available);
    if (!riff_.Seek(std::uint64_t(data_.dataOffset) + position))
        return false;
    remaining_ = data_.available - position;
    return true;
}

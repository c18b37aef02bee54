#include "TalWavOut.h"

#include <algorithm>
#include <cstring>

TalWavOut::TalWavOut()
{
    version = 0x10008;
    name = "TalWavOut";
    filter = "Microsoft Waveform Audio Files (*.WAV)|*.WAV|";
}

TalWavOut::~TalWavOut()
{
    FreeBuffers();
}

bool TalWavOut::OpenSource(const char* fileName, SourceInfo& format)
{
    CloseSource();
    if (!fileName || std::strlen(fileName) > kMaxFileName)
        return false;
    if (!reader_.Open(fileName))
        return false;
    std::strcpy(fileName_, fileName);
    fileOpen_ = true;
    format.flags = kInfoPcmFormat;
    format.samplesPerSec = reader_.Format().samplesPerSec;
    format.channels = reader_.Format().channels;
    format.bitsPerSample = reader_.Format().bitsPerSample;
    return true;
}

void TalWavOut::CloseSource()
{
    // The worker reads the file: it has to end before the file closes.
    Stop();
    reader_.Close();
    fileName_[0] = '\0';
    fileOpen_ = false;
}

std::uint32_t TalWavOut::GetBitRate() const
{
    return reader_.Format().avgBytesPerSec * 8;
}

bool TalWavOut::Seek(std::uint32_t position)
{
    // The worker reads the file while playing; the program stops before seeking.
    if (!IsStopped() || !fileOpen_)
        return false;
    const std::uint32_t align = reader_.Format().blockAlign;
    position = std::min(position, reader_.DataSize());
    if (align > 1)
        position -= position % align;
    SetSeekBase(position);
    if (GetLength() != 0 && !reader_.SeekData(position))
        return false;
    return true;
}

std::uint32_t TalWavOut::GetLength()
{
    return reader_.DataSize();
}

bool TalWavOut::OnStop()
{
    return reader_.Rewind();
}

std::int32_t TalWavOut::ReadData(std::uint8_t* buffer, std::uint32_t capacity)
{
    return reader_.Read(buffer, capacity);
}

void TalWavOut::OnEndOfData()
{
    PostToNotifyWindow(WM_SOURCE_ENDED);
}

void TalWavOut::OnReadError()
{
    PostToNotifyWindow(WM_SOURCE_FAILED);
}

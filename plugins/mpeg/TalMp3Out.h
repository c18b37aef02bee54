#pragma once
// TalMp3Out: the MPEG audio player. Plays one open MPEG audio file through
// TalWaveOutBase; the file side (engine, format, length, seeking, whole frames into
// buffers) is MpegPlayback. Every stop rewinds to the start of the audio. Positions
// are bytes of PCM data in the format fixed when the file was opened.

#include <cstdint>

#include "MpegPlayback.h"
#include "TalWaveOutBase.h"

class TalMp3Out : public TalWaveOutBase {
public:
    static constexpr std::size_t kMaxFileName = 511;
    // Buffers used whatever the host asks for: 36864 = 8 * 4608 holds a whole number of
    // frames of every kind.
    static constexpr std::uint32_t kBufferCount = 20;
    static constexpr std::uint32_t kBufferSize = 36864;

    TalMp3Out();
    ~TalMp3Out() override;

    bool OpenSource(const char* fileName, SourceInfo& format) override;
    void CloseSource() override;
    // Bit rate in kbit/s times 1024.
    std::uint32_t GetBitRate() const override;

    bool Seek(std::uint32_t position) override;
    std::uint32_t GetLength() override;

    const char* FileName() const { return path_; }
    bool IsFileOpen() const { return open_; }
    std::uint32_t DurationMs() const { return duration_; }
    mpeg::MpegPlayback& Playback() { return playback_; }

protected:
    bool OnStop() override;
    std::int32_t ReadData(std::uint8_t* buffer, std::uint32_t capacity) override;
    void OnEndOfData() override;
    void OnReadError() override;

private:
    char path_[kMaxFileName + 1] = {};
    bool open_ = false;
    std::uint32_t duration_ = 0;
    std::int32_t bitRate_ = 0;
    mpeg::MpegPlayback playback_;
};

// The Open slot of the MPEG source: fixed buffers, then the common steps.
std::int32_t Mp3OpenSlot(void* player, const OpenParams* params);

#pragma once
// TalWavOut: the RIFF WAVE player. Plays the data chunk of one open file through
// TalWaveOutBase; every stop rewinds to the first data byte. Positions are bytes
// from the start of the data chunk.

#include <cstdint>

#include "TalWaveOutBase.h"
#include "WaveFileReader.h"

class TalWavOut : public TalWaveOutBase {
public:
    static constexpr std::size_t kMaxFileName = 511;

    TalWavOut();
    ~TalWavOut() override;

    bool OpenSource(const char* fileName, SourceInfo& format) override;
    void CloseSource() override;
    std::uint32_t GetBitRate() const override;

    // Rounds down to the block alignment and clamps to the data; only while stopped.
    bool Seek(std::uint32_t position) override;
    std::uint32_t GetLength() override;

    const char* FileName() const { return fileName_; }
    bool IsFileOpen() const { return fileOpen_; }
    const WaveFileReader& Reader() const { return reader_; }

protected:
    bool OnStop() override;
    std::int32_t ReadData(std::uint8_t* buffer, std::uint32_t capacity) override;
    void OnEndOfData() override;
    void OnReadError() override;

private:
    char fileName_[kMaxFileName + 1] = {};
    bool fileOpen_ = false;
    WaveFileReader reader_;
};

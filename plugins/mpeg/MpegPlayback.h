#pragma once
#include "DecodeEngine.h"
#include "PcmFormatConverter.h"

#include <cstdint>
#include <string>

namespace mpeg {

// The file side of the MPEG audio player: opens a file through the decoding engine,
// fixes the PCM format from the first frame, fills output buffers with whole frames,
// works out the length and seeks. Has no audio device of its own; the plug-in's player
// drives it. Nothing is allocated after OpenFile.
class MpegPlayback {
public:
    MpegPlayback();

    bool OpenFile(const char* name);
    bool CloseFile();
    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }

    int Channels() const { return channels_; }
    int SampleRate() const { return sampleRate_; }
    int BlockAlign() const { return channels_ * 2; }
    int64_t AverageBytesPerSecond() const { return int64_t(BlockAlign()) * sampleRate_; }
    int64_t DurationMs() const { return durationMs_; }
    int BitRateKbps() const { return bitRateKbps_; }

    // Bytes of PCM in the whole file: duration * 0.001 * average bytes per second; 0 when
    // the duration is unknown.
    int64_t GetLength() const;
    // Fills buffer with whole frames of the format fixed at open, never more than capacity
    // bytes; a frame that does not fit waits for the next call. Returns the bytes placed,
    // or -1 when there is no more data.
    int ReadData(uint8_t* buffer, int capacity);
    // Seeks to a PCM byte position; seekBase receives the position rounded down to a
    // whole block. Position 0 always rewinds to the start of the audio, also when the
    // length is unknown. Returns false when the engine could not seek.
    bool Seek(int64_t position, int64_t& seekBase);

    DecodeEngine& Engine() { return engine_; }

private:
    void TakeStatus();

    DecodeEngine engine_;
    PcmFormatConverter converter_;
    std::string path_;
    bool open_ = false;
    int channels_ = 0;
    int sampleRate_ = 0;
    int64_t durationMs_ = 0;
    int bitRateKbps_ = 0;
    int16_t pending_[PcmFormatConverter::kMaxOutputSamples * 2];
    int pendingBytes_ = 0;
    int pendingOffset_ = 0;
};

} // namespace mpeg

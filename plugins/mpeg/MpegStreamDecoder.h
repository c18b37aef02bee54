#pragma once
#include "MpegAudioDecoder.h"
#include "MpegFrameReader.h"

namespace mpeg {

// A byte stream in, one frame of PCM at a time out: frame search, decoding, skipping of
// Xing/Info/VBRI frames. Counts frames and concealed frames; keeps the last header.
class MpegStreamDecoder {
public:
    explicit MpegStreamDecoder(ByteSource* source = nullptr) : reader_(source) {}
    void SetSource(ByteSource* source) { reader_.SetSource(source); }
    void SetCrcCheck(bool check) { decoder_.SetCrcCheck(check); }

    // Starts over at the given stream offset (after a seek; decoder state is cleared).
    void Restart(int64_t streamOffset, bool atStreamStart);

    // Decodes the next frame into pcm (room for 1152 * 2 samples). Returns the samples per
    // channel, or -1 at the end of the data.
    int DecodeNext(int16_t* pcm);

    const FrameHeader& Header() const { return header_; }
    int64_t FramesDecoded() const { return frames_; }
    int64_t FramesConcealed() const { return concealed_; }
    const MpegFrameReader& Reader() const { return reader_; }

private:
    MpegFrameReader reader_;
    MpegAudioDecoder decoder_;
    FrameHeader header_;
    int64_t frames_ = 0;
    int64_t concealed_ = 0;
};

} // namespace mpeg

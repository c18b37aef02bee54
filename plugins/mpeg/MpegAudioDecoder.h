#pragma once
#include "FrameHeader.h"
#include "Layer12.h"
#include "Layer3Decoder.h"
#include "SynthesisFilterbank.h"

#include <cstddef>
#include <cstdint>

namespace mpeg {

// Decodes one complete frame (header included) of any layer into interleaved 16-bit PCM.
// Holds all state that runs from frame to frame (bit reservoir, IMDCT overlap, filterbank)
// in fixed storage: nothing is allocated per frame. A damaged frame still yields its
// full count of samples (concealed as a fade to silence) so timing never slips.
class MpegAudioDecoder {
public:
    static constexpr int kMaxSamplesPerFrame = 1152;

    enum class Result {
        Audio,       // the frame decoded cleanly
        Concealed,   // the frame was damaged or its reservoir missing; pcm holds the concealment
        HeaderFrame, // a Xing/Info/VBRI frame that carries stream information, no audio
    };

    void Reset();
    void SetCrcCheck(bool check) { checkCrc_ = check; }

    // pcm must hold header.samplesPerFrame * header.channels samples. freeFormatKbps is
    // the bit rate measured for a free-format stream (0 otherwise). samples receives the
    // number of samples per channel written (0 for a header frame).
    Result Decode(const uint8_t* frame, size_t frameBytes, const FrameHeader& header, int freeFormatKbps,
                  int16_t* pcm, int& samples);

    // Whether a layer III frame carries a Xing, Info or VBRI tag in place of audio.
    static bool IsHeaderFrame(const uint8_t* frame, size_t frameBytes, const FrameHeader& header);

private:
    void Synthesize(const float (*slots)[32], int channel, int count, int channels, int16_t* pcm);

    Layer3Decoder layer3_;
    SynthesisFilterbank filterbank_;
    Layer3Decoder::HybridOutput hybrid_;
    SubbandBlock subbands_;
    bool checkCrc_ = true;
};

} // namespace mpeg

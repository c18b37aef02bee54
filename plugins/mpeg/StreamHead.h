#pragma once
#include "FrameHeader.h"

#include <cstddef>
#include <cstdint>

namespace mpeg {

// What the first frame of a stream tells about the whole: format, bit rate, and a length
// either estimated from the bit rate or exact from a Xing/Info or VBRI frame count, plus
// the Xing seek table. All arithmetic is 64-bit and guarded against zero divisors.
struct StreamHead {
    bool valid = false;
    FrameHeader header;
    int64_t audioStart = 0;   // C: bytes before the audio (ID3v2 tag)
    int64_t audioSize = 0;    // E: bytes of audio
    int64_t durationMs = 0;
    int bitRateKbps = 0;
    bool exactDuration = false;
    int64_t frameCount = 0;   // from a Xing/VBRI header, 0 otherwise
    bool hasToc = false;
    uint8_t toc[100] = {};

    // Size of an ID3v2 tag starting at bytes (10 + the 28-bit sync-safe size), 0 when
    // the bytes do not begin with "ID3". count is how many bytes are available.
    static int64_t Id3v2Size(const uint8_t* bytes, size_t count);

    // Reads the head from the bytes at the audio start (at least the frame header; 152
    // bytes reach every variable-bit-rate tag). fileSize is S; id3Size is C (from
    // Id3v2Size), clipped to S. Returns valid = false when the bytes do not start with a
    // frame header.
    static StreamHead Analyse(const uint8_t* bytes, size_t count, int64_t fileSize, int64_t id3Size);

    // Fraction 0..1 of the playing time to a fraction of the whole file, through the seek
    // table when there is one and then past the tag at the start.
    double FractionToFileFraction(double fraction) const;
    // Byte offset to the fraction of the audio it lies at.
    double OffsetToFraction(int64_t offset) const;
};

// Duration in milliseconds of audioBytes at kbps; 0 when the bit rate is 0.
int64_t DurationFromBitRate(int64_t audioBytes, int kbps);
// Duration in milliseconds of frames frames of samplesPerFrame samples at sampleRate.
int64_t DurationFromFrames(int64_t frames, int samplesPerFrame, int sampleRate);
// Bytes of 16-bit PCM for a duration: durationMs * 0.001 * averageBytesPerSecond, truncated.
int64_t PcmLengthBytes(int64_t durationMs, int64_t averageBytesPerSecond);

} // namespace mpeg

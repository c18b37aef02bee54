#include "MpegStreamDecoder.h"

namespace mpeg {

void MpegStreamDecoder::Restart(int64_t streamOffset, bool atStreamStart)
{
    reader_.Restart(streamOffset, atStreamStart);
    decoder_.Reset();
}

int MpegStreamDecoder::DecodeNext(int16_t* pcm)
{
    for (;;) {
        const uint8_t* frame = nullptr;
        size_t size = 0;
        FrameHeader header;
        if (!reader_.Next(frame, size, header))
            return -1;
        int samples = 0;
        MpegAudioDecoder::Result result = decoder_.Decode(frame, size, header, reader_.FreeFormatKbps(), pcm, samples);
        if (result == MpegAudioDecoder::Result::HeaderFrame)
            continue;
        header_ = header;
        ++frames_;
        if (result == MpegAudioDecoder::Result::Concealed)
            ++concealed_;
        return samples;
    }
}

} // namespace mpeg

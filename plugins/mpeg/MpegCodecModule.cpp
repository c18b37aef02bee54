#include "EngineModules.h"
#include "MpegStreamDecoder.h"
#include "StreamHead.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

namespace mpeg {

namespace {

// Bytes for the frame reader, drawn from the engine's input.
class EngineSource : public ByteSource {
public:
    EngineIo* io = nullptr;
    size_t Read(uint8_t* buffer, size_t count) override { return io ? io->Read(buffer, count) : 0; }
};

// One instance of the MPEG audio codec: the stream decoder, what the stream head said,
// and the running figures for the length estimate.
struct MpegCodec {
    EngineSource source;
    MpegStreamDecoder decoder{&source};
    StreamHead head;            // audioStart (C), audioSize (E), seek table
    bool exact = false;
    int64_t seekOffset = 0;     // u: where the last seek went
    int64_t firstFrameOffset = 0;  // the first frame found after it
    int64_t samplesSinceSeek = 0;  // n
    bool haveLast = false;
    FrameHeader last;
    int lastKbps = 0;
    int64_t smoothed = -1;      // 1/1024 kbit/s, -1 until started
    int lastChannels = 0;
    int lastRate = 0;
    int options[3] = {};
};

int LevelOf(MpegVersion v)
{
    return v == MpegVersion::Mpeg1 ? 1 : v == MpegVersion::Mpeg2 ? 2 : 0;
}

int Probe(const char*)
{
    return 0;
}

int Query(ModuleInfo* info, uint32_t)
{
    info->name = "MPEG Audio Codec";
    info->version = "Version 1.2";
    info->descriptions[0] = "MP1, MP2, MP3";
    info->descriptions[1] = "MPEG 1 or 2 audio";
    info->frameBufferBytes = 4608;
    return 0;
}

void* Create()
{
    return new (std::nothrow) MpegCodec;
}

void Destroy(void* codec)
{
    delete static_cast<MpegCodec*>(codec);
}

int Reset(void* instance, EngineIo* io)
{
    auto* c = static_cast<MpegCodec*>(instance);
    c->source.io = io;
    c->head = StreamHead{};
    c->head.audioStart = 0;
    c->head.audioSize = io->Size();
    c->exact = false;
    c->haveLast = false;
    c->smoothed = -1;
    c->seekOffset = 0;
    c->samplesSinceSeek = 0;
    c->lastChannels = c->lastRate = 0;
    c->decoder.Restart(io->Position(), io->Position() == 0);
    return 0;
}

void SeekNotice(void* instance, int64_t offset)
{
    auto* c = static_cast<MpegCodec*>(instance);
    c->decoder.Restart(offset, offset == 0);
    c->seekOffset = offset;
    c->samplesSinceSeek = 0;
}

void StopCodec(void* instance)
{
    auto* c = static_cast<MpegCodec*>(instance);
    c->decoder.Restart(0, true);
}

void SetModeProperties(EngineStatus* status, const FrameHeader& h)
{
    status->SetNumber("mpeg/level", LevelOf(h.version));
    status->SetNumber("mpeg/layer", h.layer);
    status->SetNumber("mpeg/mode", static_cast<int>(h.mode));
}

int Start(void* instance, EngineIo* io, EngineStatus* status)
{
    auto* c = static_cast<MpegCodec*>(instance);
    c->source.io = io;
    const int64_t size = io->Size();
    uint8_t bytes[152] = {};
    size_t got = io->Read(bytes, sizeof bytes);
    int64_t tag = StreamHead::Id3v2Size(bytes, got);
    if (tag > 0) {
        if (io->SeekInput(std::min(tag, size)) != 0)
            return 0;
        got = io->Read(bytes, sizeof bytes);
    }
    const int64_t start = std::min(tag, size);
    io->SeekInput(start);
    StreamHead head = StreamHead::Analyse(bytes, got, size, tag);
    c->head.audioStart = head.audioStart;
    c->head.audioSize = head.audioSize;
    if (!head.valid)
        return 0;
    c->head = head;
    c->exact = head.exactDuration;
    const FrameHeader& h = head.header;
    status->sampleRate = h.sampleRate;
    status->bitRateKbps = head.bitRateKbps;
    status->durationMs = head.durationMs;
    status->channels = h.mode == ChannelMode::Mono ? 1 : 2;
    status->changeFlags |= EngineStatus::kDescriptionChanged | EngineStatus::kRateChanged;
    SetModeProperties(status, h);
    c->last = h;
    c->haveLast = true;
    c->lastKbps = h.bitRateKbps;
    return 0;
}

// Keeps format, bit rate and the length estimate current (streams without an exact length).
void TrackStream(MpegCodec* c, const FrameHeader& h, EngineStatus* status)
{
    if (c->haveLast) {
        if (h.version != c->last.version || h.layer != c->last.layer || h.mode != c->last.mode) {
            status->changeFlags |= EngineStatus::kDescriptionChanged;
            SetModeProperties(status, h);
            const bool mono = h.mode == ChannelMode::Mono;
            if (mono != (c->last.mode == ChannelMode::Mono)) {
                status->channels = mono ? 1 : 2;
                status->changeFlags |= EngineStatus::kRateChanged;
            }
        }
    } else {
        status->channels = h.channels;
        SetModeProperties(status, h);
        status->changeFlags |= EngineStatus::kDescriptionChanged;
    }
    if (h.sampleRate != status->sampleRate) {
        status->sampleRate = h.sampleRate;
        status->changeFlags |= EngineStatus::kRateChanged;
    }
    const int kbps = h.bitRateKbps != 0 ? h.bitRateKbps : c->decoder.Reader().FreeFormatKbps();
    if (!c->haveLast || kbps != c->lastKbps) {
        status->bitRateKbps = kbps;
        status->changeFlags |= EngineStatus::kRateChanged;
    }
    c->last = h;
    c->haveLast = true;
    c->lastKbps = kbps;

    const int64_t level = status->bitRateKbps;
    if (c->smoothed < 0)
        c->smoothed = level * 1024;
    c->smoothed = (int64_t(kbps) * 1024 + c->smoothed * 31) >> 5;
    const int64_t s = (c->smoothed + 512) / 1024;
    if (std::llabs(s - level) > level / 32) {
        status->bitRateKbps = static_cast<int>(s);
        status->changeFlags |= EngineStatus::kRateChanged;
    }

    const int64_t bitRate = status->bitRateKbps;
    const int64_t C = c->head.audioStart;
    const int64_t E = c->head.audioSize;
    if ((status->changeFlags & EngineStatus::kRateChanged) && bitRate > 0 && E > 0 && h.sampleRate > 0) {
        const double n = static_cast<double>(c->samplesSinceSeek);
        const double playedMs = n * 1000.0 / h.sampleRate;
        const double t = static_cast<double>(c->decoder.Reader().ConsumedOffset());
        // Time is measured from the first frame found after the seek, so the bytes passed
        // over while searching for it do not bend the byte rate.
        const double u = static_cast<double>(c->seekOffset > C ? c->firstFrameOffset : c->seekOffset);
        // The part skipped by a seek, timed at the byte rate measured since the seek.
        double skipped = 0.0;
        if (u > C && t > u && playedMs > 0.0)
            skipped = (u - C) / ((t - u) / playedMs);
        double rest = (static_cast<double>(C + E) - t) * 8.0 / static_cast<double>(bitRate);
        if (rest < 0.0)
            rest = 0.0;
        status->durationMs = static_cast<int64_t>(playedMs + skipped + rest);
    }
}

int Decode(void* instance, EngineIo* io, DecodedFrame* frame, EngineStatus* status)
{
    auto* c = static_cast<MpegCodec*>(instance);
    c->source.io = io;
    const int samples = c->decoder.DecodeNext(frame->data);
    if (samples < 0)
        return kErrorReadNothing;
    const FrameHeader& h = c->decoder.Header();
    frame->samples = samples;
    frame->bytesPerSample = 2;
    if (h.channels != c->lastChannels)
        frame->changeFlags |= DecodedFrame::kChannelsChanged | (c->lastChannels == 0 ? uint32_t(DecodedFrame::kSampleSizeChanged) : 0u);
    if (h.sampleRate != c->lastRate)
        frame->changeFlags |= DecodedFrame::kSampleRateChanged;
    frame->channels = h.channels;
    frame->sampleRate = h.sampleRate;
    c->lastChannels = h.channels;
    c->lastRate = h.sampleRate;
    if (c->samplesSinceSeek == 0)
        c->firstFrameOffset = c->decoder.Reader().FrameOffset();
    c->samplesSinceSeek += samples;
    if (!c->exact)
        TrackStream(c, h, status);
    return 0;
}

double OffsetToFraction(void* instance, int64_t offset)
{
    return static_cast<MpegCodec*>(instance)->head.OffsetToFraction(offset);
}

double FractionToOffset(void* instance, double fraction)
{
    return static_cast<MpegCodec*>(instance)->head.FractionToFileFraction(fraction);
}

int Options(void* instance, const int* values, uint32_t flags)
{
    auto* c = static_cast<MpegCodec*>(instance);
    for (int i = 0; i < 3; ++i)
        c->options[i] = (flags & (1u << i)) ? values[i] : 0;
    return 0;
}

int OptionsReadBack(void* instance, int* values, uint32_t flags)
{
    auto* c = static_cast<MpegCodec*>(instance);
    for (int i = 0; i < 3; ++i)
        if (flags & (1u << i))
            values[i] = c->options[i];
    return 0;
}

} // namespace

const CodecDescriptor& MpegAudioCodec()
{
    static const CodecDescriptor descriptor = {
        kModuleVersion, Probe, Query, Create, Destroy, Decode, Start, OffsetToFraction, FractionToOffset, Reset,
        nullptr, SeekNotice, StopCodec, Options, OptionsReadBack, nullptr,
    };
    return descriptor;
}

} // namespace mpeg

// A test plug-in. The build picks its kind, which sets its type and filter; a
// file name containing "fail" fails to open.

#include <cstring>

#include "FakeSource.h"

#if FAKE_KIND == 1
#define FAKE_TYPE kSourcePcmFile
#define FAKE_FILTER "Mpeg Audio Files (*.MP3;*.MP2;*.MP1)|*.MP3;*.MP2;*.MP1|"
#elif FAKE_KIND == 2
#define FAKE_TYPE kSourcePcmFile
#define FAKE_FILTER "Microsoft Waveform Audio Files (*.WAV)|*.WAV|"
#elif FAKE_KIND == 3
#define FAKE_TYPE kSourcePcmFile
#define FAKE_FILTER "Other Wave Files (*.wav;*.wave)|*.wav;*.wave|"
#elif FAKE_KIND == 4
#define FAKE_TYPE kSourceMidiFile
#define FAKE_FILTER "Standard MIDI Files (*.MID;*.MIDI)|*.MID;*.MIDI|"
#elif FAKE_KIND == 5
#define FAKE_TYPE kSourcePcmFile
#define FAKE_FILTER "Raw Tracks (*.NOSEEK)|*.NOSEEK|"
#define FAKE_NO_SEEK
#elif FAKE_KIND == 6
#define FAKE_TYPE kSourcePcmFile
#define FAKE_FILTER "Null (*.NUL)|*.NUL|"
#define FAKE_NULL_INTERFACE
#else
#define FAKE_TYPE kSourcePcmNoFile
#define FAKE_FILTER "Live Input (*.LIV)|*.LIV|"
#endif

namespace {

FakePlayer player;
tna::WaveFormat format{1, 2, 22050, 88200, 4, 16, 0};
AudioSourceInterface record{};

FakePlayer* P(void* p) { return static_cast<FakePlayer*>(p); }

std::int32_t SetInfo(void* p, SourceInfo* info)
{
    if (!info || info->size != sizeof(SourceInfo))
        return 0;
    if (info->flags & kInfoNotifyWindow)
        P(p)->window = info->notifyWindow;
    return 1;
}
std::int32_t Open(void* p, const OpenParams* params)
{
    ++P(p)->opens;
    P(p)->lastOpen = *params;
    return std::strstr(params->fileName, "fail") ? 0 : 1;
}
LRESULT Close(void* p)
{
    ++P(p)->closes;
    P(p)->playing = false;
    return 0;
}
std::int32_t Shutdown(void* p)
{
    ++P(p)->shutdowns;
    return 1;
}
std::int32_t Play(void* p)
{
    ++P(p)->plays;
    P(p)->playing = true;
    return 1;
}
std::int32_t Stop(void* p)
{
    ++P(p)->stops;
    const bool was = P(p)->playing;
    P(p)->playing = false;
    return was ? 1 : 0;
}
std::int32_t IsPlaying(void* p) { return P(p)->playing ? 1 : 0; }
std::int32_t IsStopped(void* p) { return P(p)->playing ? 0 : 1; }
[[maybe_unused]] std::int32_t Seek(void* p, std::uint32_t position)
{
    ++P(p)->seeks;
    P(p)->lastSeek = position;
    return 1;
}
std::uint32_t GetLength(void*) { return 1234; }

} // namespace

TNA_PLUGIN_EXPORT AudioSourceInterface* GetInterface()
{
    record = AudioSourceInterface{};
    record.type = FAKE_TYPE;
    record.version = 0x10008;
    record.name = FAKE_NAME;
    record.filter = FAKE_FILTER;
    record.format = &format;
    record.player = &player;
    record.SetInfo = SetInfo;
    record.Shutdown = Shutdown;
    record.Open = Open;
    record.Close = Close;
    record.Play = Play;
    record.Stop = Stop;
    record.IsPlaying = IsPlaying;
    record.IsStopped = IsStopped;
    record.GetLength = GetLength;
#ifdef FAKE_NO_SEEK
    record.Seek = nullptr;
#else
    record.Seek = Seek;
#endif
#ifdef FAKE_NULL_INTERFACE
    return nullptr;
#else
    return &record;
#endif
}

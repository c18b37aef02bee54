#include "PlugInGlue.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "Module.h"

namespace {

// Every player and record this module made; freed when the module is unloaded.
struct ModuleObjects {
    std::mutex mutex;
    std::vector<std::unique_ptr<TalWaveOutBase>> players;
    std::vector<std::unique_ptr<AudioSourceInterface>> records;

    ~ModuleObjects()
    {
        records.clear();
        players.clear();
    }
};

ModuleObjects& Objects()
{
    static ModuleObjects objects;
    return objects;
}

void DestroyRecord(AudioSourceInterface* record)
{
    ModuleObjects& objects = Objects();
    std::lock_guard lock(objects.mutex);
    std::erase_if(objects.records, [record](const auto& owned) { return owned.get() == record; });
}

constexpr SourceDestroyProc kDestroyTable[1] = {&DestroyRecord};

TalWaveOutBase* P(void* player)
{
    return static_cast<TalWaveOutBase*>(player);
}

LRESULT Notify(TalWaveOutBase* player, UINT message)
{
    const HWND window = player->NotifyWindow();
    return window ? tna::SendMessage(window, message, 0, 0) : 0;
}

// The steps of Close without its message: stop, join the worker, free the
// buffers, close the file.
void CloseQuietly(TalWaveOutBase* player)
{
    player->FreeBuffers();
    player->CloseSource();
}

} // namespace

bool IsValidOpenParams(const OpenParams* params)
{
    return params && params->size == sizeof(OpenParams) && params->bufferCount != 0 && params->bufferSize != 0 &&
           params->fileName != nullptr;
}

namespace pcm_slots {

std::int32_t SetInfo(void* player, SourceInfo* info)
{
    return info && P(player)->SetInfo(*info) ? 1 : 0;
}

std::int32_t Shutdown(void* player)
{
    Close(player);
    return 1;
}

std::int32_t Open(void* player, const OpenParams* params)
{
    if (!IsValidOpenParams(params))
        return 0;
    TalWaveOutBase* self = P(player);
    CloseQuietly(self);
    if (!self->AllocateBuffers(params->bufferCount, params->bufferSize))
        return 0;
    SourceInfo format;
    if (!self->OpenSource(params->fileName, format)) {
        self->FreeBuffers();
        return 0;
    }
    format.size = sizeof(SourceInfo);
    format.flags = kInfoPcmFormat;
    self->SetInfo(format);
    Notify(self, WM_SOURCE_OPENED);
    return 1;
}

LRESULT Close(void* player)
{
    CloseQuietly(P(player));
    return Notify(P(player), WM_SOURCE_CLOSED);
}

std::int32_t Play(void* player)
{
    if (!P(player)->Play())
        return 0;
    Notify(P(player), WM_SOURCE_PLAYING);
    return 1;
}

std::int32_t Stop(void* player)
{
    if (!P(player)->Stop())
        return 0;
    Notify(P(player), WM_SOURCE_STOPPED);
    return 1;
}

std::int32_t Pause(void* player) { return P(player)->Pause() ? 1 : 0; }
std::int32_t Resume(void* player) { return P(player)->Resume() ? 1 : 0; }
std::int32_t IsPlaying(void* player) { return P(player)->IsPlaying() ? 1 : 0; }
std::int32_t IsStopped(void* player) { return P(player)->IsStopped() ? 1 : 0; }
std::int32_t IsPaused(void* player) { return P(player)->IsPaused() ? 1 : 0; }

std::int32_t GetPlayedData(void* player, std::uint8_t* buffer, std::int32_t count)
{
    return P(player)->GetPlayedData(buffer, count);
}

std::int32_t GetPlayedDataAligned(void* player, std::uint8_t* buffer, std::int32_t count, std::uint32_t* outOffset,
                                  std::int32_t divisor)
{
    return P(player)->GetPlayedDataAligned(buffer, count, outOffset, divisor);
}

std::uint32_t GetBitRate(void* player) { return P(player)->GetBitRate(); }
std::int32_t Seek(void* player, std::uint32_t position) { return P(player)->Seek(position) ? 1 : 0; }
std::uint32_t GetPosition(void* player) { return P(player)->GetPosition(); }
std::uint32_t GetLength(void* player) { return P(player)->GetLength(); }

} // namespace pcm_slots

AudioSourceInterface* CreatePcmSourceInterface(std::unique_ptr<TalWaveOutBase> player, std::int32_t type)
{
    if (!player)
        return nullptr;
    auto record = std::make_unique<AudioSourceInterface>();
    *record = AudioSourceInterface{};
    record->destroyTable = kDestroyTable;
    record->type = type;
    record->version = player->version;
    record->name = player->name;
    record->filter = player->filter;
    record->module = tna::ModuleBaseOf(reinterpret_cast<const void*>(&CreatePcmSourceInterface));
    record->format = &player->Format();
    record->midiValue = 0;
    record->player = player.get();

    record->SetInfo = pcm_slots::SetInfo;
    record->Shutdown = pcm_slots::Shutdown;
    record->Open = pcm_slots::Open;
    record->Close = pcm_slots::Close;
    record->Play = pcm_slots::Play;
    record->Stop = pcm_slots::Stop;
    record->Pause = pcm_slots::Pause;
    record->Resume = pcm_slots::Resume;
    record->IsPlaying = pcm_slots::IsPlaying;
    record->IsStopped = pcm_slots::IsStopped;
    record->IsPaused = pcm_slots::IsPaused;
    record->GetPlayedData = pcm_slots::GetPlayedData;
    record->GetPlayedDataAligned = pcm_slots::GetPlayedDataAligned;
    record->GetBitRate = pcm_slots::GetBitRate;
    record->Seek = pcm_slots::Seek;
    record->GetPosition = pcm_slots::GetPosition;
    record->GetLength = pcm_slots::GetLength;

    ModuleObjects& objects = Objects();
    std::lock_guard lock(objects.mutex);
    objects.players.push_back(std::move(player));
    objects.records.push_back(std::move(record));
    return objects.records.back().get();
}

#pragma once
// The plug-in side of the source interface, the same in every PCM plug-in: a
// GetInterface that makes one player and one record bound to it, thin slot
// functions that forward to the player, and the module-wide lists that free
// every player and record when the module is unloaded.
//
// A PCM plug-in's whole entry point:
//
//   TNA_PLUGIN_EXPORT AudioSourceInterface* GetInterface()
//   {
//       return CreatePcmSourceInterface(std::make_unique<TalWavOut>(), kSourcePcmFile);
//   }

#include <cstdint>
#include <memory>

#include "AudioSourceInterface.h"
#include "TalWaveOutBase.h"

// Takes ownership of the player, fills a new record for it (name, filter and
// version from the player, the PCM slots, null MIDI slots) and keeps both until
// the module is unloaded.
AudioSourceInterface* CreatePcmSourceInterface(std::unique_ptr<TalWaveOutBase> player, std::int32_t type);

// The record's slot functions, for plug-ins that fill their own records.
namespace pcm_slots {
std::int32_t SetInfo(void* player, SourceInfo* info);
std::int32_t Shutdown(void* player);
std::int32_t Open(void* player, const OpenParams* params);
LRESULT Close(void* player);
std::int32_t Play(void* player);
std::int32_t Stop(void* player);
std::int32_t Pause(void* player);
std::int32_t Resume(void* player);
std::int32_t IsPlaying(void* player);
std::int32_t IsStopped(void* player);
std::int32_t IsPaused(void* player);
std::int32_t GetPlayedData(void* player, std::uint8_t* buffer, std::int32_t count);
std::int32_t GetPlayedDataAligned(void* player, std::uint8_t* buffer, std::int32_t count,
                                  std::uint32_t* outOffset, std::int32_t divisor);
std::uint32_t GetBitRate(void* player);
std::int32_t Seek(void* player, std::uint32_t position);
std::uint32_t GetPosition(void* player);
std::uint32_t GetLength(void* player);
} // namespace pcm_slots

// Whether an OpenParams record may be used: right size, no zero field.
bool IsValidOpenParams(const OpenParams* params);

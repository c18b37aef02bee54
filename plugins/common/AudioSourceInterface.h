#pragma once
// The binary interface between the program and its audio source plug-ins.
//
// A plug-in is a shared library exporting one C function, GetInterface, that
// returns a record of function slots bound to a new player object. The program
// calls every slot on its window thread and passes `player` first. A slot a
// source does not offer is null. "Bool" results are 32-bit 1 or 0. Pointers and
// window handles have native width; sizes are checked against these records.

#include <cstdint>

#include "WaveOut.h"
#include "WindowMessage.h"

// Kinds of source (AudioSourceInterface::type).
constexpr std::int32_t kSourcePcmFile = 1;
constexpr std::int32_t kSourcePcmNoFile = 2;
constexpr std::int32_t kSourceMidiFile = 3;
constexpr std::int32_t kSourceMidiNoFile = 4;

// Messages a source sends to its notify window.
constexpr UINT WM_SOURCE_OPENED = 0x0FB8;  // sent at the end of a successful Open
constexpr UINT WM_SOURCE_CLOSED = 0x0FB9;  // sent from Close
constexpr UINT WM_SOURCE_PLAYING = 0x0FBA; // sent after a successful Play
constexpr UINT WM_SOURCE_STOPPED = 0x0FBB; // sent after a successful Stop
constexpr UINT WM_SOURCE_ENDED = 0x0FBC;   // posted when the data ran out and every buffer played
constexpr UINT WM_SOURCE_FAILED = 0x0FBD;  // posted when reading data failed
constexpr UINT WM_MIDI_METER = 0x0FC2;     // posted: wParam numerator * 256 + denominator
constexpr UINT WM_MIDI_BEAT = 0x0FC3;      // posted: wParam elapsed ms, lParam beat length ms

// SourceInfo flags.
constexpr std::uint32_t kInfoNotifyWindow = 1;
constexpr std::uint32_t kInfoPcmFormat = 2;
constexpr std::uint32_t kInfoTimeDivision = 4;

struct SourceInfo {
    std::uint16_t size = sizeof(SourceInfo);
    std::uint16_t padding = 0;
    std::uint32_t flags = 0;
    HWND notifyWindow = nullptr;       // flag 1
    std::uint32_t samplesPerSec = 0;   // flag 2
    std::uint16_t channels = 0;        // flag 2
    std::uint16_t bitsPerSample = 0;   // flag 2
    std::uint32_t timeDivision = 0;    // flag 4: ticks per quarter note
};

struct OpenParams {
    std::uint16_t size = sizeof(OpenParams);
    std::uint16_t padding = 0;
    std::uint32_t bufferCount = 0;
    std::uint32_t bufferSize = 0;
    const char* fileName = nullptr;
};

struct AudioSourceInterface;
using SourceDestroyProc = void (*)(AudioSourceInterface* record);

struct AudioSourceInterface {
    const SourceDestroyProc* destroyTable; // used only by the plug-in itself
    std::int32_t type;
    std::uint32_t version;
    const char* name;
    const char* filter;   // "Description (*.EXT)|*.EXT|" pairs
    void* module;         // the plug-in module's base address
    const tna::WaveFormat* format; // null for MIDI sources
    std::uint32_t midiValue;
    void* player;

    std::int32_t (*SetInfo)(void* player, SourceInfo* info);
    std::int32_t (*Shutdown)(void* player);
    std::int32_t (*Open)(void* player, const OpenParams* params);
    LRESULT (*Close)(void* player);
    std::int32_t (*Play)(void* player);
    std::int32_t (*Stop)(void* player);
    std::int32_t (*Pause)(void* player);
    std::int32_t (*Resume)(void* player);
    std::int32_t (*IsPlaying)(void* player);
    std::int32_t (*IsStopped)(void* player);
    std::int32_t (*IsPaused)(void* player);
    // Bytes copied, -1 when stopped.
    std::int32_t (*GetPlayedData)(void* player, std::uint8_t* buffer, std::int32_t count);
    // Bytes copied, -1 when not playing; the snapped offset goes to *outOffset.
    std::int32_t (*GetPlayedDataAligned)(void* player, std::uint8_t* buffer, std::int32_t count,
                                         std::uint32_t* outOffset, std::int32_t divisor);
    const void* (*GetEvents)(void* player);
    double (*GetTempo)(void* player);
    void* (*GetStreamState)(void* player);
    std::uint32_t (*GetBitRate)(void* player);
    std::int32_t (*Seek)(void* player, std::uint32_t position);
    std::uint32_t (*GetPosition)(void* player);
    std::uint32_t (*GetLength)(void* player);
    const void* (*GetNoteTable)(void* player);
    std::uint32_t (*GetLengthMs)(void* player);
    std::uint32_t (*GetPositionMs)(void* player);
    void (*SeekMs)(void* player, std::uint32_t milliseconds);
    void (*SetBeatLevel)(void* player, char level);
    void (*SetMidiDevice)(void* player, std::uint32_t device);
    std::int32_t (*HasChannel)(void* player, std::int32_t channel);
};

using GetInterfaceProc = AudioSourceInterface* (*)();

#define TNA_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

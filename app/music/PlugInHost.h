#pragma once
// PlugInHost: finds the audio source plug-ins beside the program, binds them,
// picks the one that handles a file and forwards the music panel's and the
// analyser's requests to the current source.
//
// The host owns the module handles and its table of at most 64 entries; each
// plug-in owns its players and interface records. Every call runs on the window
// thread. Operations on a missing current source or slot answer 0.

#include <cstdint>
#include <string>

#include "AudioSourceInterface.h"
#include "Module.h"

class PlugInHost {
public:
    static constexpr int kMaxPlugIns = 64;

    PlugInHost() = default;
    ~PlugInHost();
    PlugInHost(const PlugInHost&) = delete;
    PlugInHost& operator=(const PlugInHost&) = delete;

    // Unloads everything, then loads every "*.so" in the program's folder (or its
    // sub-folder) that exports GetInterface, in name order. 0 for a null window.
    int Init(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize, const std::string& subFolder);
    // Binds one module; 1 when it was added to the table.
    int LoadPlugIn(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize, const std::string& path);
    void UnloadAll();

    // Picks the source for the name (by extension; no name: the first source of
    // type 2), closes the current one, makes the pick current and opens it. 0 when
    // no source fits; the pick stays current even when its Open fails.
    int OpenFile(const char* name, std::uint32_t bufferCount = 0, std::uint32_t bufferSize = 0);
    int IsSupported(const char* name) const;

    int Play();
    int Stop();
    int Pause();
    int Resume();
    int IsPlaying() const;
    int IsStopped() const;
    int IsPaused() const;
    std::int32_t GetPlayedDataAligned(std::uint8_t* buffer, std::int32_t count, std::uint32_t* outOffset,
                                      std::int32_t divisor);
    int Seek(std::uint32_t position);
    std::uint32_t GetPosition() const;
    std::uint32_t GetLength() const;

    int IsFileSource() const;
    int IsWaveSource() const;
    int IsMidiSource() const;
    std::uint32_t GetSampleRate() const;
    std::uint32_t GetChannels() const;
    std::uint32_t GetBitsPerSample() const;

    const void* GetNoteTable() const;
    std::uint32_t GetLengthMs() const;
    std::uint32_t GetPositionMs() const;
    void SeekMs(std::uint32_t milliseconds);
    void SetBeatLevel(char level);
    void SetMidiDevice(std::uint32_t device);

    int PlugInCount() const { return count_; }
    AudioSourceInterface* PlugIn(int index) const;
    AudioSourceInterface* CurrentSource() const { return current_; }

    // Whether the filter lists a pattern containing the name's extension; the
    // matching rule shared by OpenFile and IsSupported.
    static bool FilterMatches(const char* filter, const std::string& upperExtension);
    // The upper-cased text after the last "." of the name; false when there is
    // none or it is empty.
    static bool ExtensionOf(const char* name, std::string& upperExtension);

private:
    struct Entry {
        tna::ModuleHandle module = nullptr;
        AudioSourceInterface* source = nullptr;
    };

    AudioSourceInterface* FindSource(const char* name) const;
    void StoreDefaults(HWND notifyWindow, std::uint32_t bufferCount, std::uint32_t bufferSize);

    Entry entries_[kMaxPlugIns];
    int count_ = 0;
    AudioSourceInterface* current_ = nullptr;
    HWND notifyWindow_ = nullptr;
    std::uint32_t bufferCount_ = 0;
    std::uint32_t bufferSize_ = 0;
};

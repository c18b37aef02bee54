#pragma once
// What a test plug-in's player records; the host test reads it through the
// record's player pointer.

#include <cstdint>

#include "AudioSourceInterface.h"

struct FakePlayer {
    int opens = 0, closes = 0, plays = 0, stops = 0, seeks = 0, shutdowns = 0;
    bool playing = false;
    HWND window = nullptr;
    std::uint32_t lastSeek = 0;
    OpenParams lastOpen{};
};

#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One chord: two to seven notes, each a hue offset from the base hue (30
// degrees per semitone, always even) and an octave (5, or 6 for the octave
// above). The three floats are used only when the record holds the colour
// circle's state.
struct ChordDef {
    char name[64] = {};  // NUL-terminated, at most 63 characters
    uint8_t noteCount = 0;
    uint8_t octave[7] = {};
    int32_t hue[7] = {};
    uint8_t groupCount = 0;  // chords in the group this chord was read with
    float baseHue = 0;
    float lightness = 0;
    float saturation = 0;
};

// The chords of one file keyed by note count, in file order among equal keys.
using ChordSet = std::multimap<int, ChordDef>;

constexpr int kMinChordNotes = 2;
constexpr int kMaxChordNotes = 7;
constexpr int kChordIconSlots = 29;  // icons per note count

// Reads a chord definition file: groups of (u8 note count, u8 group count,
// then per chord 128 bytes of name and one int32 per note). A value v of a
// note is its hue offset, plus 1 for the upper octave.
//
// Every note count from firstCount to 7 must be present, once each and in
// ascending order; the harmony file starts at 2, the piano file at 3. On any
// fault (unopenable, truncated, a count outside 2..7, a hue outside 0..359)
// out is left untouched and the reason is returned; "" on success.
std::string ReadChordFile(const std::string& path, ChordSet& out, int firstCount = kMinChordNotes);
std::string ParseChordFile(const uint8_t* data, size_t size, ChordSet& out,
                           int firstCount = kMinChordNotes);

// Clears out and appends the chords of note count n in file order.
void GetChords(const ChordSet& set, int n, std::vector<ChordDef>& out);

// Hue (0..359) and octave of note i of a chord placed at baseHue (0..359):
// an offset reaching 360 or more wraps into the next octave.
struct PlacedNote {
    int hue;
    int octave;
};
PlacedNote PlaceNote(const ChordDef& chord, int i, int baseHue);

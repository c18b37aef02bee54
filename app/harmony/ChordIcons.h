#pragma once

#include <string>

#include "ChordDef.h"
#include "SkinImage.h"

// The chord icons of the chord list, [noteCount][i] for the i-th chord of a
// note count, cut from the sheet "ConsonaChord" of an image archive by the
// rectangles of section CHORD of "UI_ChordIcon.ini". Chords beyond the 29th of
// a note count, or without a usable rectangle, have no icon (an invalid image).
class ChordIcons {
public:
    // For n = 2 to 7 the chords of n in set take the next rectangles CHORD_k in
    // order. False (and no icons) when the layout or the archive cannot be read
    // or the archive has no "ConsonaChord"; lastError says why.
    bool LoadChordIcons(const std::string& iniPath, const std::string& archivePath, const ChordSet& set);
    // The icon of chord i of note count n; null for an unknown slot.
    const SkinImage* Icon(int n, int i) const;

    std::string lastError;

private:
    SkinImage chordIcons[kMaxChordNotes + 1][kChordIconSlots];
};

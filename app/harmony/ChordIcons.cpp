#include "ChordIcons.h"

#include <algorithm>
#include <vector>

#include "LayoutIni.h"
#include "SkinArchive.h"

namespace {

// More rectangles than the chord list can show are a damaged layout.
constexpr int kMaxIcons = (kMaxChordNotes - kMinChordNotes + 1) * 255;

} // namespace

bool ChordIcons::LoadChordIcons(const std::string& iniPath, const std::string& archivePath, const ChordSet& set)
{
    for (auto& row : chordIcons)
        for (SkinImage& icon : row)
            icon.Release();
    lastError.clear();

    SkinArchive archive;
    SkinImage sheet;
    if (!archive.Load(archivePath, "ConsonaChord") || !sheet.CopyBitmap(archive.Get("ConsonaChord"))) {
        lastError = archivePath + ": no image \"ConsonaChord\"" +
                    (archive.LastError().empty() ? "" : " (" + archive.LastError() + ")");
        return false;
    }
    LayoutIni ini;
    if (!ini.Open(iniPath.c_str())) {
        lastError = iniPath + ": " + ini.LastError();
        return false;
    }
    const LayoutValue number = ini.Lookup("CHORD", "Number");
    const int count = number.kind == LayoutValue::Kind::Integer ? std::clamp(number.integer, 0, kMaxIcons) : 0;

    int k = 0;
    for (int n = kMinChordNotes; n <= kMaxChordNotes; ++n) {
        std::vector<ChordDef> chords;
        GetChords(set, n, chords);
        for (size_t i = 0; i < chords.size(); ++i, ++k) {
            if (i >= static_cast<size_t>(kChordIconSlots) || k >= count)
                continue;
            const LayoutValue rect = ini.Lookup("CHORD", "CHORD_" + std::to_string(k));
            if (rect.kind == LayoutValue::Kind::Rectangle)
                chordIcons[n][i].CutFrom(sheet, rect.rect);
        }
    }
    return true;
}

const SkinImage* ChordIcons::Icon(int n, int i) const
{
    if (n < 0 || n > kMaxChordNotes || i < 0 || i >= kChordIconSlots)
        return nullptr;
    return &chordIcons[n][i];
}

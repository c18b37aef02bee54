#include "ChordDef.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr size_t kNameField = 128;

int32_t ReadInt32(const uint8_t* p)
{
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

std::string At(size_t offset, const std::string& what)
{
    return what + " at offset " + std::to_string(offset);
}

} // namespace

std::string ParseChordFile(const uint8_t* data, size_t size, ChordSet& out, int firstCount)
{
    if (firstCount < kMinChordNotes || firstCount > kMaxChordNotes)
        return "first note count " + std::to_string(firstCount) + " outside 2..7";
    ChordSet read;
    size_t pos = 0;
    int expected = firstCount;
    while (pos < size && expected <= kMaxChordNotes) {
        if (size - pos < 2)
            return At(pos, "chord group header cut short");
        const int noteCount = data[pos];
        const int groupCount = data[pos + 1];
        if (noteCount < kMinChordNotes || noteCount > kMaxChordNotes)
            return At(pos, "note count " + std::to_string(noteCount) + " outside 2..7");
        if (noteCount != expected)
            return At(pos, "group of " + std::to_string(noteCount) + " notes where " +
                               std::to_string(expected) + " notes were expected");
        if (groupCount == 0)
            return At(pos, "empty group of " + std::to_string(noteCount) + " notes");
        pos += 2;
        const size_t entrySize = kNameField + 4 * static_cast<size_t>(noteCount);
        for (int c = 0; c < groupCount; ++c) {
            if (size - pos < entrySize)
                return At(pos, "chord entry cut short");
            ChordDef chord;
            size_t len = 0;
            while (len < sizeof chord.name - 1 && data[pos + len] != 0)
                ++len;
            std::copy(data + pos, data + pos + len, chord.name);
            chord.name[len] = '\0';
            chord.noteCount = static_cast<uint8_t>(noteCount);
            chord.groupCount = static_cast<uint8_t>(groupCount);
            for (int i = 0; i < noteCount; ++i) {
                const size_t at = pos + kNameField + 4 * static_cast<size_t>(i);
                const int32_t v = ReadInt32(data + at);
                if (v < 0 || v > 359)
                    return At(at, "hue value " + std::to_string(v) + " outside 0..359");
                chord.octave[i] = (v & 1) ? 6 : 5;
                chord.hue[i] = v & ~1;
            }
            read.emplace(noteCount, chord);
            pos += entrySize;
        }
        ++expected;
    }
    if (expected <= kMaxChordNotes)
        return "no group of " + std::to_string(expected) + " notes";
    out = std::move(read);
    return {};
}

std::string ReadChordFile(const std::string& path, ChordSet& out, int firstCount)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "cannot open " + path;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return "cannot read " + path;
    std::string error = ParseChordFile(bytes.data(), bytes.size(), out, firstCount);
    return error.empty() ? error : path + ": " + error;
}

void GetChords(const ChordSet& set, int n, std::vector<ChordDef>& out)
{
    out.clear();
    auto [first, last] = set.equal_range(n);
    if (first == last)
        return;
    const int groupCount = first->second.groupCount;
    for (auto it = first; it != last && static_cast<int>(out.size()) < groupCount; ++it)
        out.push_back(it->second);
}

PlacedNote PlaceNote(const ChordDef& chord, int i, int baseHue)
{
    int hue = chord.hue[i] + baseHue;
    int octave = chord.octave[i];
    if (hue >= 360) {
        hue -= 360;
        octave += 1;
    }
    return {hue, octave};
}

#pragma once
#include "SafeFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One item of the colour history: what the project keeps of a voice.
struct HistoryItem {
    float amplitude = 0;
    float frequency = 0;
    uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const HistoryItem&) const = default;
};

// A frame of the colour history: up to 100 items.
using HistoryFrame = std::vector<HistoryItem>;

// The state of all three modes at once, as saved in a project file (".tna").
// Words pack several small settings a byte each; colours are packed RGB.
// A fresh document is all zeros with an empty history.
//
// On disk: a fixed part of 2500 bytes, then per history frame its item count
// and 13 bytes per item (amplitude, frequency, red, green, blue, two zero
// bytes). Little-endian, no header.
class CProjectDoc {
public:
    static constexpr std::size_t kFixedBytes = 2500;
    static constexpr std::size_t kItemBytes = 13;
    static constexpr int kMaxFrameItems = 100;
    static constexpr std::size_t kPathField = 1024;
    static constexpr std::size_t kNameField = 128;

    using Colors = std::array<uint32_t, 7>;

    int32_t mainModeWord = 0;
    int32_t mainContrastWord = 0;
    std::string favoritesPath;
    Colors contrastBase{};
    Colors contrastShown{};
    std::array<double, 7> saturationFactors{};  // the contrast engine's, stored beside the arrays

    int32_t chordWord = 0;
    std::array<int32_t, 7> chordHues{};
    std::string chordName;
    Colors chordColors{};
    Colors chordOctaveColors{};

    std::vector<HistoryFrame> history;
    int32_t musicWord1 = 0;
    int32_t musicWord2 = 0;
    int32_t musicPosition = 0;
    int32_t historyPosition = 0;
    int32_t historyFrameCount = 0;
    std::string musicPath;
    Colors musicColors{};
    Colors musicOctaveColors{};

    int32_t editWord = 0;
    uint32_t editCurrent = 0;
    uint32_t editStart = 0;
    Colors editColors{};

    // Byte fields of the packed words.
    static int Byte(int32_t word, int index) { return (static_cast<uint32_t>(word) >> (8 * index)) & 0xFF; }
};

namespace ProjectFile {

// The file image. The frame count written is the number of frames the history
// actually holds, so the file always reads back.
std::string Encode(const CProjectDoc& doc);

// Fills `doc` from a file image. Everything is checked first — the fixed part
// present, the frame count against the bytes left, each frame's item count
// (0..100), the counts and indices packed in the words — and `doc` changes only
// when the whole image is good.
FileResult Decode(std::string_view bytes, CProjectDoc& doc);

FileResult Write(const CProjectDoc& doc, const std::string& path);
FileResult Read(CProjectDoc& doc, const std::string& path);

} // namespace ProjectFile

// True when the two documents agree in everything the save prompt looks at:
// the mode, contrast, chord, music and edit words, the chord, music and edit
// colours and the number of history frames. Paths, names, hues, positions,
// octave colours, contrast arrays, saturation factors and history items are
// not compared.
bool IsSame(const CProjectDoc& a, const CProjectDoc& b);

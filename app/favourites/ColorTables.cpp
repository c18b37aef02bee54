#include "ColorTables.h"

#include <fstream>
#include <iterator>

#include "ColorSystem.h"

// Generated from the text lists in names/: one array of names per system.
extern const char* const* const kReferenceNames[kReferenceSystemCount];

namespace {

constexpr size_t kHeaderSize = 4 * kColorSystemBlockCount;

const char* const kSystemTitles[kReferenceSystemCount] = {"Pantone", "NCS", "Toyo", "DIC", "COS"};
const char* const kListItems[kColorSystemListSize] = {"System", "Pantone", "Ncs", "Dic", "Cos", "Toyo"};
const int kListSystems[kColorSystemListSize] = {kNoReferenceSystem, kPantone, kNcs, kDic, kCos, kToyo};

int32_t ReadInt32(const uint8_t* p)
{
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

int MaxEntries(int blockIndex)
{
    return blockIndex < kReferenceSystemCount ? kNameTableSize[blockIndex] : kMaxPaletteEntries;
}

} // namespace

const char* ReferenceColorName(int system, int k)
{
    if (system < 0 || system >= kReferenceSystemCount || k < 0 || k >= kNameTableSize[system])
        return "";
    return kReferenceNames[system][k];
}

int ReferenceNameCount(int system)
{
    return system >= 0 && system < kReferenceSystemCount ? kNameTableSize[system] : 0;
}

const char* ReferenceSystemTitle(int system)
{
    return system >= 0 && system < kReferenceSystemCount ? kSystemTitles[system] : "";
}

const char* ColorSystemListItem(int item)
{
    return item >= 0 && item < kColorSystemListSize ? kListItems[item] : "";
}

int SystemOfListItem(int item)
{
    return item >= 0 && item < kColorSystemListSize ? kListSystems[item] : kNoReferenceSystem;
}

std::string ParseColorSystemBlock(const uint8_t* data, size_t size, int blockIndex, std::vector<uint32_t>& out)
{
    if (blockIndex < 0 || blockIndex >= kColorSystemBlockCount)
        return "no block " + std::to_string(blockIndex);
    if (size < kHeaderSize)
        return "file of " + std::to_string(size) + " bytes is shorter than its 28-byte header";
    size_t offset = kHeaderSize;
    size_t wantedOffset = 0;
    int wantedCount = 0;
    for (int b = 0; b < kColorSystemBlockCount; ++b) {
        const int32_t count = ReadInt32(data + 4 * b);
        if (count < 0 || count > MaxEntries(b))
            return "block " + std::to_string(b) + " claims " + std::to_string(count) + " entries (0.." +
                   std::to_string(MaxEntries(b)) + " allowed)";
        if (b == blockIndex) {
            wantedOffset = offset;
            wantedCount = count;
        }
        offset += 3 * static_cast<size_t>(count);
    }
    if (offset > size)
        return "file of " + std::to_string(size) + " bytes is shorter than the " + std::to_string(offset) +
               " bytes its counts need";
    out.resize(static_cast<size_t>(wantedCount));
    const uint8_t* p = data + wantedOffset;
    for (auto& color : out) {
        color = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16;
        p += 3;
    }
    return {};
}

ColorTables::ColorTables(const ColorSystem& colors, std::string path)
    : colorSystem(colors), dataPath(std::move(path))
{
}

bool ColorTables::ReadBlock(int blockIndex, std::vector<uint32_t>& out)
{
    out.clear();
    std::ifstream file(dataPath, std::ios::binary);
    if (!file) {
        lastError = "cannot open " + dataPath;
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    lastError = ParseColorSystemBlock(bytes.data(), bytes.size(), blockIndex, out);
    if (!lastError.empty()) {
        lastError = dataPath + ": " + lastError;
        out.clear();
        return false;
    }
    if (out.empty())
        lastError = dataPath + ": block " + std::to_string(blockIndex) + " holds no colours";
    return !out.empty();
}

int ColorTables::ReadSystemBlock(int system)
{
    if (system < 0 || system >= kReferenceSystemCount) {
        block.clear();
        lastError = "no colour-reference system " + std::to_string(system);
        return 0;
    }
    ReadBlock(system, block);
    return static_cast<int>(block.size());
}

std::vector<uint32_t> ColorTables::ReadPaletteBlock(int mode)
{
    std::vector<uint32_t> palette;
    if (mode == kSimulatePaletteA)
        ReadBlock(6, palette);
    else if (mode == kSimulatePaletteB)
        ReadBlock(5, palette);
    else
        lastError = "simulation mode " + std::to_string(mode) + " has no palette";
    return palette;
}

ReferenceMatch ColorTables::Nearest(int system, uint32_t color)
{
    ReferenceMatch match;
    match.color = color;
    if (ReadSystemBlock(system) == 0)
        return match;
    match.index = colorSystem.ColorResemble(color, block.data(), static_cast<int>(block.size()));
    match.color = block[static_cast<size_t>(match.index)];
    match.name = ReferenceColorName(system, match.index);
    return match;
}

void ColorTables::ConvertScheme(int system, uint32_t* colors, int count)
{
    if (count <= 0 || ReadSystemBlock(system) == 0)
        return;
    for (int i = 0; i < count; ++i)
        colors[i] = block[static_cast<size_t>(
            colorSystem.ColorResemble(colors[i], block.data(), static_cast<int>(block.size())))];
}

void ColorTables::SimulateScheme(int mode, uint32_t* colors, int count)
{
    if (count <= 0 || mode < kSimulateWebSafe || mode >= kSimulateNone)
        return;
    std::vector<uint32_t> palette;
    if (mode == kSimulatePaletteA || mode == kSimulatePaletteB) {
        palette = ReadPaletteBlock(mode);
        if (palette.empty())
            return;
    }
    for (int i = 0; i < count; ++i)
        colors[i] = SimulateColor(mode, colors[i], palette);
}

uint32_t ColorTables::SimulateColor(int mode, uint32_t color, const std::vector<uint32_t>& palette) const
{
    switch (mode) {
    case kSimulateWebSafe:
        return colorSystem.To216WebColor(color);
    case kSimulateHighColor:
        return colorSystem.ToH16BitWebColor(color);
    case kSimulatePaletteA:
    case kSimulatePaletteB:
        if (palette.empty())
            return color;
        return palette[static_cast<size_t>(
            colorSystem.ColorResemble(color, palette.data(), static_cast<int>(palette.size())))];
    default:
        return color;
    }
}

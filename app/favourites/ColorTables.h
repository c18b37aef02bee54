#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ColorSystem;

// The printed colour-reference systems the program names colours in, and the
// display simulations of the scheme panel.
//
// The five name tables are built into the program. Their colour values come
// from "ColorSystem.csd" in the setup folder: seven signed 32-bit counts, then
// blocks of three-byte RGB entries, one block per system (Pantone, NCS, Toyo,
// DIC, COS) followed by fixed palette B and fixed palette A. Entry k of a
// system's block belongs to name k of its table. A block may be empty (no
// values shipped for that system); then that system names nothing.
//
// Nothing is cached: every operation reads the block it needs from the file.
// A missing, short or inconsistent file gives "no data": the colour is kept as
// it was and the name is empty, and lastError() says why.

enum ColorReferenceSystem : int {
    kPantone = 0,
    kNcs = 1,
    kToyo = 2,
    kDic = 3,
    kCos = 4,
    kNoReferenceSystem = 5,
};

enum DisplaySimulation : int {
    kSimulateWebSafe = 0,
    kSimulatePaletteA = 1,  // block 6
    kSimulatePaletteB = 2,  // block 5
    kSimulateHighColor = 3, // 16-bit colour
    kSimulateNone = 4,
};

constexpr int kReferenceSystemCount = 5;
constexpr int kColorSystemBlockCount = 7;
constexpr int kNameTableSize[kReferenceSystemCount] = {1002, 1750, 1050, 1280, 1305};
// Upper bound for the palette blocks 5 and 6; anything larger is a damaged file.
constexpr int kMaxPaletteEntries = 65536;

// Name k of system 0..4, or "" when either is out of range.
const char* ReferenceColorName(int system, int k);
// Number of names of system 0..4, 0 otherwise.
int ReferenceNameCount(int system);
// English name of system 0..4 as written in reports ("Pantone", "NCS", ...).
const char* ReferenceSystemTitle(int system);

// The main window's colour-system list: "System", "Pantone", "Ncs", "Dic",
// "Cos", "Toyo". SystemOfListItem maps an item to its system index
// (kNoReferenceSystem for "System" and anything out of range).
constexpr int kColorSystemListSize = 6;
const char* ColorSystemListItem(int item);
int SystemOfListItem(int item);

// The result of a nearest-entry search. index is -1 when there was no data.
struct ReferenceMatch {
    uint32_t color = 0;
    std::string name;
    int index = -1;
};

class ColorTables {
public:
    // colorSystem provides the nearest-colour search and the quantisers; it must
    // outlive this object. dataPath is the path of "ColorSystem.csd".
    ColorTables(const ColorSystem& colorSystem, std::string dataPath);

    const std::string& DataPath() const { return dataPath; }
    void SetDataPath(std::string path) { dataPath = std::move(path); }

    // Reads the block of system 0..4 into Block(); returns its entry count
    // (0 = no data).
    int ReadSystemBlock(int system);
    // Reads the palette of simulation mode 1 (block 6) or 2 (block 5). The
    // caller keeps its own copy; an empty vector means no data.
    std::vector<uint32_t> ReadPaletteBlock(int mode);
    // The last block read by ReadSystemBlock.
    const std::vector<uint32_t>& Block() const { return block; }

    // Nearest entry of system 0..4 to color (smallest squared RGB distance,
    // the first of equally near entries wins). No data: the colour itself, an
    // empty name and index -1.
    ReferenceMatch Nearest(int system, uint32_t color);
    // Replaces each of count colours by its nearest entry of system; with no
    // data (or kNoReferenceSystem) the colours stay as they are.
    void ConvertScheme(int system, uint32_t* colors, int count);
    // Display simulation of count colours; mode 4 (and a mode with no data)
    // leaves them unchanged.
    void SimulateScheme(int mode, uint32_t* colors, int count);
    // One colour in mode 0..3; modes 1 and 2 use the palette the caller read
    // with ReadPaletteBlock. An empty palette leaves the colour as it is.
    uint32_t SimulateColor(int mode, uint32_t color, const std::vector<uint32_t>& palette) const;

    // Why the last read gave no data ("" after a successful read).
    const std::string& LastError() const { return lastError; }

private:
    bool ReadBlock(int blockIndex, std::vector<uint32_t>& out);

    const ColorSystem& colorSystem;
    std::string dataPath;
    std::vector<uint32_t> block;
    std::string lastError;
};

// Parses a whole "ColorSystem.csd" image: checks the counts against the name
// tables and the byte size and copies block blockIndex (0..6) to out. Returns
// "" on success, else what is wrong. Used by ColorTables and by the tools.
std::string ParseColorSystemBlock(const uint8_t* data, size_t size, int blockIndex,
                                  std::vector<uint32_t>& out);

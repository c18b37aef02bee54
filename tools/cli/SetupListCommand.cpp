// tintonia-cli setup-list [SETUP_DIR]: what the setup data holds — each colour
// name table with its first and last name and the number of values found in
// ColorSystem.csd, the fixed palettes, and the chords of Consona.csd and
// Chord.csd with their hue offsets (a ' marks a note of the upper octave).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ChordDef.h"
#include "CliCommand.h"
#include "ColorTables.h"

namespace {

std::string DefaultSetupFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("SetUp") : (exe.parent_path() / "SetUp").string();
}

void ListColorTables(const std::string& folder)
{
    const std::string path = folder + "/ColorSystem.csd";
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto valueCount = [&](int block) -> std::string {
        std::vector<uint32_t> colors;
        const std::string error = ParseColorSystemBlock(bytes.data(), bytes.size(), block, colors);
        return error.empty() ? std::to_string(colors.size()) : "no data (" + error + ")";
    };
    std::printf("Colour name tables (values from %s)\n", path.c_str());
    for (int s = 0; s < kReferenceSystemCount; ++s) {
        const int n = ReferenceNameCount(s);
        std::printf("  %-8s %4d names  first \"%s\"  last \"%s\"  values: %s\n", ReferenceSystemTitle(s), n,
                    ReferenceColorName(s, 0), ReferenceColorName(s, n - 1), valueCount(s).c_str());
    }
    std::printf("  palette A (block 6): %s colours\n", valueCount(6).c_str());
    std::printf("  palette B (block 5): %s colours\n", valueCount(5).c_str());
}

void ListChords(const std::string& path, int firstCount)
{
    ChordSet set;
    const std::string error = ReadChordFile(path, set, firstCount);
    if (!error.empty()) {
        std::printf("%s\n", error.c_str());
        return;
    }
    std::printf("Chords of %s\n", path.c_str());
    for (int n = firstCount; n <= kMaxChordNotes; ++n) {
        std::vector<ChordDef> chords;
        GetChords(set, n, chords);
        std::printf("  %d notes, %zu chords: first %s, last %s\n", n, chords.size(), chords.front().name,
                    chords.back().name);
        for (const ChordDef& chord : chords) {
            std::printf("    %-16s", chord.name);
            for (int i = 0; i < chord.noteCount; ++i)
                std::printf(" %3d%s", chord.hue[i], chord.octave[i] == 6 ? "'" : " ");
            std::printf("\n");
        }
    }
}

int Run(int argc, char** argv)
{
    if (argc > 1) {
        std::fprintf(stderr, "usage: tintonia-cli setup-list [SETUP_DIR]\n");
        return 2;
    }
    const std::string folder = argc == 1 ? argv[0] : DefaultSetupFolder();
    ListColorTables(folder);
    ListChords(folder + "/Consona.csd", kMinChordNotes);
    ListChords(folder + "/Chord.csd", 3);
    return 0;
}

} // namespace

TINTONIA_CLI_COMMAND(SetupList, "setup-list", "setup-list [SETUP_DIR]    list the colour name tables and chords", Run);

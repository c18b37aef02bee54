// Writes "ColorSystem.csd": the colour values of the five reference systems
// (in the order of the built-in name lists) and the two fixed palettes.
//
//   NCS, COS        derived from the notation of each name (ColorModels.cpp)
//   Pantone, Toyo,  empty unless VALUES_DIR holds pantone.txt, toyo.txt or
//   DIC             dic.txt with a value for every name ("NAME<TAB>R G B")
//   palette B       block 5: the 256 colours of 8-bit 3-3-2 RGB displays
//   palette A       block 6: the 16 colours of VGA text and 4-bit displays
//
// usage: tna-gen-colortables NAMES_DIR VALUES_DIR OUTPUT

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ColorModels.h"

namespace {

const char* const kSystems[5] = {"pantone", "ncs", "toyo", "dic", "cos"};
constexpr size_t kSizes[5] = {1002, 1750, 1050, 1280, 1305};

[[noreturn]] void Fail(const std::string& what)
{
    std::cerr << "tna-gen-colortables: " << what << "\n";
    std::exit(1);
}

std::vector<std::string> ReadNames(const std::string& path, size_t expected)
{
    std::ifstream in(path);
    if (!in)
        Fail("cannot open " + path);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        names.push_back(line);
    }
    if (names.size() != expected)
        Fail(path + " holds " + std::to_string(names.size()) + " names, expected " + std::to_string(expected));
    return names;
}

// "NAME<TAB>R G B" lines; every name of the table must be given.
std::vector<Rgb8> ReadValues(const std::string& path, const std::vector<std::string>& names)
{
    std::ifstream in(path);
    std::map<std::string, Rgb8> values;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const size_t tab = line.find('\t');
        std::istringstream rgb(tab == std::string::npos ? "" : line.substr(tab + 1));
        int r = -1, g = -1, b = -1;
        rgb >> r >> g >> b;
        if (!rgb || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
            Fail(path + ":" + std::to_string(lineNumber) + ": expected NAME<TAB>R G B with 0..255");
        values[line.substr(0, tab)] = Rgb8{uint8_t(r), uint8_t(g), uint8_t(b)};
    }
    std::vector<Rgb8> block;
    for (const std::string& name : names) {
        const auto it = values.find(name);
        if (it == values.end())
            Fail(path + ": no value for \"" + name + "\"");
        block.push_back(it->second);
    }
    return block;
}

std::vector<Rgb8> PaletteB()
{
    std::vector<Rgb8> palette;
    for (int i = 0; i < 256; ++i) {
        const int r = i >> 5, g = (i >> 2) & 7, b = i & 3;
        palette.push_back({uint8_t((r * 255 + 3) / 7), uint8_t((g * 255 + 3) / 7), uint8_t(b * 85)});
    }
    return palette;
}

std::vector<Rgb8> PaletteA()
{
    return {{0, 0, 0},      {0, 0, 170},    {0, 170, 0},    {0, 170, 170},  {170, 0, 0},    {170, 0, 170},
            {170, 85, 0},   {170, 170, 170}, {85, 85, 85},  {85, 85, 255},  {85, 255, 85},  {85, 255, 255},
            {255, 85, 85},  {255, 85, 255}, {255, 255, 85}, {255, 255, 255}};
}

void PutInt(std::string& out, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tna-gen-colortables NAMES_DIR VALUES_DIR OUTPUT\n";
        return 2;
    }
    const std::string namesDir = argv[1], valuesDir = argv[2];
    std::array<std::vector<Rgb8>, 7> blocks;
    for (int s = 0; s < 5; ++s) {
        const auto names = ReadNames(namesDir + "/" + kSystems[s] + ".txt", kSizes[s]);
        const std::string licensed = valuesDir + "/" + kSystems[s] + ".txt";
        if (std::filesystem::exists(licensed)) {
            blocks[s] = ReadValues(licensed, names);
            continue;
        }
        if (s != 1 && s != 4)
            continue;
        for (const std::string& name : names) {
            Rgb8 c;
            if (!(s == 1 ? NcsToSrgb(name, c) : CosToSrgb(name, c)))
                Fail("cannot derive a colour from \"" + name + "\"");
            blocks[s].push_back(c);
        }
    }
    blocks[5] = PaletteB();
    blocks[6] = PaletteA();

    std::string bytes;
    for (const auto& block : blocks)
        PutInt(bytes, static_cast<int32_t>(block.size()));
    for (const auto& block : blocks)
        for (const Rgb8& c : block) {
            bytes += static_cast<char>(c.r);
            bytes += static_cast<char>(c.g);
            bytes += static_cast<char>(c.b);
        }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        Fail(std::string("cannot write ") + argv[3]);
    return 0;
}

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ColorSystem.h"
#include "ColorTables.h"

namespace {

const std::string kShipped = TINTONIA_BIN_DIR "/SetUp/ColorSystem.csd";

std::vector<uint8_t> CsdBytes(const std::vector<std::vector<uint32_t>>& blocks, const int32_t* counts = nullptr)
{
    std::vector<uint8_t> out;
    for (size_t b = 0; b < 7; ++b) {
        const uint32_t n = counts ? static_cast<uint32_t>(counts[b]) : static_cast<uint32_t>(blocks[b].size());
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(n >> (8 * i)));
    }
    for (const auto& block : blocks)
        for (uint32_t c : block)
            out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    return out;
}

// A small ColorSystem.csd written by the test in its own temporary folder.
class ColorTablesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = ::testing::TempDir() + "ColorSystem-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".csd";
        Write(CsdBytes(blocks));
    }
    void TearDown() override { std::remove(path.c_str()); }
    void Write(const std::vector<uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // Pantone 3, NCS 2, Toyo none, DIC 1, COS 2, palette B 2, palette A 3.
    std::vector<std::vector<uint32_t>> blocks = {
        {0x000000FF, 0x00F0F0F0, 0x00F0F0F0},
        {0x00102030, 0x00FFFFFE},
        {},
        {0x0000FF00},
        {0x00808080, 0x00FEFEFE},
        {0x00000000, 0x00FFFFFF},
        {0x000000FF, 0x0000FF00, 0x00FF0000},
    };
    std::string path;
    ColorSystem colors;
};

} // namespace

TEST(ColorNames, TablesHaveTheirSizesAndEnds)
{
    struct Case {
        int system;
        int size;
        const char* first;
        const char* last;
    } cases[] = {
        {kPantone, 1002, "Yellow C", "877 C"},   {kNcs, 1750, "S 0500-N", "S 8010-G90Y"},
        {kToyo, 1050, "0001pc*", "1050pc*"},     {kDic, 1280, "1p", "2638p"},
        {kCos, 1305, "R1-90020", "N-15"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReferenceNameCount(c.system), c.size);
        EXPECT_STREQ(ReferenceColorName(c.system, 0), c.first);
        EXPECT_STREQ(ReferenceColorName(c.system, c.size - 1), c.last);
        EXPECT_STREQ(ReferenceColorName(c.system, c.size), "");
    }
    EXPECT_STREQ(ReferenceColorName(kNoReferenceSystem, 0), "");
    EXPECT_STREQ(ReferenceColorName(kPantone, -1), "");
    EXPECT_STREQ(ReferenceColorName(kPantone, 17), "Process Black C");
    int plainToyo = 0;
    for (int k = 0; k < 1050; ++k)
        plainToyo += std::strchr(ReferenceColorName(kToyo, k), '*') == nullptr;
    EXPECT_EQ(plainToyo, 623);
}

TEST(ColorNames, SystemListMapsToSystems)
{
    const char* items[] = {"System", "Pantone", "Ncs", "Dic", "Cos", "Toyo"};
    const int systems[] = {kNoReferenceSystem, 0, 1, 3, 4, 2};
    for (int i = 0; i < kColorSystemListSize; ++i) {
        EXPECT_STREQ(ColorSystemListItem(i), items[i]);
        EXPECT_EQ(SystemOfListItem(i), systems[i]) << items[i];
    }
    EXPECT_EQ(SystemOfListItem(6), kNoReferenceSystem);
}

TEST_F(ColorTablesFixture, BlocksComeFromTheCountsInTheFile)
{
    ColorTables tables(colors, path);
    for (int s = 0; s < kReferenceSystemCount; ++s) {
        EXPECT_EQ(tables.ReadSystemBlock(s), static_cast<int>(blocks[static_cast<size_t>(s)].size())) << s;
        EXPECT_EQ(tables.Block(), blocks[static_cast<size_t>(s)]) << s;
    }
    EXPECT_EQ(tables.ReadPaletteBlock(kSimulatePaletteA), blocks[6]);
    EXPECT_EQ(tables.ReadPaletteBlock(kSimulatePaletteB), blocks[5]);
    EXPECT_TRUE(tables.ReadPaletteBlock(kSimulateWebSafe).empty());
}

TEST_F(ColorTablesFixture, NearestEntryTakesTheFirstOfEquals)
{
    ColorTables tables(colors, path);
    const ReferenceMatch white = tables.Nearest(kPantone, 0x00FFFFFF);
    EXPECT_EQ(white.index, 1) << "entries 1 and 2 are equally near";
    EXPECT_EQ(white.color, 0x00F0F0F0u);
    EXPECT_EQ(white.name, "Yellow 012 C");
    const ReferenceMatch ncs = tables.Nearest(kNcs, 0x00112233);
    EXPECT_EQ(ncs.index, 0);
    EXPECT_EQ(ncs.name, "S 0500-N");

    uint32_t scheme[3] = {0x00FFFFFF, 0x00000001, 0x00777777};
    tables.ConvertScheme(kCos, scheme, 3);
    EXPECT_EQ(scheme[0], 0x00FEFEFEu);
    EXPECT_EQ(scheme[1], 0x00808080u);
    EXPECT_EQ(scheme[2], 0x00808080u);
}

TEST_F(ColorTablesFixture, SimulationModesUseTheirPalettes)
{
    ColorTables tables(colors, path);
    struct Case {
        int mode;
        uint32_t in, out;
    } cases[] = {
        {kSimulatePaletteA, 0x002000F0, 0x000000FF},  // block 6: red is nearest
        {kSimulatePaletteB, 0x002000F0, 0x00000000},  // block 5: black is nearest
        {kSimulateWebSafe, 0x00FF1A19, 0x00FF3300},   // (25, 26, 255) -> (0, 51, 255)
        {kSimulateHighColor, 0x001C0204, 0x00210408}, // (4, 2, 28) -> (8, 4, 33)
        {kSimulateNone, 0x00123456, 0x00123456},
    };
    for (const Case& c : cases) {
        uint32_t scheme[2] = {c.in, c.in};
        tables.SimulateScheme(c.mode, scheme, 2);
        EXPECT_EQ(scheme[0], c.out) << c.mode;
        EXPECT_EQ(scheme[1], c.out) << c.mode;
    }
    const std::vector<uint32_t> paletteA = tables.ReadPaletteBlock(kSimulatePaletteA);
    tables.ReadSystemBlock(kPantone);  // later reads do not disturb a palette the caller holds
    EXPECT_EQ(tables.SimulateColor(kSimulatePaletteA, 0x0011EE00, paletteA), 0x0000FF00u);
    EXPECT_EQ(tables.SimulateColor(kSimulatePaletteA, 0x0011EE00, {}), 0x0011EE00u);
}

TEST_F(ColorTablesFixture, BadFilesGiveNoData)
{
    const std::vector<uint8_t> good = CsdBytes(blocks);
    auto withCount = [&](int block, int32_t count) {
        int32_t counts[7];
        for (int b = 0; b < 7; ++b)
            counts[b] = static_cast<int32_t>(blocks[static_cast<size_t>(b)].size());
        counts[block] = count;
        return CsdBytes(blocks, counts);
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* expect;
    } cases[] = {
        {"short header", std::vector<uint8_t>(good.begin(), good.begin() + 27), "shorter than its 28-byte header"},
        {"short data", std::vector<uint8_t>(good.begin(), good.end() - 1), "shorter than the"},
        {"negative count", withCount(1, -1), "block 1 claims -1 entries"},
        {"more than the names", withCount(3, 1281), "block 3 claims 1281 entries"},
        {"huge palette", withCount(5, 1 << 30), "block 5 claims"},
        {"counts past the data", withCount(6, 4), "shorter than the"},
    };
    for (const Case& c : cases) {
        Write(c.bytes);
        ColorTables tables(colors, path);
        const ReferenceMatch m = tables.Nearest(kPantone, 0x00ABCDEF);
        EXPECT_EQ(m.index, -1) << c.what;
        EXPECT_EQ(m.color, 0x00ABCDEFu) << c.what;
        EXPECT_EQ(m.name, "") << c.what;
        EXPECT_NE(tables.LastError().find(c.expect), std::string::npos) << c.what << ": " << tables.LastError();
        uint32_t scheme[1] = {0x00ABCDEF};
        tables.SimulateScheme(kSimulatePaletteB, scheme, 1);
        EXPECT_EQ(scheme[0], 0x00ABCDEFu) << c.what;
    }
    ColorTables missing(colors, path + ".missing");
    EXPECT_EQ(missing.ReadSystemBlock(kNcs), 0);
    EXPECT_EQ(missing.Nearest(kToyo, 0x00FFFFFF).index, -1);
    ColorTables emptyBlock(colors, path);
    Write(good);
    EXPECT_EQ(emptyBlock.Nearest(kToyo, 0x00FFFFFF).name, "") << "Toyo has no values in this file";
}

TEST(ShippedColorTables, HoldDerivedSystemsAndThePalettes)
{
    ColorSystem colors;
    ColorTables tables(colors, kShipped);
    const int expected[5] = {0, 1750, 0, 0, 1305};
    for (int s = 0; s < kReferenceSystemCount; ++s)
        EXPECT_EQ(tables.ReadSystemBlock(s), expected[s]) << ReferenceSystemTitle(s);
    EXPECT_EQ(tables.ReadPaletteBlock(kSimulatePaletteA).size(), 16u);
    EXPECT_EQ(tables.ReadPaletteBlock(kSimulatePaletteB).size(), 256u);
    EXPECT_EQ(tables.Nearest(kNcs, 0x00FFFFFF).name, "S 0500-N");
    EXPECT_EQ(tables.Nearest(kCos, 0x00000000).name, "N-15");
    EXPECT_EQ(tables.Nearest(kNcs, 0x000000FF).name.substr(0, 4), "S 10") << "pure red is a strong NCS red";
}

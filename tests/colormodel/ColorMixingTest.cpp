#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "ColorSystem.h"
#include "TestColors.h"

namespace {

struct MixCase {
    std::vector<Rgb> colours;
    Rgb mix;
};

TEST(CalculMix, MixesAdditivelyInTheTriangle)
{
    const MixCase cases[] = {
        {{{255, 0, 0}, {0, 255, 0}}, {255, 255, 0}},
        {{{0, 255, 0}, {0, 0, 255}}, {0, 255, 255}},
        {{{200, 100, 50}}, {200, 100, 50}},
        {{{200, 100, 50}, {200, 100, 50}}, {200, 100, 50}},
        {{{255, 0, 0}}, {255, 0, 0}},
        {{{255, 255, 255}, {0, 0, 0}}, {128, 128, 128}},  // grey of mean value 127.5, rounded
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        std::vector<uint32_t> packed;
        for (const Rgb& colour : c.colours)
            packed.push_back(Pack(colour));
        EXPECT_EQ(Split(system.CalculMix(packed.data(), static_cast<int>(packed.size()))), c.mix)
            << c.colours.front() << " and " << c.colours.size() - 1 << " more";
    }
}

TEST(CalculMix, PrimariesTogetherGiveNearWhiteGrey)
{
    const uint32_t primaries[] = {Pack({255, 0, 0}), Pack({0, 255, 0}), Pack({0, 0, 255})};
    const ColorSystem system;
    const Rgb mix = Split(system.CalculMix(primaries, 3));
    for (int channel : {mix.r, mix.g, mix.b})
        EXPECT_TRUE(channel == 254 || channel == 255) << mix;
    EXPECT_EQ(std::max({mix.r, mix.g, mix.b}), 255) << mix;
}

TEST(CalculMix, NothingToMixGivesBlack)
{
    const uint32_t colours[] = {Pack({200, 100, 50})};
    const ColorSystem system;
    EXPECT_EQ(system.CalculMix(colours, 0), 0u);
    EXPECT_EQ(system.CalculMix(colours, -3), 0u);
    EXPECT_EQ(system.CalculMix(nullptr, 2), 0u);
}

TEST(ColorResemble, FindsTheFirstNearestEntry)
{
    struct Case {
        Rgb colour;
        std::vector<Rgb> table;
        int index;
    };
    const Case cases[] = {
        {{10, 20, 30}, {}, 0},
        {{10, 20, 30}, {{255, 255, 255}}, 0},
        {{10, 20, 30}, {{0, 0, 0}, {10, 20, 30}, {10, 20, 30}}, 1},
        {{10, 20, 30}, {{12, 20, 30}, {8, 20, 30}}, 0},            // a tie keeps the first
        {{100, 100, 100}, {{0, 0, 0}, {255, 255, 255}, {90, 110, 100}, {101, 100, 100}}, 3},
        {{0, 0, 0}, {{255, 255, 255}, {255, 255, 254}}, 1},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        std::vector<uint32_t> packed;
        for (const Rgb& entry : c.table)
            packed.push_back(Pack(entry));
        EXPECT_EQ(system.ColorResemble(Pack(c.colour), packed.data(), static_cast<int>(packed.size())), c.index)
            << c.colour;
    }
}

TEST(WebColours, To216WebColorSnapsEachChannel)
{
    struct Case {
        int value;
        int level;
    };
    const Case cases[] = {
        {0, 0}, {25, 0}, {26, 51}, {76, 51}, {77, 102}, {127, 102}, {128, 153},
        {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}, {-9, 0}, {999, 255},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        EXPECT_EQ(Split(system.To216WebColor(c.value, 0, 0)).r, c.level) << c.value;
        EXPECT_EQ(Split(system.To216WebColor(0, c.value, 0)).g, c.level) << c.value;
        EXPECT_EQ(Split(system.To216WebColor(0, 0, c.value)).b, c.level) << c.value;
    }
    EXPECT_EQ(Split(system.To216WebColor(25, 26, 255)), (Rgb{0, 51, 255}));
    EXPECT_EQ(Split(system.To216WebColor(Pack({25, 26, 255}))), (Rgb{0, 51, 255}));
}

TEST(WebColours, ToH16BitWebColorShowsWhatA565DisplayShows)
{
    struct Case {
        Rgb colour;
        Rgb shown;
    };
    const Case cases[] = {
        {{255, 255, 255}, {255, 255, 255}},
        {{0, 0, 0}, {0, 0, 0}},
        {{4, 2, 28}, {8, 4, 33}},      // integer midpoints go up
        {{3, 1, 27}, {0, 0, 24}},
        {{251, 253, 250}, {255, 255, 247}},
        {{-5, 300, 1000}, {0, 255, 255}},  // channels clamp first
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        EXPECT_EQ(Split(system.ToH16BitWebColor(c.colour.r, c.colour.g, c.colour.b)), c.shown) << c.colour;
        if (c.colour.r >= 0 && c.colour.b <= 255) {
            EXPECT_EQ(Split(system.ToH16BitWebColor(Pack(c.colour))), c.shown) << c.colour;
        }
    }
}

TEST(WebColours, ToH16BitWebColorKeepsDisplayLevelsAndMovesOthersToANeighbour)
{
    // The levels: 32 for red and blue, 64 for green.
    std::vector<int> levels5;
    std::vector<int> levels6;
    const ColorSystem system;
    for (int v = 0; v <= 255; ++v) {
        const Rgb shown = Split(system.ToH16BitWebColor(v, v, v));
        if (shown.r == v)
            levels5.push_back(v);
        if (shown.g == v)
            levels6.push_back(v);
    }
    EXPECT_EQ(levels5.size(), 32u);
    EXPECT_EQ(levels6.size(), 64u);
    for (int v = 0; v <= 255; ++v) {
        const Rgb shown = Split(system.ToH16BitWebColor(v, v, v));
        EXPECT_TRUE(std::binary_search(levels5.begin(), levels5.end(), shown.r)) << v;
        EXPECT_TRUE(std::binary_search(levels6.begin(), levels6.end(), shown.g)) << v;
        EXPECT_EQ(shown.r, shown.b);
        EXPECT_LE(std::abs(shown.r - v), 5) << v;
        EXPECT_LE(std::abs(shown.g - v), 3) << v;
    }
}

} // namespace

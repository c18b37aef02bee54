// HLS and HSV conversions checked against Python's colorsys over a grid of
// colours; the table is written at build time by colorsys_grid.py.

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "ColorSystem.h"
#include "TestColors.h"

namespace {

// One unit on the 0..255 scales (and one degree of hue): the conversions
// truncate their channels and round HSV hue and saturation to whole numbers.
// The margin absorbs colorsys' own last-bit rounding of whole values.
constexpr double kUnit = 1.0 + 1e-9;

double HueDistance(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 360.0 - d);
}

class ColorsysOracle : public testing::Test {
protected:
    void SetUp() override
    {
        table.open(COLORSYS_GRID);
        if (!table)
            GTEST_SKIP() << "colorsys table missing: " << COLORSYS_GRID;
    }

    std::ifstream table;
    const ColorSystem system;
};

TEST_F(ColorsysOracle, AgreesWithinOneUnit)
{
    int rgbLines = 0, hlsLines = 0, hsvLines = 0;
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "rgb") {
            int r, g, b;
            double h, l, s, hv, sv, v;
            in >> r >> g >> b >> h >> l >> s >> hv >> sv >> v;
            const HLSINFO hls = system.RgbToHls(r, g, b, 255);
            const HSVINFO hsv = system.RgbToHsv(r, g, b, 255);
            EXPECT_LE(HueDistance(hls.hue, h), kUnit) << line;
            EXPECT_NEAR(hls.lightness, l, kUnit) << line;
            EXPECT_NEAR(hls.saturation, s, kUnit) << line;
            EXPECT_LE(HueDistance(hsv.hue, hv), kUnit) << line;
            EXPECT_NEAR(hsv.saturation, sv, kUnit) << line;
            EXPECT_NEAR(hsv.value, v, kUnit) << line;
            ++rgbLines;
        } else if (kind == "hls" || kind == "hsv") {
            float hue, a, c;
            double r, g, b;
            in >> hue >> a >> c >> r >> g >> b;
            const Rgb ours = Split(kind == "hls" ? system.HlsToRgb(hue, a, c, 255) : system.HsvToRgb(hue, a, c, 255));
            EXPECT_NEAR(ours.r, r, kUnit) << line;
            EXPECT_NEAR(ours.g, g, kUnit) << line;
            EXPECT_NEAR(ours.b, b, kUnit) << line;
            ++(kind == "hls" ? hlsLines : hsvLines);
        }
    }
    EXPECT_GT(rgbLines, 1000);
    EXPECT_GT(hlsLines, 1000);
    EXPECT_GT(hsvLines, 1000);
}

} // namespace

#include "ColorSystem.h"

#include <cmath>
#include <limits>
#include <type_traits>

#include <gtest/gtest.h>

#include "ConsonaSystem.h"
#include "TestColors.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(ColorRecords, ConstructorsKeepFieldOrder)
{
    const HLSINFO hls0;
    const HSVINFO hsv0;
    const CMYKINFO cmyk0;
    EXPECT_EQ(hls0.hue + hls0.lightness + hls0.saturation, 0);
    EXPECT_EQ(hsv0.hue + hsv0.saturation + hsv0.value, 0);
    EXPECT_EQ(cmyk0.cyan + cmyk0.magenta + cmyk0.yellow + cmyk0.black, 0);

    const HLSINFO hls(1, 2, 3);
    const HSVINFO hsv(1, 2, 3);
    const CMYKINFO cmyk(1, 2, 3, 4);
    EXPECT_EQ((Rgb{int(hls.hue), int(hls.lightness), int(hls.saturation)}), (Rgb{1, 2, 3}));
    EXPECT_EQ((Rgb{int(hsv.hue), int(hsv.saturation), int(hsv.value)}), (Rgb{1, 2, 3}));
    EXPECT_EQ(cmyk.cyan * 1000 + cmyk.magenta * 100 + cmyk.yellow * 10 + cmyk.black, 1234);

    HLSINFO assigned;
    static_assert(std::is_same_v<decltype(assigned = hls), const HLSINFO&>);
    static_assert(std::is_same_v<decltype(std::declval<HSVINFO&>() = hsv), const HSVINFO&>);
    assigned = hls;
    EXPECT_FALSE(assigned != hls);
    CMYKINFO cmykAssigned;
    cmykAssigned = cmyk;
    EXPECT_EQ(cmykAssigned.black, 4);
}

TEST(ColorRecords, InequalityTreatsNaNPairsAsEqual)
{
    struct Case {
        HLSINFO a;
        HLSINFO b;
        bool differ;
    };
    const Case cases[] = {
        {{1, 2, 3}, {1, 2, 3}, false},
        {{1, 2, 3}, {9, 2, 3}, true},
        {{1, 2, 3}, {1, 9, 3}, true},
        {{1, 2, 3}, {1, 2, 9}, true},
        {{kNaN, 2, 3}, {1, 2, 3}, false},
        {{1, 2, 3}, {1, kNaN, 3}, false},
        {{1, 2, kNaN}, {1, 2, kNaN}, false},
        {{kNaN, 2, 3}, {1, 2, 9}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a != c.b, c.differ);
        const HSVINFO a(c.a.hue, c.a.lightness, c.a.saturation);
        const HSVINFO b(c.b.hue, c.b.lightness, c.b.saturation);
        EXPECT_EQ(a != b, c.differ);
    }
}

struct HlsCase {
    Rgb colour;
    float scale;
    HLSINFO hls;
};

TEST(ColorConversion, RgbToHls)
{
    const HlsCase cases[] = {
        {{255, 0, 0}, 255, {0, 127.5f, 255}},
        {{128, 128, 128}, 255, {0, 128, 0}},
        {{0, 0, 0}, 255, {0, 0, 0}},
        {{255, 255, 255}, 255, {0, 255, 0}},
        {{0, 255, 0}, 255, {120, 127.5f, 255}},
        {{0, 0, 255}, 255, {240, 127.5f, 255}},
        {{255, 255, 0}, 255, {60, 127.5f, 255}},
        {{255, 0, 255}, 255, {300, 127.5f, 255}},
        {{255, 0, 128}, 255, {329.882f, 127.5f, 255}},
        {{255, 0, 0}, 100, {0, 50, 100}},
        // channels outside 0..255 count as their nearest limit
        {{300, -20, 0}, 255, {0, 127.5f, 255}},
        {{-1, -1, -1}, 255, {0, 0, 0}},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        const HLSINFO hls = system.RgbToHls(c.colour.r, c.colour.g, c.colour.b, c.scale);
        EXPECT_NEAR(hls.hue, c.hls.hue, 1e-3) << c.colour;
        EXPECT_FLOAT_EQ(hls.lightness, c.hls.lightness) << c.colour;
        EXPECT_FLOAT_EQ(hls.saturation, c.hls.saturation) << c.colour;
    }
}

struct HsvCase {
    Rgb colour;
    float scale;
    HSVINFO hsv;
};

TEST(ColorConversion, RgbToHsvUsesWholeDegreesRoundedHalfAway)
{
    const HsvCase cases[] = {
        {{0, 0, 0}, 255, {0, 0, 0}},
        {{0, 0, 0}, 100, {0, 0, 0}},
        {{255, 255, 255}, 255, {0, 0, 255}},
        {{255, 0, 0}, 255, {0, 255, 255}},
        {{0, 255, 0}, 255, {120, 255, 255}},
        {{0, 0, 255}, 255, {240, 255, 255}},
        {{255, 0, 0}, 100, {0, 100, 100}},
        {{8, 1, 0}, 255, {8, 255, 8}},     // 7.5 degrees rounds up
        {{8, 0, 1}, 255, {352, 255, 8}},   // -7.5 rounds to -8
        {{7, 1, 0}, 255, {9, 255, 7}},     // 8.57 rounds to nearest, not down
        {{2, 1, 1}, 255, {0, 128, 2}},     // saturation 127.5 rounds up
        {{300, -5, 0}, 255, {0, 255, 255}},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        const HSVINFO hsv = system.RgbToHsv(c.colour.r, c.colour.g, c.colour.b, c.scale);
        EXPECT_EQ(hsv.hue, c.hsv.hue) << c.colour;
        EXPECT_FLOAT_EQ(hsv.saturation, c.hsv.saturation) << c.colour;
        EXPECT_FLOAT_EQ(hsv.value, c.hsv.value) << c.colour;
    }
    // The limit absorbs the excess of the rounded reciprocal.
    EXPECT_EQ(system.RgbToHsv(255, 0, 0, 255).saturation, 255.0f);
    EXPECT_EQ(system.RgbToHsv(255, 0, 0, 255).value, 255.0f);
}

struct ToRgbCase {
    float hue;
    float a;
    float b;
    float scale;
    Rgb colour;
};

TEST(ColorConversion, HlsToRgbTruncatesAndClamps)
{
    const ToRgbCase cases[] = {
        {0, 127.5f, 255, 255, {255, 0, 0}},
        {120, 127.5f, 255, 255, {0, 255, 0}},
        {240, 127.5f, 255, 255, {0, 0, 255}},
        {60, 127.5f, 255, 255, {255, 255, 0}},
        {0, 128, 0, 255, {128, 128, 128}},
        {0, 127.9f, 0, 255, {127, 127, 127}},
        {0, 75, 100, 100, {255, 127, 127}},
        {0, 300, 0, 255, {255, 255, 255}},   // lightness limited to 255
        {0, 127.5f, 400, 255, {255, 0, 0}},  // saturation limited to 255
        // out-of-range results clamp instead of keeping their low 8 bits
        {0, 200, 0, 100, {255, 255, 255}},
        {0, 30, 200, 100, {229, 0, 0}},
    };
    const ColorSystem system;
    for (const auto& c : cases)
        EXPECT_EQ(Split(system.HlsToRgb(c.hue, c.a, c.b, c.scale)), c.colour) << c.hue << ' ' << c.a << ' ' << c.b;
}

TEST(ColorConversion, HsvToRgb)
{
    const ToRgbCase cases[] = {
        {0, 0, 127.5f, 255, {128, 128, 128}},  // grey is rounded
        {0, 255, 127.5f, 255, {127, 0, 0}},    // colours are truncated
        {0, 255, 255, 255, {255, 0, 0}},
        {60, 255, 255, 255, {255, 255, 0}},
        {120, 255, 255, 255, {0, 255, 0}},
        {240, 255, 255, 255, {0, 0, 255}},
        {300, 255, 255, 255, {255, 0, 255}},
        {30, 127.5f, 200, 255, {200, 150, 99}},  // the rounded 1/255 pushes p just below 100
        {360, 255, 255, 255, {255, 0, 0}},
        {360.5f, 255, 255, 255, {0, 0, 0}},
        {kNaN, 255, 255, 255, {0, 0, 0}},
        {0, 300, 255, 255, {255, 0, 0}},       // saturation limited to 255
        {0, 255, 300, 255, {255, 0, 0}},       // value clamps, not wraps
        {0, 0, 300, 255, {255, 255, 255}},
        // the largest hue below 360 stays in the last sector
        {std::nextafter(360.0f, 0.0f), 255, 255, 255, {255, 0, 4}},
    };
    const ColorSystem system;
    for (const auto& c : cases)
        EXPECT_EQ(Split(system.HsvToRgb(c.hue, c.a, c.b, c.scale)), c.colour) << c.hue << ' ' << c.a << ' ' << c.b;
}

TEST(ColorConversion, HsvScaleHundredIsPercent)
{
    const ColorSystem system;
    for (float hue : {0.0f, 45.0f, 200.0f, 300.0f})
        EXPECT_EQ(Split(system.HsvToRgb(hue, 50, 100, 100)), Split(system.HsvToRgb(hue, 127.5f, 255, 255))) << hue;
}

struct CmykCase {
    Rgb colour;
    CMYKINFO cmyk;
    float tolerance;
};

TEST(ColorConversion, RgbToCmyk)
{
    // 1e-5: the single-precision 1/255 leaves white a hair off zero.
    const CmykCase cases[] = {
        {{0, 0, 0}, {0, 0, 0, 100}, 0},
        {{255, 255, 255}, {0, 0, 0, 0}, 1e-5f},
        {{255, 0, 0}, {0, 100, 100, 0}, 1e-4f},
        {{51, 102, 153}, {66.6667f, 33.3333f, 0, 40}, 1e-3f},
        {{300, -5, 0}, {0, 100, 100, 0}, 1e-4f},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        const CMYKINFO cmyk = system.RgbToCmyk(c.colour.r, c.colour.g, c.colour.b);
        EXPECT_NEAR(cmyk.cyan, c.cmyk.cyan, c.tolerance) << c.colour;
        EXPECT_NEAR(cmyk.magenta, c.cmyk.magenta, c.tolerance) << c.colour;
        EXPECT_NEAR(cmyk.yellow, c.cmyk.yellow, c.tolerance) << c.colour;
        EXPECT_NEAR(cmyk.black, c.cmyk.black, c.tolerance) << c.colour;
    }
    const CMYKINFO white = system.RgbToCmyk(0xFFFFFFu);
    EXPECT_NEAR(white.black, 0, 1e-5);
}

TEST(ColorConversion, CmykToRgb)
{
    struct Case {
        CMYKINFO cmyk;
        Rgb colour;
    };
    const Case cases[] = {
        {{0, 1, 1, 0}, {255, 0, 0}},
        {{0, 0, 0, 1}, {0, 0, 0}},
        {{0, 0, 0, 0}, {255, 255, 255}},
        {{0, 0.5f, 1, 0.2f}, {204, 102, 0}},
        {{-1, 0, 0, 0}, {255, 255, 255}},  // clamps instead of wrapping to 254
        {{2, 0, 0, 0}, {0, 255, 255}},
    };
    const ColorSystem system;
    for (const auto& c : cases) {
        EXPECT_EQ(Split(system.CmykToRgb(c.cmyk)), c.colour);
        EXPECT_EQ(Split(system.CmykToRgb(c.cmyk.cyan, c.cmyk.magenta, c.cmyk.yellow, c.cmyk.black)), c.colour);
    }
}

TEST(ColorConversion, CmykPercentRoundTrip)
{
    const ColorSystem system;
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 15)
            for (int b = 0; b <= 255; b += 15) {
                const CMYKINFO p = system.RgbToCmyk(r, g, b);
                EXPECT_EQ(Split(system.CmykToRgb(p.cyan * 0.01f, p.magenta * 0.01f, p.yellow * 0.01f, p.black * 0.01f)),
                          (Rgb{r, g, b}));
            }
}

TEST(NoteHue, PlainHueToNoteHue)
{
    struct Case {
        float plain;
        float note;
    };
    const Case cases[] = {
        {0, 0}, {361, 0}, {kNaN, 0}, {30, 27.723f}, {60, 55.167f}, {90, 88.203f}, {180, 142.746f},
        {240, 198.435f}, {270, 253.806f}, {270.5f, 253.635f + 0.5f * 1.8467f}, {300, 309.036f}, {360, 360},
    };
    const ColorSystem system;
    for (const auto& c : cases)
        EXPECT_NEAR(system.RgbToHHue(c.plain), c.note, 1e-3) << c.plain;
}

TEST(NoteHue, RgbToHHlsGivesNoteHueAndRemembersPlainHls)
{
    struct Case {
        Rgb colour;
        float noteHue;
        float plainHue;
    };
    const Case cases[] = {
        {{255, 255, 0}, 55.167f, 60}, {{0, 255, 255}, 142.746f, 180},
        {{255, 0, 255}, 309.036f, 300}, {{0, 0, 255}, 198.435f, 240},
    };
    for (const auto& c : cases) {
        ColorSystem system;
        const HLSINFO hls = system.RgbToHHls(Pack(c.colour), 255);
        EXPECT_NEAR(hls.hue, c.noteHue, 1e-3) << c.colour;
        EXPECT_FLOAT_EQ(hls.lightness, 127.5f);
        EXPECT_FLOAT_EQ(hls.saturation, 255);
        EXPECT_NEAR(system.lastHls.hue, c.plainHue, 1e-3);
        EXPECT_FLOAT_EQ(system.lastHls.lightness, 127.5f);
        EXPECT_NEAR(system.RgbToHHue(Pack(c.colour)), c.noteHue, 1e-3);

        const HSVINFO hsv = system.RgbToHHsv(c.colour.r, c.colour.g, c.colour.b, 255);
        EXPECT_NEAR(hsv.hue, c.noteHue, 1e-3);
        EXPECT_EQ(system.lastHsv.hue, c.plainHue);
        EXPECT_EQ(hsv.value, 255);
    }
}

// The wheel colours of the twelve notes at lightness 50.
const Rgb kNoteColours[12] = {
    {255, 0, 0}, {255, 137, 0}, {234, 255, 0}, {119, 255, 0}, {5, 255, 0}, {0, 221, 255},
    {0, 84, 255}, {25, 0, 255}, {94, 0, 255}, {163, 0, 255}, {232, 0, 255}, {255, 0, 147},
};

void ExpectWithin(const Rgb& actual, const Rgb& expected, int units, int note)
{
    EXPECT_LE(std::abs(actual.r - expected.r), units) << "note " << note << ": " << actual << " vs " << expected;
    EXPECT_LE(std::abs(actual.g - expected.g), units) << "note " << note << ": " << actual << " vs " << expected;
    EXPECT_LE(std::abs(actual.b - expected.b), units) << "note " << note << ": " << actual << " vs " << expected;
}

TEST(NoteHue, NoteHuesGoBackThroughTheWheel)
{
    const ColorSystem system;
    for (int note = 0; note < 12; ++note) {
        const float noteHue = 30.0f * note;
        const Rgb viaHls = Split(system.HHlsToRgb(noteHue, 127.5f, 255, 255));
        const Rgb viaHsv = Split(system.HHsvToRgb(noteHue, 255, 255, 255));
        // HLS truncates its channels (one unit); HSV also works from whole
        // degrees of hue, and one degree is 255 / 60 units of a channel.
        ExpectWithin(viaHls, kNoteColours[note], 1, note);
        ExpectWithin(viaHsv, kNoteColours[note], 5, note);
        EXPECT_EQ(Split(system.HHlsToRgb(HLSINFO(noteHue, 127.5f, 255), 255)), viaHls);
        EXPECT_EQ(Split(system.HHsvToRgb(HSVINFO(noteHue, 255, 255), 255)), viaHsv);
    }
}

TEST(NoteHue, HuesAtOrPastTheFullCircleAreC)
{
    const ColorSystem system;
    const Rgb red = Split(system.HHlsToRgb(0, 127.5f, 255, 255));
    for (float noteHue : {359.9986f, 359.9999f, 360.0f, 720.0f}) {
        EXPECT_EQ(Split(system.HHlsToRgb(noteHue, 127.5f, 255, 255)), red) << noteHue;
        EXPECT_EQ(Split(system.HHsvToRgb(noteHue, 255, 255, 255)), (Rgb{255, 0, 0})) << noteHue;
    }
}

TEST(OutColorData, EachModeReadsItsComponent)
{
    const uint32_t colour = Pack(Rgb{51, 102, 153});
    ColorSystem reference;
    const HLSINFO hls = reference.RgbToHHls(colour, 255);
    const HSVINFO hsv = reference.RgbToHHsv(colour, 255);
    const CMYKINFO cmyk = reference.RgbToCmyk(colour);
    struct Case {
        ColorSystem::eColorMode mode;
        float value;
    };
    const Case cases[] = {
        {ColorSystem::cmNoteHue, hls.hue}, {ColorSystem::cmLightness, hls.lightness},
        {ColorSystem::cmHlsSaturation, hls.saturation}, {ColorSystem::cmHsvSaturation, hsv.saturation},
        {ColorSystem::cmValue, hsv.value}, {ColorSystem::cmCyan, cmyk.cyan},
        {ColorSystem::cmMagenta, cmyk.magenta}, {ColorSystem::cmYellow, cmyk.yellow},
        {ColorSystem::cmBlack, cmyk.black}, {ColorSystem::cmHue, 210},
        {static_cast<ColorSystem::eColorMode>(10), 0}, {static_cast<ColorSystem::eColorMode>(-1), 0},
    };
    for (const auto& c : cases) {
        ColorSystem system;
        EXPECT_FLOAT_EQ(system.OutColorData(&colour, c.mode), c.value) << c.mode;
    }
}

TEST(OutColorData, OnlyNoteHueModesRememberTheConversion)
{
    const uint32_t colour = Pack(Rgb{51, 102, 153});
    for (int mode = -1; mode <= 10; ++mode) {
        ColorSystem system;
        system.OutColorData(&colour, static_cast<ColorSystem::eColorMode>(mode));
        const bool hlsMode = mode >= 0 && mode <= 2;
        const bool hsvMode = mode == 3 || mode == 4;
        EXPECT_EQ(system.lastHls.lightness != 0, hlsMode) << mode;
        EXPECT_EQ(system.lastHsv.value != 0, hsvMode) << mode;
    }
}

TEST(OctaveShading, EachOctaveRaisesLightnessByTen)
{
    ConsonaSystem wheel;
    for (double note : {0.0, 4.0, 9.0, 10.5}) {
        for (int octave = 0; octave <= 4; ++octave) {
            ColorSystem system;
            const uint32_t byNote = system.OctaveToColor(note, octave);
            EXPECT_EQ(byNote, system.OctaveToColor(wheel.ToConsonaColor(note, 50), octave));
            const Rgb c = Split(byNote);
            const HLSINFO hls = system.RgbToHls(c.r, c.g, c.b, 255);
            EXPECT_NEAR(hls.lightness, 127.5 + 10 * octave, 1.0) << note << " octave " << octave;
        }
    }
}

TEST(OctaveShading, RemembersThePlainHlsOfTheWheelColour)
{
    ColorSystem system;
    system.OctaveToColor(9.0, 2);
    const HLSINFO expected = system.RgbToHls(163, 0, 255, 255);
    EXPECT_FALSE(system.lastHls != expected);
    const ColorSystem copy(system);
    EXPECT_FALSE(copy.lastHls != expected);
    ColorSystem assigned;
    assigned = system;
    EXPECT_FALSE(assigned.lastHls != expected);
}

} // namespace

#include "ConsonaSystem.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "TestColors.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Rgb Wheel(double note, double lightness)
{
    ConsonaSystem wheel;
    return Split(wheel.ToConsonaColor(note, lightness));
}

struct WheelCase {
    double note;
    double lightness;
    Rgb colour;
};

class WheelColour : public testing::TestWithParam<WheelCase> {};

TEST_P(WheelColour, MatchesPublishedColour)
{
    const WheelCase& c = GetParam();
    EXPECT_EQ(Wheel(c.note, c.lightness), c.colour) << "note " << c.note << " lightness " << c.lightness;

    ConsonaSystem wheel;
    double r = -1, g = -1, b = -1;
    wheel.ToConsonaColor(c.note, &r, &g, &b, c.lightness);
    EXPECT_EQ((Rgb{static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)}), c.colour);
    EXPECT_EQ(r, std::trunc(r));
}

INSTANTIATE_TEST_SUITE_P(TwelveNotes, WheelColour, testing::Values(
    WheelCase{0, 50, {255, 0, 0}}, WheelCase{1, 50, {255, 137, 0}}, WheelCase{2, 50, {234, 255, 0}},
    WheelCase{3, 50, {119, 255, 0}}, WheelCase{4, 50, {5, 255, 0}}, WheelCase{5, 50, {0, 221, 255}},
    WheelCase{6, 50, {0, 84, 255}}, WheelCase{7, 50, {25, 0, 255}}, WheelCase{8, 50, {94, 0, 255}},
    WheelCase{9, 50, {163, 0, 255}}, WheelCase{10, 50, {232, 0, 255}}, WheelCase{11, 50, {255, 0, 147}}));

// Each breakpoint belongs to the colour named after it.
INSTANTIATE_TEST_SUITE_P(Breakpoints, WheelColour, testing::Values(
    WheelCase{1.8389, 50, {255, 255, 0}}, WheelCase{4.0656, 50, {0, 255, 0}},
    WheelCase{4.7582, 50, {0, 255, 255}}, WheelCase{6.6215, 50, {0, 0, 255}},
    WheelCase{10.3012, 50, {255, 0, 255}}, WheelCase{11.99, 50, {255, 0, 0}}));

// 100 is not pure white: the increment is truncated before the conversion.
INSTANTIATE_TEST_SUITE_P(ShadingOfA, WheelColour, testing::Values(
    WheelCase{9, 0, {0, 0, 0}}, WheelCase{9, 10, {30, 0, 51}}, WheelCase{9, 25, {81, 0, 127}},
    WheelCase{9, 40, {130, 0, 204}}, WheelCase{9, 60, {181, 48, 255}}, WheelCase{9, 75, {206, 127, 255}},
    WheelCase{9, 90, {234, 204, 255}}, WheelCase{9, 100, {252, 255, 255}}));

// Out-of-circle positions wrap (12 is C again) and out-of-range lightness
// clamps instead of wrapping or mirroring.
INSTANTIATE_TEST_SUITE_P(OutOfRange, WheelColour, testing::Values(
    WheelCase{12, 50, {255, 0, 0}}, WheelCase{24, 50, {255, 0, 0}}, WheelCase{-12, 50, {255, 0, 0}},
    WheelCase{21, 50, {163, 0, 255}}, WheelCase{-3, 50, {163, 0, 255}}, WheelCase{kNaN, 50, {255, 0, 0}},
    WheelCase{kInf, 50, {255, 0, 0}}, WheelCase{-kInf, 50, {255, 0, 0}},
    WheelCase{9, 105, {255, 255, 255}}, WheelCase{9, 200, {255, 255, 255}}, WheelCase{9, 1e9, {255, 255, 255}},
    WheelCase{9, -40, {0, 0, 0}}, WheelCase{0, -1e9, {0, 0, 0}}));

TEST(ConsonaWheel, LightnessZeroIsBlackEverywhere)
{
    for (double note = 0; note < 12; note += 0.05)
        EXPECT_EQ(Wheel(note, 0), (Rgb{0, 0, 0})) << note;
}

TEST(ConsonaWheel, EveryChannelIsWrittenForAnyPosition)
{
    ConsonaSystem wheel;
    for (double note : {-1e12, -13.5, -1e-12, 11.9999999999, 12.0, 12.5, 1e12, kNaN}) {
        double r = -7, g = -7, b = -7;
        wheel.ToConsonaColor(note, &r, &g, &b, 50);
        for (double c : {r, g, b})
            EXPECT_TRUE(c >= 0 && c <= 255) << note;
    }
}

struct SaturationCase {
    double note;
    double saturation;
};

TEST(ConsonaSaturation, FollowsTheReferenceCurve)
{
    const SaturationCase cases[] = {
        {0, 100}, {12, 100}, {4.0656, 66}, {6.6215, 43},
        {2, 100 - 8.36281 * 2}, {5, 102.5853 - 8.9987 * 5}, {9, 10.5978 * 9 - 27.1741},
        // wrapped onto the circle
        {24, 100}, {14, 100 - 8.36281 * 2}, {-3, 10.5978 * 9 - 27.1741}, {kNaN, 100},
    };
    for (const auto& c : cases) {
        ConsonaSystem system;
        double saturation = -1;
        system.ToSaturation(c.note, &saturation);
        EXPECT_DOUBLE_EQ(saturation, c.saturation) << c.note;
    }
}

struct FrequencyCase {
    double frequency;
    double position;
    int lightness;
    Rgb colour;
};

TEST(ConsonaFrequency, ColoursAndLightnessOfFrequencies)
{
    const FrequencyCase cases[] = {
        {440, 9.0083, 50, {163, 0, 255}}, {261.6256, 0.0083, 42, {214, 0, 0}},
        {27.5, 9.0083, 10, {30, 0, 51}}, {880, 9.0083, 60, {181, 48, 255}},
        {20000, 3.0845, 105, {255, 255, 255}}, {110, 9.0083, 30, {-1, -1, -1}},
        {1760, 9.0083, 70, {-1, -1, -1}}, {14080, 9.0083, 100, {-1, -1, -1}},
        {13.75, 9.0083, 0, {0, 0, 0}}, {10, 3.4951, 0, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        ConsonaSystem system;
        unsigned char r = 1, g = 1, b = 1;
        system.GetRGB(c.frequency, &r, &g, &b);
        EXPECT_EQ(system.lightness, c.lightness) << c.frequency;
        EXPECT_NEAR(system.notePosition, c.position, 1e-4) << c.frequency;
        EXPECT_DOUBLE_EQ(system.notePosition, 12 * system.octaveFraction);
        if (c.colour.r >= 0) {
            EXPECT_EQ((Rgb{r, g, b}), c.colour) << c.frequency;
        }
        EXPECT_EQ((Rgb{r, g, b}), (Rgb{static_cast<int>(system.red), static_cast<int>(system.green),
                                       static_cast<int>(system.blue)}));
    }
}

TEST(ConsonaFrequency, EveryCSitsJustAboveTheOctaveStart)
{
    ConsonaSystem system;
    for (unsigned char octave = 1; octave <= 9; ++octave) {
        unsigned char r, g, b;
        system.GetRGB(octave, static_cast<unsigned char>(0), &r, &g, &b);
        EXPECT_NEAR(system.octaveFraction, 0.000693, 1e-6) << int(octave);
        EXPECT_NEAR(system.pitch, octave + 3.0 + 0.000693, 1e-6);
    }
}

TEST(ConsonaFrequency, NonPositiveFrequencyGivesBlackAndClearsState)
{
    for (double frequency : {0.0, -0.0, -440.0, kNaN, kInf, -kInf}) {
        ConsonaSystem system;
        unsigned char r, g, b;
        system.GetRGB(440.0, &r, &g, &b);
        system.GetRGB(frequency, &r, &g, &b);
        EXPECT_EQ((Rgb{r, g, b}), (Rgb{0, 0, 0})) << frequency;
        EXPECT_EQ(system.pitch, 0);
        EXPECT_EQ(system.octaveFraction, 0);
        EXPECT_EQ(system.notePosition, 0);
        EXPECT_EQ(system.lightness, 0);
        EXPECT_EQ(system.red + system.green + system.blue, 0);
    }
}

TEST(ConsonaFrequency, SubAudioFrequenciesStayOnTheWheel)
{
    // Below 1 Hz the pitch is negative; its fraction wraps onto the circle.
    for (double frequency : {1e-300, 1e-6, 0.3, 0.99}) {
        ConsonaSystem system;
        unsigned char r = 1, g = 1, b = 1;
        system.GetRGB(frequency, &r, &g, &b);
        EXPECT_EQ((Rgb{r, g, b}), (Rgb{0, 0, 0})) << frequency;
    }
}

TEST(ConsonaFrequency, NoteFormColoursTheNotesFrequency)
{
    ConsonaSystem byNote;
    ConsonaSystem byFrequency;
    unsigned char r1, g1, b1, r2, g2, b2;
    byNote.GetRGB(static_cast<unsigned char>(5), static_cast<unsigned char>(9), &r1, &g1, &b1);
    byFrequency.GetRGB(440.0000068169, &r2, &g2, &b2);
    EXPECT_EQ((Rgb{r1, g1, b1}), (Rgb{163, 0, 255}));
    EXPECT_EQ((Rgb{r1, g1, b1}), (Rgb{r2, g2, b2}));
    EXPECT_NEAR(byNote.pitch, byFrequency.pitch, 1e-12);
}

TEST(ConsonaNotes, NoteToFrequency)
{
    struct Case {
        unsigned char octave;
        unsigned char note;
        double frequency;
        double tolerance;
    };
    const Case cases[] = {
        {5, 9, 440.0000068, 1e-7},         // the single-precision twelfth shows
        {1, 0, 16.351597831287414, 0},
        {0, 0, 8.175798915643707, 0},
        {5, 0, 261.6255653005986, 1e-9},
    };
    for (const auto& c : cases) {
        ConsonaSystem system;
        double frequency = 0;
        system.GetNoteToFreq(c.octave, c.note, &frequency);
        EXPECT_NEAR(frequency, c.frequency, c.tolerance) << int(c.octave) << '/' << int(c.note);
    }
    ConsonaSystem system;
    double a = 0;
    system.GetNoteToFreq(5, 9, &a);
    EXPECT_NE(a, 440.0);
}

struct FreqToNoteCase {
    float frequency;
    int steps;
    int octave;
    int note;
};

TEST(ConsonaNotes, FrequencyToNote)
{
    const FreqToNoteCase cases[] = {
        {440.0f, 12, 5, 9}, {261.6256f, 12, 5, 0}, {254.3f, 12, 5, 0}, {254.0f, 12, 4, 11},
        {31.8f, 12, 2, 0}, {440.0f, 24, 5, 18}, {16.351598f, 12, 1, 0}, {4186.009f, 12, 9, 0},
    };
    for (const auto& c : cases) {
        ConsonaSystem system;
        int octave = -99, note = -99;
        system.GetFreqToNote(c.frequency, &octave, &note, c.steps);
        EXPECT_EQ(octave, c.octave) << c.frequency;
        EXPECT_EQ(note, c.note) << c.frequency;
    }
}

TEST(ConsonaNotes, ExactCIsNoteZeroAndJustBelowTheMeanIsB)
{
    ConsonaSystem system;
    for (unsigned char octave = 1; octave <= 9; ++octave) {
        double c = 0, bBelow = 0;
        system.GetNoteToFreq(octave, 0, &c);
        system.GetNoteToFreq(octave - 1, 11, &bBelow);
        int o = -1, n = -1;
        system.GetFreqToNote(static_cast<float>(c), &o, &n, 12);
        EXPECT_EQ(o, octave);
        EXPECT_EQ(n, 0);
        system.GetFreqToNote(static_cast<float>((c + bBelow) * 0.5 * 0.999), &o, &n, 12);
        EXPECT_EQ(o, octave - 1);
        EXPECT_EQ(n, 11);
    }
}

TEST(ConsonaNotes, NoteIndexStaysWithinTheOctave)
{
    const float frequencies[] = {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::infinity(), 1e-30f, 0.5f, 3.0f,
                                 5.0f, 7.9f, 8.0f, 1e30f};
    for (int steps : {1, 12, 24}) {
        for (float frequency : frequencies) {
            ConsonaSystem system;
            int octave = -99, note = -99;
            system.GetFreqToNote(frequency, &octave, &note, steps);
            EXPECT_GE(note, 0) << frequency << " steps " << steps;
            EXPECT_LT(note, steps) << frequency << " steps " << steps;
            EXPECT_NE(octave, -99);
        }
    }
    ConsonaSystem system;
    int octave = -99, note = -99;
    system.GetFreqToNote(0.0f, &octave, &note, 12);
    EXPECT_EQ(octave, 0);
    EXPECT_EQ(note, 0);
}

class BaseFrequencyProbe : public ConsonaSystem {
public:
    using ConsonaSystem::GetBaseFreqFmOctave;
};

TEST(ConsonaNotes, BaseFrequencyIsTheOctavesC)
{
    EXPECT_FLOAT_EQ(BaseFrequencyProbe::GetBaseFreqFmOctave(1), 16.351597831287414f);
    EXPECT_FLOAT_EQ(BaseFrequencyProbe::GetBaseFreqFmOctave(5), 261.6255653f);
    EXPECT_FLOAT_EQ(BaseFrequencyProbe::GetBaseFreqFmOctave(0), 8.175798915643707f);
}

TEST(ConsonaState, CopiesCarryTheLastFrequency)
{
    ConsonaSystem system;
    EXPECT_EQ(system.pitch, 0);
    EXPECT_EQ(system.lightness, 0);
    unsigned char r, g, b;
    system.GetRGB(880.0, &r, &g, &b);
    const ConsonaSystem copy(system);
    ConsonaSystem assigned;
    assigned = system;
    for (const ConsonaSystem* s : {&copy, static_cast<const ConsonaSystem*>(&assigned)}) {
        EXPECT_EQ(s->pitch, system.pitch);
        EXPECT_EQ(s->notePosition, system.notePosition);
        EXPECT_EQ(s->lightness, 60);
        EXPECT_EQ(s->green, 48);
    }
}

} // namespace

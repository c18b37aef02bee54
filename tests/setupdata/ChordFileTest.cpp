#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ChordDef.h"
#include "ColorSystem.h"
#include "SetupData.h"

namespace {

// Builds chord files byte by byte.
struct ChordFileBuilder {
    std::vector<uint8_t> bytes;
    ChordFileBuilder& Group(int noteCount, int groupCount)
    {
        bytes.push_back(static_cast<uint8_t>(noteCount));
        bytes.push_back(static_cast<uint8_t>(groupCount));
        return *this;
    }
    ChordFileBuilder& Chord(const std::string& name, std::vector<int32_t> values)
    {
        std::string field = name;
        field.resize(128, '\0');
        bytes.insert(bytes.end(), field.begin(), field.end());
        for (int32_t v : values)
            for (int b = 0; b < 4; ++b)
                bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
        return *this;
    }
    // One plain chord per count from first to 7; count 2 holds value v.
    static ChordFileBuilder Complete(int first = 2, int32_t v = 60)
    {
        ChordFileBuilder b;
        for (int n = first; n <= 7; ++n) {
            b.Group(n, 1);
            std::vector<int32_t> values(static_cast<size_t>(n), 0);
            values[1] = v;
            b.Chord("C" + std::to_string(n), values);
        }
        return b;
    }
};

std::string Parse(const ChordFileBuilder& b, ChordSet& out, int first = 2)
{
    return ParseChordFile(b.bytes.data(), b.bytes.size(), out, first);
}

const std::string kSetup = TINTONIA_BIN_DIR "/SetUp";

} // namespace

TEST(ChordFile, ValueEncodesHueAndOctave)
{
    struct Case {
        int32_t value;
        int hue, octave;
    } cases[] = {{61, 60, 6}, {60, 60, 5}, {0, 0, 5}, {1, 0, 6}, {359, 358, 6}, {358, 358, 5}};
    for (const Case& c : cases) {
        ChordSet set;
        ASSERT_EQ(Parse(ChordFileBuilder::Complete(2, c.value), set), "") << c.value;
        const ChordDef& chord = set.find(2)->second;
        EXPECT_EQ(chord.hue[1], c.hue) << c.value;
        EXPECT_EQ(chord.octave[1], c.octave) << c.value;
        EXPECT_EQ(chord.hue[2], 0) << "unused entries stay 0";
        EXPECT_EQ(chord.octave[2], 0);
    }
}

TEST(ChordFile, PlacingWrapsIntoTheNextOctave)
{
    ChordDef chord;
    chord.noteCount = 2;
    chord.hue[0] = 0;
    chord.octave[0] = 5;
    chord.hue[1] = 300;
    chord.octave[1] = 6;
    struct Case {
        int note, base, hue, octave;
    } cases[] = {{1, 60, 0, 7}, {1, 59, 359, 6}, {1, 70, 10, 7}, {0, 0, 0, 5}, {0, 359, 359, 5}};
    for (const Case& c : cases) {
        const PlacedNote placed = PlaceNote(chord, c.note, c.base);
        EXPECT_EQ(placed.hue, c.hue) << c.base;
        EXPECT_EQ(placed.octave, c.octave) << c.base;
    }
}

TEST(ChordFile, GroupsKeepFileOrderAndGroupCount)
{
    ChordFileBuilder b;
    b.Group(2, 3).Chord("First", {0, 60}).Chord("Second", {0, 90}).Chord("Third", {0, 121});
    for (int n = 3; n <= 7; ++n)
        b.Group(n, 1).Chord("N" + std::to_string(n), std::vector<int32_t>(static_cast<size_t>(n), 0));
    b.bytes.insert(b.bytes.end(), {9, 9, 9});  // bytes after the 7-note group are not read
    ChordSet set;
    ASSERT_EQ(Parse(b, set), "");
    std::vector<ChordDef> twos;
    GetChords(set, 2, twos);
    ASSERT_EQ(twos.size(), 3u);
    EXPECT_STREQ(twos[0].name, "First");
    EXPECT_STREQ(twos[2].name, "Third");
    EXPECT_EQ(twos[2].groupCount, 3);
    std::vector<ChordDef> sevens{twos[0]};
    GetChords(set, 7, sevens);
    ASSERT_EQ(sevens.size(), 1u);
    EXPECT_EQ(sevens[0].noteCount, 7);
}

TEST(ChordFile, LongNamesAreCutAndTerminated)
{
    ChordFileBuilder b;
    b.Group(2, 1).Chord(std::string(128, 'A'), {0, 60});  // no terminator anywhere in the field
    for (int n = 3; n <= 7; ++n)
        b.Group(n, 1).Chord("x", std::vector<int32_t>(static_cast<size_t>(n), 0));
    ChordSet set;
    ASSERT_EQ(Parse(b, set), "");
    EXPECT_EQ(std::string(set.find(2)->second.name), std::string(63, 'A'));
}

TEST(ChordFile, DamagedFilesFailAndLeaveTheSetAlone)
{
    auto withGroup = [](int count) {
        ChordFileBuilder b = ChordFileBuilder::Complete();
        b.bytes[0] = static_cast<uint8_t>(count);
        return b;
    };
    auto cut = [](size_t drop) {
        ChordFileBuilder b = ChordFileBuilder::Complete();
        b.bytes.resize(b.bytes.size() - drop);
        return b;
    };
    ChordFileBuilder noFive;
    for (int n : {2, 3, 4, 6, 7})
        noFive.Group(n, 1).Chord("x", std::vector<int32_t>(static_cast<size_t>(n), 0));
    ChordFileBuilder emptyGroup = ChordFileBuilder::Complete();
    emptyGroup.bytes[1] = 0;
    struct Case {
        const char* what;
        ChordFileBuilder file;
        const char* expect;
    } cases[] = {
        {"count 8", withGroup(8), "note count 8 outside 2..7"},
        {"count 1", withGroup(1), "note count 1 outside 2..7"},
        {"hue 360", ChordFileBuilder::Complete(2, 360), "hue value 360 outside 0..359"},
        {"hue -2", ChordFileBuilder::Complete(2, -2), "hue value -2 outside 0..359"},
        {"missing count", noFive, "group of 6 notes where 5 notes were expected"},
        {"entry cut", cut(3), "chord entry cut short"},
        {"ends after 6", cut(128 + 28 + 2), "no group of 7 notes"},
        {"empty group", emptyGroup, "empty group of 2 notes"},
        {"empty file", ChordFileBuilder{}, "no group of 2 notes"},
    };
    for (const Case& c : cases) {
        ChordSet set;
        set.emplace(2, ChordDef{});
        const std::string error = Parse(c.file, set);
        EXPECT_NE(error.find(c.expect), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(set.size(), 1u) << c.what;
    }
    ChordSet set;
    EXPECT_NE(ReadChordFile("/nonexistent/Consona.csd", set), "");
}

TEST(ChordFile, PianoFileStartsAtThree)
{
    ChordSet set;
    EXPECT_EQ(Parse(ChordFileBuilder::Complete(3), set, 3), "");
    EXPECT_NE(Parse(ChordFileBuilder::Complete(3), set, 2), "");
}

TEST(ShippedChords, HarmonyFileFollowsTheRules)
{
    ChordSet set;
    ASSERT_EQ(ReadChordFile(kSetup + "/Consona.csd", set), "");
    std::vector<ChordDef> chords;
    GetChords(set, 2, chords);
    ASSERT_FALSE(chords.empty());
    EXPECT_STREQ(chords[0].name, "Major2nd");
    EXPECT_EQ(chords[0].hue[0], 0);
    EXPECT_EQ(chords[0].hue[1], 60);
    for (int n = 2; n <= 7; ++n) {
        GetChords(set, n, chords);
        EXPECT_GE(chords.size(), 1u);
        EXPECT_LE(chords.size(), static_cast<size_t>(kChordIconSlots)) << n;
        for (const ChordDef& c : chords) {
            EXPECT_EQ(std::strchr(c.name, '-'), nullptr) << c.name;
            int previousPitch = -1;
            for (int i = 0; i < n; ++i) {
                EXPECT_EQ(c.hue[i] % 30, 0) << c.name;
                const int pitch = c.hue[i] + 360 * (c.octave[i] - 5);
                EXPECT_GT(pitch, previousPitch) << c.name << " notes ascend";
                previousPitch = pitch;
            }
        }
    }
}

TEST(ShippedChords, PianoFileHolds38ChordsWithTheMajorTriad)
{
    ChordSet set;
    ASSERT_EQ(ReadChordFile(kSetup + "/Chord.csd", set, 3), "");
    EXPECT_EQ(set.size(), 38u);
    EXPECT_EQ(set.count(2), 0u);
    bool major = false;
    for (const auto& [n, c] : set)
        major |= n == 3 && c.hue[0] == 0 && c.hue[1] == 120 && c.hue[2] == 210 && c.octave[0] == 5 &&
                 c.octave[1] == 5 && c.octave[2] == 5;
    EXPECT_TRUE(major);
}

TEST(ShippedChords, IconLayoutHasOneRectanglePerChord)
{
    ChordSet set;
    ASSERT_EQ(ReadChordFile(kSetup + "/Consona.csd", set), "");
    std::ifstream ini(kSetup + "/UI_ChordIcon.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[CHORD]\r\n"), std::string::npos);
    EXPECT_NE(text.find("Number = " + std::to_string(set.size()) + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("CHORD_" + std::to_string(set.size() - 1) + " = ("), std::string::npos);
    EXPECT_EQ(text.find("CHORD_" + std::to_string(set.size()) + " "), std::string::npos);
    EXPECT_EQ(text.find("(0, 0, 0, 0)"), std::string::npos) << "that rectangle reads back as no value";
}

TEST(SetupData, ReadChordsKeepsThePreviousSetOnFailure)
{
    ColorSystem colors;
    CSetupData setup(colors, kSetup);
    ASSERT_TRUE(setup.ReadChords(kSetup + "/Consona.csd")) << setup.lastError;
    const size_t before = setup.chordSet.size();
    EXPECT_FALSE(setup.ReadChords(kSetup + "/Chord.csd")) << "the piano file lacks the 2-note group";
    EXPECT_NE(setup.lastError, "");
    EXPECT_EQ(setup.chordSet.size(), before);
    std::vector<ChordDef> triads;
    setup.GetChords(3, triads);
    ASSERT_FALSE(triads.empty());
    EXPECT_STREQ(triads[0].name, "Major");
}

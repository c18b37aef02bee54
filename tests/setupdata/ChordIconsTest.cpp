#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ChordIcons.h"

namespace {

const std::string kSetup = TINTONIA_BIN_DIR "/SetUp";
const std::string kArchive = kSetup + "/Image/Image1.cif";

// Thirty 2-note chords and one of every other count.
ChordSet Chords()
{
    ChordSet set;
    auto add = [&](int n, int groupCount) {
        ChordDef c;
        c.noteCount = static_cast<uint8_t>(n);
        c.groupCount = static_cast<uint8_t>(groupCount);
        set.emplace(n, c);
    };
    for (int i = 0; i < 30; ++i)
        add(2, 30);
    for (int n = 3; n <= 7; ++n)
        add(n, 1);
    return set;
}

std::string WriteIni(const std::string& name, const std::string& body)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << "[CHORD]\r\n" << body;
    return path;
}

} // namespace

TEST(ChordIcons, ShippedIconsCoverEveryChord)
{
    ChordSet set;
    ASSERT_EQ(ReadChordFile(kSetup + "/Consona.csd", set), "");
    ChordIcons icons;
    ASSERT_TRUE(icons.LoadChordIcons(kSetup + "/UI_ChordIcon.ini", kArchive, set)) << icons.lastError;
    for (int n = 2; n <= 7; ++n)
        for (size_t i = 0; i < set.count(n); ++i) {
            const SkinImage* icon = icons.Icon(n, static_cast<int>(i));
            ASSERT_NE(icon, nullptr);
            EXPECT_TRUE(icon->IsValid()) << n << " " << i;
            EXPECT_EQ(icon->Width(), 22);
        }
    EXPECT_FALSE(icons.Icon(2, 20)->IsValid()) << "the 2-note group has fewer than 21 chords";
}

TEST(ChordIcons, RectanglesAreHandedOutAcrossNoteCounts)
{
    std::string body = "Number = 32\r\n";
    for (int k = 0; k < 31; ++k)
        body += "CHORD_" + std::to_string(k) + " = (" + std::to_string(k) + ", 0, " + std::to_string(k + 1) +
                ", 2)\r\n";
    body += "CHORD_30b = 1\r\nCHORD_31 = 7\r\nCHORD_32 = (0, 0, 9, 9)\r\n";
    ChordIcons icons;
    ASSERT_TRUE(icons.LoadChordIcons(WriteIni("icons.ini", body), kArchive, Chords())) << icons.lastError;
    EXPECT_EQ(icons.Icon(2, 0)->Width(), 1);
    EXPECT_TRUE(icons.Icon(2, 28)->IsValid());
    EXPECT_EQ(icons.Icon(2, 29), nullptr) << "29 icons per note count";
    EXPECT_TRUE(icons.Icon(3, 0)->IsValid()) << "the 3-note chord takes rectangle 30";
    EXPECT_FALSE(icons.Icon(4, 0)->IsValid()) << "rectangle 31 is not a rectangle";
    EXPECT_FALSE(icons.Icon(5, 0)->IsValid()) << "rectangle 32 lies beyond Number";
}

TEST(ChordIcons, MissingPiecesFail)
{
    ChordIcons icons;
    EXPECT_FALSE(icons.LoadChordIcons(kSetup + "/UI_ChordIcon.ini", kSetup + "/Image/Image2.cif", Chords()));
    EXPECT_NE(icons.lastError.find("ConsonaChord"), std::string::npos);
    EXPECT_FALSE(icons.LoadChordIcons(WriteIni("broken.ini", "Number = x\r\n"), kArchive, Chords()));
    EXPECT_FALSE(icons.LoadChordIcons(kSetup + "/missing.ini", kArchive, Chords()));
    ASSERT_TRUE(icons.LoadChordIcons(WriteIni("empty.ini", ""), kArchive, Chords()));
    EXPECT_FALSE(icons.Icon(2, 0)->IsValid()) << "no Number: no icons";
}

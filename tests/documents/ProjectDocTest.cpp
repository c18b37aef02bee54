#include "ProjectDoc.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CProjectDoc Sample()
{
    CProjectDoc d;
    d.mainModeWord = 0x03000402;
    d.mainContrastWord = 0x40300503;
    d.favoritesPath = "/home/me/warm.fsp";
    for (int i = 0; i < 7; ++i) {
        d.contrastBase[i] = Rgb(i, 10, 20);
        d.contrastShown[i] = Rgb(i, 30, 40);
        d.saturationFactors[i] = 0.25 * i;
        d.chordHues[i] = 30 * i;
        d.chordColors[i] = Rgb(100 + i, 0, 0);
        d.chordOctaveColors[i] = Rgb(0, 100 + i, 0);
        d.musicColors[i] = Rgb(0, 0, 100 + i);
        d.musicOctaveColors[i] = Rgb(i, i, i);
        d.editColors[i] = Rgb(50, 60, i);
    }
    d.chordWord = 0x00010C05;
    d.chordName = "Major2nd";
    d.musicWord1 = 0x00011111;
    d.musicWord2 = 0x25;
    d.musicPosition = 123456;
    d.historyPosition = 7;
    d.musicPath = "/music/song.mp3";
    d.editWord = 0x10200503;
    d.editCurrent = Rgb(1, 2, 3);
    d.editStart = Rgb(4, 5, 6);
    d.history = {{}, {{0.5f, 440.0f, 255, 0, 0}}, HistoryFrame(100, HistoryItem{1.25f, 261.6f, 1, 2, 3})};
    d.historyFrameCount = 3;
    return d;
}

std::string Le32(int32_t v)
{
    std::string out(4, '\0');
    std::memcpy(out.data(), &v, 4);
    return out;
}

int32_t At32(const std::string& bytes, std::size_t at)
{
    int32_t v;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

TEST(ProjectFile, FreshDocumentIs2500Zeros)
{
    const std::string bytes = ProjectFile::Encode(CProjectDoc());
    EXPECT_EQ(bytes, std::string(2500, '\0'));
    CProjectDoc back = Sample();
    ASSERT_TRUE(ProjectFile::Decode(bytes, back));
    EXPECT_TRUE(back.history.empty());
    EXPECT_EQ(back.chordName, "");
}

TEST(ProjectFile, FieldPlacesAndHistoryFrames)
{
    const std::string bytes = ProjectFile::Encode(Sample());
    EXPECT_EQ(bytes.size(), 2500u + 4 + (4 + 13) + (4 + 100 * 13));
    EXPECT_EQ(At32(bytes, 0), 0x03000402);
    EXPECT_EQ(bytes.substr(8, 18), std::string("/home/me/warm.fsp\0", 18));
    double factor1;
    std::memcpy(&factor1, bytes.data() + 1032 + 16 + 8, 8);
    EXPECT_EQ(factor1, 0.25);
    EXPECT_EQ(At32(bytes, 1144), 0x00010C05);
    EXPECT_EQ(bytes.substr(1148, 9), std::string("Major2nd\0", 9));
    EXPECT_EQ(At32(bytes, 1276 + 12), 30) << "chord hue 1";
    EXPECT_EQ(At32(bytes, 1360), 0x00011111) << "music word 1";
    EXPECT_EQ(At32(bytes, 1376), 3) << "frame count";
    EXPECT_EQ(bytes.substr(1380, 16), std::string("/music/song.mp3\0", 16));
    EXPECT_EQ(At32(bytes, 2460), 0x10200503) << "edit word";
    EXPECT_EQ(static_cast<uint32_t>(At32(bytes, 2472 + 24)), Rgb(50, 60, 6)) << "edit colour 6";

    EXPECT_EQ(At32(bytes, 2500), 0) << "empty first frame";
    EXPECT_EQ(At32(bytes, 2504), 1);
    float amplitude, frequency;
    std::memcpy(&amplitude, bytes.data() + 2508, 4);
    std::memcpy(&frequency, bytes.data() + 2512, 4);
    EXPECT_EQ(amplitude, 0.5f);
    EXPECT_EQ(frequency, 440.0f);
    EXPECT_EQ(bytes.substr(2516, 5), std::string("\xFF\x00\x00\x00\x00", 5)) << "colour, then two zero bytes";
    EXPECT_EQ(At32(bytes, 2521), 100);
}

TEST(ProjectFile, WrittenAndReadBackIsByteIdentical)
{
    TempFolder folder;
    const CProjectDoc sample = Sample();
    ASSERT_TRUE(ProjectFile::Write(sample, folder / "a.tna"));
    CProjectDoc back;
    ASSERT_TRUE(ProjectFile::Read(back, folder / "a.tna"));
    EXPECT_EQ(back.favoritesPath, sample.favoritesPath);
    EXPECT_EQ(back.chordName, sample.chordName);
    EXPECT_EQ(back.chordHues, sample.chordHues);
    EXPECT_EQ(back.saturationFactors, sample.saturationFactors);
    EXPECT_EQ(back.musicPath, sample.musicPath);
    EXPECT_EQ(back.history, sample.history);
    EXPECT_EQ(back.editCurrent, sample.editCurrent);
    EXPECT_TRUE(IsSame(back, sample));
    ASSERT_TRUE(ProjectFile::Write(back, folder / "b.tna"));
    EXPECT_EQ(ReadBytes(folder / "a.tna"), ReadBytes(folder / "b.tna"));
}

TEST(ProjectFile, IsSameLooksAtExactlyItsFields)
{
    struct Case { const char* field; void (*edit)(CProjectDoc&); bool same; };
    const Case cases[] = {
        {"mainModeWord", [](CProjectDoc& d) { d.mainModeWord ^= 1; }, false},
        {"mainContrastWord", [](CProjectDoc& d) { d.mainContrastWord ^= 1; }, false},
        {"chordWord", [](CProjectDoc& d) { d.chordWord ^= 1; }, false},
        {"chordColors", [](CProjectDoc& d) { d.chordColors[6] ^= 1; }, false},
        {"musicWord1", [](CProjectDoc& d) { d.musicWord1 ^= 1; }, false},
        {"musicWord2", [](CProjectDoc& d) { d.musicWord2 ^= 1; }, false},
        {"musicColors", [](CProjectDoc& d) { d.musicColors[3] ^= 1; }, false},
        {"historyFrameCount", [](CProjectDoc& d) { d.historyFrameCount += 1; }, false},
        {"editWord", [](CProjectDoc& d) { d.editWord ^= 1; }, false},
        {"editColors", [](CProjectDoc& d) { d.editColors[0] ^= 1; }, false},
        {"favoritesPath", [](CProjectDoc& d) { d.favoritesPath = "noname"; }, true},
        {"contrastBase", [](CProjectDoc& d) { d.contrastBase[0] ^= 1; }, true},
        {"contrastShown", [](CProjectDoc& d) { d.contrastShown[0] ^= 1; }, true},
        {"saturationFactors", [](CProjectDoc& d) { d.saturationFactors[0] = 9; }, true},
        {"chordHues", [](CProjectDoc& d) { d.chordHues[0] = 90; }, true},
        {"chordName", [](CProjectDoc& d) { d.chordName = "Minor3rd"; }, true},
        {"chordOctaveColors", [](CProjectDoc& d) { d.chordOctaveColors[0] ^= 1; }, true},
        {"musicPosition", [](CProjectDoc& d) { d.musicPosition = 1; }, true},
        {"historyPosition", [](CProjectDoc& d) { d.historyPosition = 1; }, true},
        {"musicPath", [](CProjectDoc& d) { d.musicPath = "/other.wav"; }, true},
        {"musicOctaveColors", [](CProjectDoc& d) { d.musicOctaveColors[0] ^= 1; }, true},
        {"editCurrent", [](CProjectDoc& d) { d.editCurrent ^= 1; }, true},
        {"editStart", [](CProjectDoc& d) { d.editStart ^= 1; }, true},
        {"history items", [](CProjectDoc& d) { d.history[1][0].red = 7; }, true},
    };
    for (const Case& c : cases) {
        CProjectDoc changed = Sample();
        c.edit(changed);
        EXPECT_EQ(IsSame(Sample(), changed), c.same) << c.field;
    }
}

TEST(ProjectFile, DamagedFilesAreRefusedAndChangeNothing)
{
    const std::string good = ProjectFile::Encode(Sample());
    auto with = [&](std::size_t at, const std::string& bytes) {
        std::string out = good;
        out.replace(at, bytes.size(), bytes);
        return out;
    };
    const std::string fixed = good.substr(0, 2500);
    struct Case { const char* what; std::string bytes; const char* says; };
    const Case cases[] = {
        {"empty", "", "too short"},
        {"shorter than the fixed part", good.substr(0, 2499), "too short"},
        {"frames missing", fixed, "history frames"},
        {"negative frame count", with(1376, Le32(-1)), "history frames"},
        {"frame count beyond the size", with(1376, Le32(1000)), "history frames"},
        {"101 items", with(2500 + 4 + 17, Le32(101)), "0 to 100"},
        {"negative items", with(2500, Le32(-5)), "0 to 100"},
        {"last frame cut short", good.substr(0, good.size() - 1), "ends inside"},
        {"selected colour 7", with(4, Le32(0x40300703)), "selected scheme colour 7"},
        {"note count 8", with(1144, Le32(0x00010C08)), "chord note count 8"},
        {"chord index 101", with(1144, Le32(0x00016505)), "chord index 101"},
        {"music colour count position 6", with(1364, Le32(0x26)), "music colour count"},
        {"edit colour count 9", with(2460, Le32(0x10200903)), "edit colour count 9"},
    };
    for (const Case& c : cases) {
        CProjectDoc doc = Sample();
        doc.chordName = "untouched";
        const FileResult r = ProjectFile::Decode(c.bytes, doc);
        EXPECT_FALSE(r) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
        EXPECT_EQ(doc.chordName, "untouched") << c.what;
        EXPECT_EQ(doc.history.size(), 3u) << c.what;
    }

    TempFolder folder;
    CProjectDoc doc;
    const FileResult missing = ProjectFile::Read(doc, folder / "none.tna");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("none.tna"), std::string::npos);
}

TEST(ProjectFile, TextFieldsWithoutTerminatorEndInsideTheirField)
{
    std::string bytes = ProjectFile::Encode(CProjectDoc());
    bytes.replace(8, 1024, std::string(1024, 'p'));
    bytes.replace(1148, 128, std::string(128, 'c'));
    CProjectDoc doc;
    ASSERT_TRUE(ProjectFile::Decode(bytes, doc));
    EXPECT_EQ(doc.favoritesPath, std::string(1023, 'p'));
    EXPECT_EQ(doc.chordName, std::string(127, 'c'));
}

} // namespace

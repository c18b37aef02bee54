#include <gtest/gtest.h>

#include <string>

#include "FakeSource.h"
#include "PlayerHarness.h"
#include "PlugInHost.h"

namespace {

class PlugInHostTest : public test::WindowFixture {
protected:
    void SetUp() override
    {
        test::WindowFixture::SetUp();
        ASSERT_EQ(host_.Init(window_, 20, 47040, "hosttest"), 1);
    }
    void TearDown() override
    {
        host_.UnloadAll();
        test::WindowFixture::TearDown();
    }
    std::string CurrentName() const { return host_.CurrentSource() ? host_.CurrentSource()->name : ""; }
    FakePlayer& Current() const { return *static_cast<FakePlayer*>(host_.CurrentSource()->player); }

    PlugInHost host_;
};

TEST_F(PlugInHostTest, BindsEveryModuleWithAnInterfaceInNameOrder)
{
    const char* expected[] = {"a_mpeg", "b_wave", "c_wave_too", "d_midi", "e_noseek", "g_live"};
    ASSERT_EQ(host_.PlugInCount(), 6) << "a null interface and a module without one are left out";
    for (int i = 0; i < host_.PlugInCount(); ++i) {
        EXPECT_STREQ(host_.PlugIn(i)->name, expected[i]);
        EXPECT_EQ(static_cast<FakePlayer*>(host_.PlugIn(i)->player)->window, window_) << "told the notify window";
    }
    PlugInHost other;
    EXPECT_EQ(other.Init(nullptr, 20, 47040, "hosttest"), 0);
    EXPECT_EQ(other.PlugInCount(), 0);
}

TEST_F(PlugInHostTest, PicksTheSourceByExtension)
{
    struct Case {
        const char* file;
        const char* source; // "" when no source fits
    };
    const Case cases[] = {
        {"song.mp3", "a_mpeg"},         {"/music/SONG.Mp2", "a_mpeg"},
        {"x.P3", "a_mpeg"},             {"x.WA", "b_wave"},
        {"x.wav", "b_wave"},            {"x.wave", "c_wave_too"},
        {"a.mid", "d_midi"},            {"a.MIDI", "d_midi"},
        {"take.noseek", "e_noseek"},    {"noext", ""},
        {"song.", ""},                  {"live.liv", ""},
        {"album.mp3/track", ""},        {"x.ogg", ""},
        {"x.nul", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const bool fits = *c.source != '\0';
        EXPECT_EQ(host_.IsSupported(c.file), fits ? 1 : 0);
        EXPECT_EQ(host_.OpenFile(c.file), fits ? 1 : 0);
        if (fits) {
            EXPECT_EQ(CurrentName(), c.source);
            EXPECT_STREQ(Current().lastOpen.fileName, c.file);
        }
    }
}

TEST_F(PlugInHostTest, OpenUsesTheDefaultsAndClosesTheSourceBefore)
{
    ASSERT_EQ(host_.OpenFile("a.mp3"), 1);
    FakePlayer& mpeg = Current();
    EXPECT_EQ(mpeg.lastOpen.size, sizeof(OpenParams));
    EXPECT_EQ(mpeg.lastOpen.bufferCount, 20u);
    EXPECT_EQ(mpeg.lastOpen.bufferSize, 47040u);
    ASSERT_EQ(host_.OpenFile("b.wav", 8, 4096), 1);
    EXPECT_EQ(mpeg.closes, 1);
    EXPECT_EQ(Current().lastOpen.bufferCount, 8u);
    EXPECT_EQ(Current().lastOpen.bufferSize, 4096u);

    EXPECT_EQ(host_.OpenFile(nullptr), 1) << "no name: the first source without files";
    EXPECT_EQ(CurrentName(), "g_live");
}

TEST_F(PlugInHostTest, AFailedOpenLeavesThePickCurrent)
{
    EXPECT_EQ(host_.OpenFile("fail.mp3"), 0);
    EXPECT_EQ(CurrentName(), "a_mpeg");
    EXPECT_EQ(host_.Play(), 1);
    EXPECT_EQ(host_.IsPlaying(), 1);
}

TEST_F(PlugInHostTest, PlayOnAPlayingSourceStopsItFirst)
{
    ASSERT_EQ(host_.OpenFile("a.mp3"), 1);
    EXPECT_EQ(host_.Play(), 1);
    const int stops = Current().stops;
    EXPECT_EQ(host_.Play(), 1);
    EXPECT_EQ(Current().stops, stops + 1);
    EXPECT_EQ(Current().plays, 2);
}

TEST_F(PlugInHostTest, SeekStopsSeeksAndPlaysOnlyWithASeekSlot)
{
    ASSERT_EQ(host_.OpenFile("take.noseek"), 1);
    ASSERT_EQ(host_.Play(), 1);
    const int stops = Current().stops;
    EXPECT_EQ(host_.Seek(100), 1);
    EXPECT_EQ(Current().stops, stops);
    EXPECT_EQ(host_.IsPlaying(), 1);

    ASSERT_EQ(host_.OpenFile("a.mp3"), 1);
    EXPECT_EQ(host_.Seek(4096), 1);
    EXPECT_EQ(Current().lastSeek, 4096u);
    EXPECT_EQ(Current().plays, 1);
    EXPECT_EQ(host_.IsPlaying(), 1);
}

TEST_F(PlugInHostTest, QueriesFollowTheCurrentSourceAndAnswerZeroWithout)
{
    EXPECT_EQ(host_.Play(), 0);
    EXPECT_EQ(host_.Stop(), 0);
    EXPECT_EQ(host_.Pause(), 0);
    EXPECT_EQ(host_.Seek(5), 0);
    EXPECT_EQ(host_.IsFileSource(), 0);
    EXPECT_EQ(host_.GetSampleRate(), 0u);
    std::uint8_t buffer[16];
    std::uint32_t offset = 0;
    EXPECT_EQ(host_.GetPlayedDataAligned(buffer, 16, &offset, 2), 0);

    ASSERT_EQ(host_.OpenFile("a.mid"), 1);
    EXPECT_EQ(host_.IsFileSource(), 1);
    EXPECT_EQ(host_.IsMidiSource(), 1);
    EXPECT_EQ(host_.IsWaveSource(), 0);
    EXPECT_EQ(host_.Pause(), 0) << "no pause slot";
    EXPECT_EQ(host_.GetNoteTable(), nullptr);
    host_.SeekMs(10);

    ASSERT_EQ(host_.OpenFile("a.mp3"), 1);
    EXPECT_EQ(host_.IsWaveSource(), 1);
    EXPECT_EQ(host_.GetSampleRate(), 22050u);
    EXPECT_EQ(host_.GetChannels(), 2u);
    EXPECT_EQ(host_.GetBitsPerSample(), 16u);
    EXPECT_EQ(host_.GetLength(), 1234u);
    EXPECT_EQ(host_.GetPosition(), 0u) << "no position slot";

    host_.UnloadAll();
    EXPECT_EQ(host_.CurrentSource(), nullptr);
    EXPECT_EQ(host_.PlugInCount(), 0);
}

TEST(PlugInHostFilter, MatchesPatternsAfterEachDescription)
{
    const char* mpeg = "Mpeg Audio Files (*.MP3;*.MP2;*.MP1)|*.MP3;*.MP2;*.MP1|";
    struct Case {
        const char* filter;
        const char* extension;
        bool matches;
    };
    const Case cases[] = {
        {mpeg, "MP1", true},
        {mpeg, "P3", true},
        {mpeg, "MPEG", false},
        {mpeg, "FILES", false},
        {"A (*.X)|*.X|B (*.Y)|*.Y|", "Y", true},
        {"no bars at all", "X", false},
        {"Broken (*.X)|*.X", "X", false},
        {"", "X", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlugInHost::FilterMatches(c.filter, c.extension), c.matches) << c.filter << " / " << c.extension;
}

} // namespace

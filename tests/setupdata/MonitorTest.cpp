#include <gtest/gtest.h>

#include <lcms2.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "MonitorState.h"

namespace {

namespace fs = std::filesystem;

std::string TempFolder()
{
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("monitor-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder);
    return folder.string();
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A minimal ICC matrix profile: header, tag table and one 20-byte XYZ tag per
// entry, written by hand so that single faults can be planted.
struct IccTag {
    std::string signature;
    double X, Y, Z;
    std::string type = "XYZ ";
};

std::vector<uint8_t> IccProfile(const std::vector<IccTag>& tags)
{
    std::vector<uint8_t> out(128, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
    };
    std::memcpy(&out[36], "acsp", 4);
    out.resize(132 + 12 * tags.size() + 20 * tags.size());
    put32(128, static_cast<uint32_t>(tags.size()));
    for (size_t i = 0; i < tags.size(); ++i) {
        const size_t entry = 132 + 12 * i, data = 132 + 12 * tags.size() + 20 * i;
        std::memcpy(&out[entry], tags[i].signature.data(), 4);
        put32(entry + 4, static_cast<uint32_t>(data));
        put32(entry + 8, 20);
        std::memcpy(&out[data], tags[i].type.data(), 4);
        const double v[3] = {tags[i].X, tags[i].Y, tags[i].Z};
        for (int k = 0; k < 3; ++k)
            put32(data + 8 + 4 * static_cast<size_t>(k), static_cast<uint32_t>(std::lround(v[k] * 65536)));
    }
    put32(0, static_cast<uint32_t>(out.size()));
    return out;
}

// sRGB primaries as XYZ (Y of white = 1), IEC 61966-2-1.
std::vector<IccTag> SrgbTags()
{
    return {{"rXYZ", 0.4124, 0.2126, 0.0193}, {"gXYZ", 0.3576, 0.7152, 0.1192}, {"bXYZ", 0.1805, 0.0722, 0.9505}};
}

} // namespace

TEST(MonitorModel, WhitePointsOfTemperatures)
{
    // Values of the CIE daylight-locus formula, computed independently.
    struct Case {
        int index;
        double x, y, z;
        const char* name;
    } cases[] = {{0, 0.345741, 0.358666, 0.295593, "5000K"},
                 {2, 0.312779, 0.329183, 0.358038, "6500K"},
                 {4, 0.283306, 0.297302, 0.419392, "9300K"}};
    for (const Case& c : cases) {
        MonitorState state;
        const Chromaticity w = state.SelectWhitePoint(c.index);
        EXPECT_NEAR(w.x, c.x, 1e-6) << c.name;
        EXPECT_NEAR(w.y, c.y, 1e-6) << c.name;
        EXPECT_NEAR(w.z, c.z, 1e-6) << c.name;
        EXPECT_EQ(state.whitePointName, c.name);
        EXPECT_EQ(state.settings.whitePoint, c.index);
    }
}

TEST(MonitorModel, GammaTableAndPresets)
{
    EXPECT_EQ(TableGamma(0), 1.0);
    EXPECT_NEAR(TableGamma(34), 2.7, 1e-12);
    EXPECT_EQ(TestLevel(0), 127);
    EXPECT_EQ(TestLevel(19), 178);
    EXPECT_EQ(TestLevel(34), 197);
    EXPECT_EQ(TestLevel(99), 197) << "positions are clamped";
    for (int p = 0; p <= kGammaSliderMax; ++p)  // the levels follow 255 * 0.5^(1/gamma) to within rounding
        EXPECT_NEAR(TestLevel(p), 255 * std::pow(0.5, 1 / TableGamma(p)), 1.5) << p;

    struct Case {
        int preset;
        double r, g, b;
        int sr, sg, sb;
    } cases[] = {{0, 2.5, 2.65, 1.55, 30, 33, 11}, {1, 1.8, 1.8, 1.8, 16, 16, 16}, {2, 2.2, 2.2, 2.2, 24, 24, 24}};
    for (const Case& c : cases) {
        MonitorState state;
        state.settings.singleGamma = 1;
        ASSERT_TRUE(state.ApplyGammaPreset(c.preset));
        EXPECT_EQ(state.gammas[0], c.r);
        EXPECT_EQ(state.gammas[1], c.g);
        EXPECT_EQ(state.gammas[2], c.b);
        EXPECT_EQ(state.settings.redSlider, c.sr);
        EXPECT_EQ(state.settings.greenSlider, c.sg);
        EXPECT_EQ(state.settings.blueSlider, c.sb);
        EXPECT_EQ(state.settings.gammaPreset, c.preset);
        EXPECT_EQ(state.settings.singleGamma, 0);
    }
    MonitorState user;
    ASSERT_TRUE(user.ApplyGammaPreset(3));
    EXPECT_NEAR(user.gammas[0], 2.25, 1e-12);  // slider 25
    EXPECT_NEAR(user.gammas[1], 2.55, 1e-12);  // slider 31
    EXPECT_NEAR(user.gammas[2], 1.20, 1e-12);  // slider 4
    EXPECT_FALSE(user.ApplyGammaPreset(4));
}

TEST(MonitorModel, DefaultsAndLuminance)
{
    const MonitorState state;
    EXPECT_EQ(state.weights[0], 23.93);
    EXPECT_EQ(state.weights[1], 66.07);
    EXPECT_EQ(state.weights[2], 10.0);
    EXPECT_EQ(state.settings.whitePoint, 2);
    EXPECT_EQ(state.settings.redSlider, 25);
    EXPECT_EQ(state.settings.greenSlider, 31);
    EXPECT_EQ(state.settings.blueSlider, 4);
    EXPECT_NEAR(state.Luminance(0x00FFFFFF), 100.0, 1e-9);
    EXPECT_NEAR(state.Luminance(0x000000FF), 23.93, 1e-9);
    EXPECT_NEAR(state.Luminance(0x00008000), 66.07 * std::pow(128 / 255.0, 2.65), 1e-9);
    EXPECT_EQ(state.Luminance(0), 0.0);
    // Default primaries (BT.709) and D65: the white scale is the familiar
    // 21.26 / 71.52 / 7.22 split, and M maps RGB (1,1,1) scaled by S to W.
    EXPECT_NEAR(state.whiteScale.Get(0, 0), 21.26, 0.01);
    EXPECT_NEAR(state.whiteScale.Get(1, 0), 71.52, 0.01);
    EXPECT_NEAR(state.whiteScale.Get(2, 0), 7.22, 0.01);
    EXPECT_NEAR(state.white[0], 95.05, 0.01);
    EXPECT_NEAR(state.white[2], 108.91, 0.01);
}

TEST(MonitorFile, RoundTripKeepsEveryFieldAndOnlyTheProfileName)
{
    const std::string folder = TempFolder();
    MonitorState written;
    written.gammas[0] = 1.85;
    written.weights[2] = 12.5;
    written.settings = {4, 3, 1, 0, 34, 17, 9};
    written.profilePath = "/home/someone/profiles/Wide Gamut.icc";
    ASSERT_TRUE(written.WriteSettings(folder));
    EXPECT_EQ(fs::file_size(folder + "/Monitor.csd"), 1094u);
    EXPECT_FALSE(fs::exists(folder + "/Monitor.csd.new"));

    MonitorState read;
    std::string message;
    ASSERT_TRUE(read.ReadSettings(folder, &message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(read.gammas[0], 1.85);
    EXPECT_EQ(read.gammas[1], 2.65);
    EXPECT_EQ(read.weights[2], 12.5);
    EXPECT_EQ(read.settings.whitePoint, 4);
    EXPECT_EQ(read.settings.gammaPreset, 3);
    EXPECT_EQ(read.settings.singleGamma, 1);
    EXPECT_EQ(read.settings.greenSlider, 34);
    EXPECT_EQ(read.settings.singleSlider, 9);
    EXPECT_EQ(read.profilePath, folder + "/Icm/Wide Gamut.icc");

    std::ifstream file(folder + "/Monitor.csd", std::ios::binary);
    std::vector<char> bytes(1094);
    file.read(bytes.data(), 1094);
    EXPECT_EQ(std::string(&bytes[70]), "Wide Gamut.icc");
    EXPECT_EQ(bytes[70 + 14], 0);
    EXPECT_EQ(bytes[48], 4);
    EXPECT_EQ(bytes[58], 34) << "green slider at offset 58";
}

TEST(MonitorFile, DamagedFieldsFallBackToDefaults)
{
    const std::string folder = TempFolder();
    MonitorState good;
    good.gammas[1] = 1.9;
    good.profilePath = "x/monitor.icm";
    std::vector<uint8_t> base(kMonitorFileSize);
    EncodeMonitorFile(good, base.data());
    auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> out = base;
        std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<long>(at));
        return out;
    };
    auto doubleBytes = [](double v) {
        std::vector<uint8_t> b(8);
        std::memcpy(b.data(), &v, 8);
        return b;
    };
    const MonitorState defaults;
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* note;
    } cases[] = {
        {"white point index", patched(48, {5}), "white point index 5"},
        {"preset index", patched(49, {9}), "gamma preset 9"},
        {"single flag", patched(50, {2}), "single gamma flag"},
        {"slider", patched(58, {35}), "slider position 35"},
        {"negative slider", patched(66, {0xFF, 0xFF, 0xFF, 0xFF}), "slider position -1"},
        {"NaN gamma", patched(0, doubleBytes(std::nan(""))), "gamma 0"},
        {"zero gamma", patched(16, doubleBytes(0.0)), "gamma 2"},
        {"infinite weight", patched(32, doubleBytes(INFINITY)), "luminance weights"},
        {"short", std::vector<uint8_t>(base.begin(), base.begin() + 1000), "shorter than 1094"},
    };
    for (const Case& c : cases) {
        WriteFile(folder + "/Monitor.csd", c.bytes);
        MonitorState state;
        state.gammas[1] = 3.3;
        std::string message;
        ASSERT_TRUE(state.ReadSettings(folder, &message)) << c.what;
        EXPECT_NE(message.find(c.note), std::string::npos) << c.what << ": " << message;
        EXPECT_GE(state.settings.whitePoint, 0);
        EXPECT_LT(state.settings.whitePoint, 5);
        EXPECT_LT(state.settings.gammaPreset, 4);
        for (int32_t p : {state.settings.redSlider, state.settings.greenSlider, state.settings.blueSlider,
                          state.settings.singleSlider})
            EXPECT_TRUE(p >= 0 && p <= 34) << c.what;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(std::isfinite(state.gammas[i]) && state.gammas[i] > 0) << c.what;
            EXPECT_TRUE(std::isfinite(state.weights[i])) << c.what;
        }
    }
    // The name field always ends inside its 1024 bytes, whatever the file holds.
    std::vector<uint8_t> unterminated = base;
    std::fill(unterminated.begin() + 70, unterminated.end(), 'a');
    WriteFile(folder + "/Monitor.csd", unterminated);
    MonitorState state;
    ASSERT_TRUE(state.ReadSettings(folder));
    EXPECT_EQ(state.profilePath.size(), static_cast<size_t>(kProfileNameSize - 1));
    EXPECT_FALSE(state.ReadSettings(folder + "/missing"));
}

TEST(IccProfile, SrgbProfileGivesTheSrgbWeights)
{
    const std::string path = TempFolder() + "/srgb.icc";
    WriteFile(path, IccProfile(SrgbTags()));
    MonitorState state;
    state.SelectWhitePoint(2);
    ASSERT_EQ(state.LoadProfile(path), "");
    state.TakeWeightsFromWhiteScale();
    // S is only as exact as the 4-digit primaries and the daylight white: 0.1.
    EXPECT_NEAR(state.weights[0], 21.3, 0.1);
    EXPECT_NEAR(state.weights[1], 71.5, 0.1);
    EXPECT_NEAR(state.weights[2], 7.2, 0.1);
    EXPECT_NEAR(state.weights[0] + state.weights[1] + state.weights[2], 100.0, 1e-9);
    EXPECT_EQ(state.profilePath, path);
    EXPECT_EQ(state.whitePointName, "6500K");
}

TEST(IccProfile, BrokenProfilesAreReportedAndChangeNothing)
{
    const std::string folder = TempFolder();
    auto without = [](const char* sig) {
        std::vector<IccTag> tags = SrgbTags();
        std::erase_if(tags, [&](const IccTag& t) { return t.signature == sig; });
        return IccProfile(tags);
    };
    auto mutated = [](auto change) {
        std::vector<IccTag> tags = SrgbTags();
        change(tags);
        return IccProfile(tags);
    };
    std::vector<uint8_t> truncated = IccProfile(SrgbTags());
    truncated.resize(truncated.size() - 30);
    std::vector<uint8_t> hugeTable = IccProfile(SrgbTags());
    hugeTable[128] = 0x7F;
    std::vector<uint8_t> notIcc = IccProfile(SrgbTags());
    notIcc[36] = 'x';
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* expect;
    } cases[] = {
        {"missing gXYZ", without("gXYZ"), "no tag 'gXYZ'"},
        {"truncated", truncated, "lies outside the profile"},
        {"header only", std::vector<uint8_t>(100, 0), "shorter than an ICC header"},
        {"tag table too long", hugeTable, "runs past the end"},
        {"not a profile", notIcc, "no 'acsp'"},
        {"wrong type", mutated([](auto& t) { t[0].type = "curv"; }), "not of type 'XYZ '"},
        {"zero Y", mutated([](auto& t) { t[2].Y = 0; }), "not above 0"},
        {"singular", mutated([](auto& t) { t[1] = {"gXYZ", 0.4124, 0.2126, 0.0193}; }), "no inverse"},
    };
    for (const Case& c : cases) {
        const std::string path = folder + "/broken.icc";
        WriteFile(path, c.bytes);
        MonitorState state;
        const Matrix before = state.toXyz;
        const double scaleBefore = state.whiteScale.Get(0, 0);
        const std::string error = state.LoadProfile(path);
        EXPECT_NE(error.find(c.expect), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(state.whiteScale.Get(0, 0), scaleBefore) << c.what;
        EXPECT_EQ(state.toXyz.Get(0, 0), before.Get(0, 0)) << c.what;
        EXPECT_EQ(state.profilePath, "") << c.what;
    }
    MonitorState state;
    EXPECT_NE(state.LoadProfile(folder + "/none.icc").find("file linked to does not exist on this route."),
              std::string::npos);
}

// Independent check: profiles written by Little CMS are read by our reader and
// by Little CMS itself; both must find the same colorants and white.
TEST(IccProfile, AgreesWithLittleCms)
{
    const std::string folder = TempFolder();
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    const cmsCIExyYTRIPLE wide = {{0.7347, 0.2653, 1.0}, {0.1152, 0.8264, 1.0}, {0.1566, 0.0177, 1.0}};
    cmsCIExyY d50;
    cmsWhitePointFromTemp(&d50, 5003);
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
    cmsToneCurve* curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE wideGamut = cmsCreateRGBProfile(&d50, &wide, curves);
    cmsFreeToneCurve(gamma);
    ASSERT_TRUE(srgb && wideGamut);
    const std::pair<cmsHPROFILE, std::string> profiles[] = {{srgb, folder + "/srgb-lcms.icc"},
                                                           {wideGamut, folder + "/wide-lcms.icc"}};
    for (const auto& [profile, path] : profiles) {
        ASSERT_TRUE(cmsSaveProfileToFile(profile, path.c_str()));
        cmsCloseProfile(profile);
        cmsHPROFILE reread = cmsOpenProfileFromFile(path.c_str(), "r");
        ASSERT_TRUE(reread);
        const std::pair<const char*, cmsTagSignature> tags[] = {{"rXYZ", cmsSigRedColorantTag},
                                                                {"gXYZ", cmsSigGreenColorantTag},
                                                                {"bXYZ", cmsSigBlueColorantTag},
                                                                {"wtpt", cmsSigMediaWhitePointTag}};
        for (const auto& [signature, tag] : tags) {
            const auto* expected = static_cast<const cmsCIEXYZ*>(cmsReadTag(reread, tag));
            ASSERT_TRUE(expected) << path << " " << signature;
            XyzValue ours;
            ASSERT_EQ(ReadXyzTag(path, signature, ours), "") << path;
            EXPECT_NEAR(ours.X, expected->X, 1e-4) << path << " " << signature;
            EXPECT_NEAR(ours.Y, expected->Y, 1e-4) << path << " " << signature;
            EXPECT_NEAR(ours.Z, expected->Z, 1e-4) << path << " " << signature;
        }
        cmsCloseProfile(reread);
        MonitorState state;
        EXPECT_EQ(state.LoadProfile(path), "") << path;
    }
}

#include "MonitorState.h"

#include "SafeFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// Grey level that a monitor of gamma 1.00 + 0.05 p shows at half the
// luminance of white, rounded for the swatches of the gamma test.
constexpr int kTestLevels[kGammaSliderMax + 1] = {
    127, 131, 135, 139, 143, 146, 149, 152, 155, 158, 160, 163, 165, 167, 169, 171, 173, 175,
    177, 178, 180, 182, 183, 184, 186, 187, 188, 190, 191, 192, 193, 194, 195, 196, 197};

constexpr int kTemperatures[kWhitePointCount] = {5000, 5500, 6500, 7500, 9300};
const char* const kWhitePointNames[kWhitePointCount] = {"5000K", "5500K", "6500K", "7500K", "9300K"};
const char* const kWhitePointItems[kWhitePointCount] = {
    "5000\xcb\x9aK (warm white)", "5500\xcb\x9aK", "6500\xcb\x9aK (daylight)", "7500\xcb\x9aK",
    "9300\xcb\x9aK (cool white)"};

const GammaPreset kPresets[3] = {
    {{2.5, 2.65, 1.55}, {30, 33, 11}},
    {{1.8, 1.8, 1.8}, {16, 16, 16}},
    {{2.2, 2.2, 2.2}, {24, 24, 24}},
};
const char* const kPresetItems[kGammaPresetCount] = {"Default Gamma", "Macintosh Default - 1.8",
                                                     "Windows Default - 2.2", "UserGamma"};

// Default primaries (sRGB / ITU-R BT.709) and white (D65) as xyz chromaticities.
constexpr double kDefaultPrimaries[3][3] = {{0.64, 0.33, 0.03}, {0.30, 0.60, 0.10}, {0.15, 0.06, 0.79}};
constexpr Chromaticity kDefaultWhite = {0.3127, 0.3290, 0.3583};

// ICC profiles larger than this are not monitor profiles.
constexpr size_t kMaxProfileSize = 64u << 20;

uint32_t BigEndian32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3]);
}

void PutLittle(uint8_t*& p, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        *p++ = static_cast<uint8_t>(v >> (8 * i));
}

uint64_t GetLittle(const uint8_t*& p, int bytes)
{
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<uint64_t>(*p++) << (8 * i);
    return v;
}

double GetDouble(const uint8_t*& p)
{
    const uint64_t bits = GetLittle(p, 8);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void PutDouble(uint8_t*& p, double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof v);
    PutLittle(p, bits, 8);
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void AddNote(std::string& notes, const std::string& note)
{
    notes += notes.empty() ? note : "; " + note;
}

} // namespace

double TableGamma(int p)
{
    return 1.00 + 0.05 * std::clamp(p, 0, kGammaSliderMax);
}

int TestLevel(int p)
{
    return kTestLevels[std::clamp(p, 0, kGammaSliderMax)];
}

Chromaticity WhitePointOfTemperature(double t)
{
    Chromaticity c;
    c.x = -4.6070e9 / (t * t * t) + 2.9678e6 / (t * t) + 0.09911e3 / t + 0.244063;
    c.y = 2.87 * c.x - 3 * c.x * c.x - 0.275;
    c.z = 1 - c.x - c.y;
    return c;
}

int WhitePointTemperature(int index)
{
    return index >= 0 && index < kWhitePointCount ? kTemperatures[index] : 0;
}

const char* WhitePointName(int index)
{
    return index >= 0 && index < kWhitePointCount ? kWhitePointNames[index] : "";
}

const char* WhitePointItem(int index)
{
    return index >= 0 && index < kWhitePointCount ? kWhitePointItems[index] : "";
}

bool GammaPresetOf(int index, GammaPreset& preset)
{
    if (index < 0 || index > 2)
        return false;
    preset = kPresets[index];
    return true;
}

const char* GammaPresetItem(int index)
{
    return index >= 0 && index < kGammaPresetCount ? kPresetItems[index] : "";
}

std::string ParseXyzTag(const uint8_t* data, size_t size, const char* signature, XyzValue& out)
{
    if (std::strlen(signature) != 4)
        return "tag signature must have four characters";
    if (size < 132)
        return "profile of " + std::to_string(size) + " bytes is shorter than an ICC header and tag count";
    if (std::memcmp(data + 36, "acsp", 4) != 0)
        return "not an ICC profile (no 'acsp' signature at offset 36)";
    const uint32_t tagCount = BigEndian32(data + 128);
    if (tagCount > (size - 132) / 12)
        return "tag table of " + std::to_string(tagCount) + " entries runs past the end of the profile";
    const uint32_t wanted = BigEndian32(reinterpret_cast<const uint8_t*>(signature));
    for (uint32_t i = 0; i < tagCount; ++i) {
        const uint8_t* entry = data + 132 + 12 * static_cast<size_t>(i);
        if (BigEndian32(entry) != wanted)
            continue;
        const uint32_t offset = BigEndian32(entry + 4);
        const uint32_t length = BigEndian32(entry + 8);
        if (length < 20 || offset > size || size - offset < 20 || size - offset < length)
            return std::string("tag '") + signature + "' lies outside the profile or is shorter than 20 bytes";
        const uint8_t* tag = data + offset;
        if (std::memcmp(tag, "XYZ ", 4) != 0)
            return std::string("tag '") + signature + "' is not of type 'XYZ '";
        XyzValue v;
        v.X = static_cast<int32_t>(BigEndian32(tag + 8)) / 65536.0;
        v.Y = static_cast<int32_t>(BigEndian32(tag + 12)) / 65536.0;
        v.Z = static_cast<int32_t>(BigEndian32(tag + 16)) / 65536.0;
        if (!(v.Y > 0))
            return std::string("tag '") + signature + "' has Y = " + std::to_string(v.Y) + ", not above 0";
        out = v;
        return {};
    }
    return std::string("profile has no tag '") + signature + "'";
}

std::string ReadXyzTag(const std::string& path, const char* signature, XyzValue& out)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return path + " file linked to does not exist on this route.";
    std::vector<uint8_t> bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > kMaxProfileSize)
            return path + ": larger than any monitor profile";
    }
    const std::string error = ParseXyzTag(bytes.data(), bytes.size(), signature, out);
    return error.empty() ? error : path + ": " + error;
}

MonitorState::MonitorState()
    : gammas{kDefaultGammas[0], kDefaultGammas[1], kDefaultGammas[2]},
      weights{kDefaultWeights[0], kDefaultWeights[1], kDefaultWeights[2]},
      white{0, 100, 0}
{
    XyzValue primaries[3];
    for (int i = 0; i < 3; ++i)
        primaries[i] = {kDefaultPrimaries[i][0], kDefaultPrimaries[i][1], kDefaultPrimaries[i][2]};
    ComputeMatrices(primaries, kDefaultWhite);
}

std::string MonitorState::ComputeMatrices(const XyzValue primaries[3], const Chromaticity& w)
{
    Matrix m(3, 3);
    for (int i = 0; i < 3; ++i) {
        const XyzValue& p = primaries[i];
        if (!(p.Y > 0) || !std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
            return "primary " + std::to_string(i) + " has no usable luminance";
        m.Set(0, i, p.X / p.Y);
        m.Set(1, i, 1.0);
        m.Set(2, i, p.Z / p.Y);
    }
    if (!(w.y > 0) || !std::isfinite(w.x) || !std::isfinite(w.y) || !std::isfinite(w.z))
        return "white point has no usable luminance";
    Matrix inverse;
    try {
        inverse = m.Inverse();
    } catch (const Matrix::xNotExistInverse&) {
        return "the primaries are linearly dependent: no inverse matrix";
    }
    const double whiteXyz[3] = {100 * w.x / w.y, 100.0, 100 * w.z / w.y};
    const Matrix scale = inverse.Multiply(Matrix(3, 1, whiteXyz));
    toXyz = m;
    fromXyz = inverse;
    std::copy(whiteXyz, whiteXyz + 3, white);
    whiteScale = scale;
    return {};
}

double MonitorState::Luminance(uint32_t color) const
{
    const double channels[3] = {(color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                                ((color >> 16) & 0xFF) / 255.0};
    double y = 0;
    for (int i = 0; i < 3; ++i)
        y += weights[i] * std::pow(channels[i], gammas[i]);
    return y;
}

Chromaticity MonitorState::SelectWhitePoint(int index)
{
    if (index < 0 || index >= kWhitePointCount)
        index = 2;
    settings.whitePoint = static_cast<uint8_t>(index);
    whitePointName = kWhitePointNames[index];
    return WhitePointOfTemperature(kTemperatures[index]);
}

std::string MonitorState::LoadProfile(const std::string& path)
{
    static const char* const tags[3] = {"rXYZ", "gXYZ", "bXYZ"};
    XyzValue primaries[3];
    for (int i = 0; i < 3; ++i) {
        std::string error = ReadXyzTag(path, tags[i], primaries[i]);
        if (!error.empty())
            return error;
    }
    const Chromaticity w = SelectWhitePoint(settings.whitePoint);
    std::string error = ComputeMatrices(primaries, w);
    if (!error.empty())
        return path + ": " + error;
    profilePath = path.substr(0, kProfileNameSize - 1);
    return {};
}

bool MonitorState::ApplyGammaPreset(int index)
{
    if (index < 0 || index >= kGammaPresetCount)
        return false;
    settings.gammaPreset = static_cast<uint8_t>(index);
    settings.singleGamma = 0;
    if (index == 3) {
        gammas[0] = TableGamma(settings.redSlider);
        gammas[1] = TableGamma(settings.greenSlider);
        gammas[2] = TableGamma(settings.blueSlider);
        return true;
    }
    const GammaPreset& preset = kPresets[index];
    std::copy(preset.gammas, preset.gammas + 3, gammas);
    settings.redSlider = preset.sliders[0];
    settings.greenSlider = preset.sliders[1];
    settings.blueSlider = preset.sliders[2];
    return true;
}

void MonitorState::TakeWeightsFromWhiteScale()
{
    for (int i = 0; i < 3; ++i)
        weights[i] = whiteScale.Get(i, 0);
}

std::string EncodeMonitorFile(const MonitorState& state, uint8_t* out)
{
    uint8_t* p = out;
    for (double g : state.gammas)
        PutDouble(p, g);
    for (double w : state.weights)
        PutDouble(p, w);
    const MonitorSettings& s = state.settings;
    PutLittle(p, s.whitePoint, 1);
    PutLittle(p, s.gammaPreset, 1);
    for (int32_t v : {s.singleGamma, s.redSlider, s.greenSlider, s.blueSlider, s.singleSlider})
        PutLittle(p, static_cast<uint32_t>(v), 4);
    std::string name = FileNameOf(state.profilePath);
    name.resize(std::min<size_t>(name.size(), kProfileNameSize - 1));
    std::memset(p, 0, kProfileNameSize);
    std::memcpy(p, name.data(), name.size());
    return name;
}

std::string DecodeMonitorFile(const uint8_t* data, size_t size, MonitorState& state, std::string& profileName)
{
    const MonitorState defaults;
    profileName.clear();
    if (size < static_cast<size_t>(kMonitorFileSize)) {
        std::copy(defaults.gammas, defaults.gammas + 3, state.gammas);
        std::copy(defaults.weights, defaults.weights + 3, state.weights);
        state.settings = defaults.settings;
        return "file of " + std::to_string(size) + " bytes is shorter than " + std::to_string(kMonitorFileSize) +
               ": defaults used";
    }
    std::string notes;
    const uint8_t* p = data;
    double gammas[3], weights[3];
    for (double& g : gammas)
        g = GetDouble(p);
    for (double& w : weights)
        w = GetDouble(p);
    for (int i = 0; i < 3; ++i) {
        if (std::isfinite(gammas[i]) && gammas[i] > 0 && gammas[i] <= 10) {
            state.gammas[i] = gammas[i];
        } else {
            state.gammas[i] = defaults.gammas[i];
            AddNote(notes, "gamma " + std::to_string(i) + " out of range");
        }
    }
    const bool weightsUsable = std::all_of(weights, weights + 3, [](double w) {
        return std::isfinite(w) && w >= 0 && w <= 100;
    });
    std::copy(weightsUsable ? weights : defaults.weights, (weightsUsable ? weights : defaults.weights) + 3,
              state.weights);
    if (!weightsUsable)
        AddNote(notes, "luminance weights out of range");

    MonitorSettings s;
    s.whitePoint = static_cast<uint8_t>(GetLittle(p, 1));
    s.gammaPreset = static_cast<uint8_t>(GetLittle(p, 1));
    int32_t* ints[5] = {&s.singleGamma, &s.redSlider, &s.greenSlider, &s.blueSlider, &s.singleSlider};
    for (int32_t* v : ints)
        *v = static_cast<int32_t>(static_cast<uint32_t>(GetLittle(p, 4)));
    const MonitorSettings& d = defaults.settings;
    if (s.whitePoint >= kWhitePointCount) {
        AddNote(notes, "white point index " + std::to_string(s.whitePoint) + " out of range");
        s.whitePoint = d.whitePoint;
    }
    if (s.gammaPreset >= kGammaPresetCount) {
        AddNote(notes, "gamma preset " + std::to_string(s.gammaPreset) + " out of range");
        s.gammaPreset = d.gammaPreset;
    }
    if (s.singleGamma != 0 && s.singleGamma != 1) {
        AddNote(notes, "single gamma flag out of range");
        s.singleGamma = d.singleGamma;
    }
    const int32_t* fallback[4] = {&d.redSlider, &d.greenSlider, &d.blueSlider, &d.singleSlider};
    for (int i = 0; i < 4; ++i) {
        if (*ints[i + 1] < 0 || *ints[i + 1] > kGammaSliderMax) {
            AddNote(notes, "slider position " + std::to_string(*ints[i + 1]) + " out of range");
            *ints[i + 1] = *fallback[i];
        }
    }
    state.settings = s;

    const uint8_t* name = p;
    const size_t length = std::find(name, name + kProfileNameSize - 1, 0) - name;
    profileName = FileNameOf(std::string(reinterpret_cast<const char*>(name), length));
    return notes;
}

bool MonitorState::ReadSettings(const std::string& setupFolder, std::string* message)
{
    const std::string path = setupFolder + "/Monitor.csd";
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (message)
            *message = "cannot open " + path;
        return false;
    }
    std::vector<uint8_t> bytes(kMonitorFileSize);
    file.read(reinterpret_cast<char*>(bytes.data()), kMonitorFileSize);
    bytes.resize(static_cast<size_t>(file.gcount()));
    std::string name;
    const std::string notes = DecodeMonitorFile(bytes.data(), bytes.size(), *this, name);
    profilePath = name.empty() ? std::string() : (setupFolder + "/Icm/" + name).substr(0, kProfileNameSize - 1);
    if (message)
        *message = notes.empty() ? notes : path + ": " + notes;
    return true;
}

bool MonitorState::WriteSettings(const std::string& setupFolder, std::string* message) const
{
    const std::string path = setupFolder + "/Monitor.csd";
    uint8_t bytes[kMonitorFileSize];
    EncodeMonitorFile(*this, bytes);
    const FileResult saved =
        SaveFileSafely(path, std::string_view(reinterpret_cast<const char*>(bytes), kMonitorFileSize));
    if (!saved) {
        if (message)
            *message = saved.error;
        return false;
    }
    return true;
}

#pragma once

#include <cstdint>
#include <string>

#include "Matrix.h"

// The description of the user's monitor that the luminance order and the Lab
// conversions work with: channel gammas, luminance weights, the settings of
// the monitor dialog, the ICC profile in use, the white point and the matrices
// derived from the primaries.
//
// "Monitor.csd" (1094 bytes, little-endian, no padding): gammas R, G, B and
// weights R, G, B as doubles; white point index and gamma preset index as
// bytes; single-gamma flag and the four slider positions as int32; then a
// 1024-byte zero-terminated profile file name (no folder).

struct MonitorSettings {
    uint8_t whitePoint = 2;     // 0..4: 5000, 5500, 6500, 7500, 9300 K
    uint8_t gammaPreset = 0;    // 0..3: default, Macintosh, Windows, user
    int32_t singleGamma = 0;    // 0 or 1
    int32_t redSlider = 25;     // slider positions 0..34
    int32_t greenSlider = 31;
    int32_t blueSlider = 4;
    int32_t singleSlider = 0;
};

constexpr int kMonitorFileSize = 1094;
constexpr int kProfileNameSize = 1024;
constexpr int kGammaSliderMax = 34;
constexpr int kWhitePointCount = 5;
constexpr int kGammaPresetCount = 4;

constexpr double kDefaultGammas[3] = {2.5, 2.65, 1.55};
constexpr double kDefaultWeights[3] = {23.93, 66.07, 10.0};

// Slider position p (0..34, clamped): gamma 1.00 + 0.05 p.
double TableGamma(int p);
// The grey test level (0..255) that looks half as bright as white at the gamma
// of position p (0..34, clamped).
int TestLevel(int p);

struct XyzValue {
    double X = 0, Y = 0, Z = 0;
};

struct Chromaticity {
    double x = 0, y = 0, z = 0;
};

// Daylight white point of a correlated colour temperature in kelvin.
Chromaticity WhitePointOfTemperature(double kelvin);
// Temperature (5000 ... 9300) and name ("5000K" ...) of white point index
// 0..4; 0 and "" out of range.
int WhitePointTemperature(int index);
const char* WhitePointName(int index);
// The dialog's white point combo items ("5000˚K (warm white)" ...).
const char* WhitePointItem(int index);

// Gammas and slider positions of presets 0..2; false for 3 ("UserGamma",
// which keeps the sliders) and out of range.
struct GammaPreset {
    double gammas[3];
    int sliders[3];
};
bool GammaPresetOf(int index, GammaPreset& preset);
const char* GammaPresetItem(int index);

// Reads the XYZ tag with the given signature ("rXYZ", "gXYZ", "bXYZ", "wtpt")
// of an ICC profile. Returns "" and fills out on success; otherwise says what
// failed and leaves out unchanged.
std::string ReadXyzTag(const std::string& path, const char* signature, XyzValue& out);
// The same over a profile already in memory.
std::string ParseXyzTag(const uint8_t* data, size_t size, const char* signature, XyzValue& out);

class MonitorState {
public:
    // Defaults: gammas, weights and settings as above, no profile, and the
    // matrices of the default primaries and white.
    MonitorState();

    double gammas[3];
    double weights[3];
    MonitorSettings settings;
    std::string profilePath;     // full path, at most 1023 bytes
    std::string whitePointName;  // "" until a white point is chosen

    Matrix toXyz;       // M: columns (X/Y, 1, Z/Y) of the primaries
    Matrix fromXyz;     // M^-1
    double white[3];    // (Xw, 100, Zw)
    Matrix whiteScale;  // S = M^-1 W, 3 x 1: luminance share of each primary

    // Fills M, M^-1, W and S from the primaries (any common scale) and the
    // white chromaticity. A singular or non-finite input keeps the previous
    // matrices and returns the reason; "" on success.
    std::string ComputeMatrices(const XyzValue primaries[3], const Chromaticity& white);

    // Luminance 0..100 of a colour value (0x00BBGGRR) on this monitor.
    double Luminance(uint32_t color) const;

    // Reads "Monitor.csd" from setupFolder. A file that cannot be opened
    // returns false and changes nothing. Short files, indices out of range and
    // non-finite values are replaced by the defaults (and reported in
    // message, the result still true when the file could be opened). The
    // profile path becomes setupFolder + "/Icm/" + the stored name.
    bool ReadSettings(const std::string& setupFolder, std::string* message = nullptr);
    // Writes "Monitor.csd" into setupFolder (name field: the profile's file
    // name only). The previous file is replaced only when the new one is
    // complete.
    bool WriteSettings(const std::string& setupFolder, std::string* message = nullptr) const;

    // Reads rXYZ, gXYZ and bXYZ of the profile and computes the matrices with
    // the white point of settings.whitePoint (6500 K when out of range). The
    // first failing read stops; the matrices then stay as they were.
    std::string LoadProfile(const std::string& path);
    // Sets the white point name and returns the white of index 0..4.
    Chromaticity SelectWhitePoint(int index);
    // Applies preset 0..2 to the gammas and the settings' slider positions.
    bool ApplyGammaPreset(int index);
    // Sets the weights to the white scale S (the dialog's OK).
    void TakeWeightsFromWhiteScale();
};

// 1094-byte image of the monitor file for the given state, and its parser
// (defaults substituted as for ReadSettings; returns what was replaced).
std::string EncodeMonitorFile(const MonitorState& state, uint8_t* out);
std::string DecodeMonitorFile(const uint8_t* data, size_t size, MonitorState& state, std::string& profileName);

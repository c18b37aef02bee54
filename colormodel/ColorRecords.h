#pragma once

#include "ConsonaExport.h"

// The colour records shared by the colour model and the program.
//
// A colour value is a uint32_t packed as 0x00BBGGRR: red in bits 0-7, green in
// bits 8-15, blue in bits 16-23, the top byte zero. Operations taking a colour
// value read only its low three bytes.
//
// Hue is in degrees 0..360 (plain, 0 red 120 green 240 blue, or note hue, 30
// degrees per semitone above C); lightness, saturation and value are on
// 0..scale (the program always uses 255). CMYK components are percent when
// produced by RgbToCmyk and fractions 0..1 when given to CmykToRgb.
//
// Inequality compares the fields as floats: it is true as soon as one pair
// differs, and a pair involving a NaN counts as equal.

struct CONSONA_API HLSINFO {
    float hue;
    float lightness;
    float saturation;

    HLSINFO();
    HLSINFO(float hue, float lightness, float saturation);
    HLSINFO(const HLSINFO& other) = default;
    const HLSINFO& operator=(const HLSINFO& other);
    bool operator!=(const HLSINFO& other) const;
};

struct CONSONA_API HSVINFO {
    float hue;
    float saturation;
    float value;

    HSVINFO();
    HSVINFO(float hue, float saturation, float value);
    HSVINFO(const HSVINFO& other) = default;
    const HSVINFO& operator=(const HSVINFO& other);
    bool operator!=(const HSVINFO& other) const;
};

struct CONSONA_API CMYKINFO {
    float cyan;
    float magenta;
    float yellow;
    float black;

    CMYKINFO();
    CMYKINFO(float cyan, float magenta, float yellow, float black);
    CMYKINFO(const CMYKINFO& other) = default;
    const CMYKINFO& operator=(const CMYKINFO& other);
};

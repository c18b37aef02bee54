#pragma once

#include <cstdint>

#include "ColorRecords.h"
#include "ConsonaExport.h"

// Converts colours between RGB and HLS, HSV and CMYK, on the plain hue scale and
// on the note hue scale (the H variants: 0 is the colour of C, 30 of C sharp,
// 270 of A), and offers mixing, nearest-colour search and display quantisers.
//
// Colour values are uint32_t 0x00BBGGRR; (r, g, b) arguments are ints 0..255.
// Channels computed outside 0..255 are clamped, never wrapped. Nothing here
// reports errors or allocates. Only the note-hue conversions from RGB (and
// OutColorData modes 0..4, OctaveToColor) write lastHls / lastHsv; the library
// never reads them back.
//
// The colour-value overloads take uint32_t: pass an unsigned value (0x0000FFu),
// since a plain int literal is equally convertible to float or double.
class CONSONA_API ColorSystem {
public:
    enum eColorMode : int {
        cmNoteHue = 0,       // note hue (RgbToHHls, scale 255)
        cmLightness = 1,     // HLS lightness 0..255 (RgbToHHls)
        cmHlsSaturation = 2, // HLS saturation 0..255 (RgbToHHls)
        cmHsvSaturation = 3, // HSV saturation 0..255 (RgbToHHsv)
        cmValue = 4,         // HSV value 0..255 (RgbToHHsv)
        cmCyan = 5,          // percent (RgbToCmyk)
        cmMagenta = 6,
        cmYellow = 7,
        cmBlack = 8,
        cmHue = 9,           // plain HLS hue in degrees (RgbToHls, no state change)
    };

    enum eHsvMode : int {
        ToTriangleSpace = 0,
        FromTriangleSpace = 1,
    };

    ColorSystem();
    ColorSystem(const ColorSystem& other);
    ColorSystem& operator=(const ColorSystem& other);
    virtual ~ColorSystem();

    // Plain hue conversions.
    HLSINFO RgbToHls(int r, int g, int b, float scale) const;
    uint32_t HlsToRgb(float hue, float lightness, float saturation, float scale) const;
    HSVINFO RgbToHsv(int r, int g, int b, float scale) const;
    uint32_t HsvToRgb(float hue, float saturation, float value, float scale) const;

    // Note hue conversions.
    float RgbToHHue(float plainHue) const;
    float RgbToHHue(uint32_t color) const;
    HLSINFO RgbToHHls(int r, int g, int b, float scale);
    HLSINFO RgbToHHls(uint32_t color, float scale);
    uint32_t HHlsToRgb(float noteHue, float lightness, float saturation, float scale) const;
    uint32_t HHlsToRgb(const HLSINFO& hls, float scale) const;
    HSVINFO RgbToHHsv(int r, int g, int b, float scale);
    HSVINFO RgbToHHsv(uint32_t color, float scale);
    uint32_t HHsvToRgb(float noteHue, float saturation, float value, float scale) const;
    uint32_t HHsvToRgb(const HSVINFO& hsv, float scale) const;

    // CMYK: RgbToCmyk yields percent, CmykToRgb takes fractions 0..1.
    CMYKINFO RgbToCmyk(int r, int g, int b) const;
    CMYKINFO RgbToCmyk(uint32_t color) const;
    uint32_t CmykToRgb(float c, float m, float y, float k) const;
    uint32_t CmykToRgb(const CMYKINFO& cmyk) const;

    // One component of *color at scale 255; 0 for an unknown mode.
    float OutColorData(const uint32_t* color, eColorMode mode);

    // Colour of a note position (semitones above C), lightened by octave steps
    // of 10 HLS lightness units; the colour form lightens an existing colour.
    uint32_t OctaveToColor(double note, int octave);
    uint32_t OctaveToColor(uint32_t color, int octave);

    // Additive mix in the RGB colour triangle; black for a count of 0 or less.
    uint32_t CalculMix(const uint32_t* colours, int count) const;
    // Index of the nearest table entry (first of equals); 0 for an empty table.
    int ColorResemble(uint32_t color, const uint32_t* table, int count) const;
    // Web-safe colour (six levels per channel).
    uint32_t To216WebColor(int r, int g, int b) const;
    uint32_t To216WebColor(uint32_t color) const;
    // The colour a 5-6-5 bit display shows.
    uint32_t ToH16BitWebColor(int r, int g, int b) const;
    uint32_t ToH16BitWebColor(uint32_t color) const;

    HLSINFO lastHls; // plain HLS of the last RgbToHHls
    HSVINFO lastHsv; // plain HSV of the last RgbToHHsv

private:
    void ConvertHsvSpace(double* x, double* y, int hue, eHsvMode mode) const;
};

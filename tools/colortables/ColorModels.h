#pragma once

#include <cstdint>
#include <string>

// Colour values derived from colour-order notations, for the reference tables
// whose notation encodes the colour. All return false for a name they cannot
// read. Results are sRGB (D65), chroma reduced at constant lightness and hue
// where the colour lies outside the sRGB gamut.

struct Rgb8 {
    uint8_t r = 0, g = 0, b = 0;
};

// CIELAB (D65) to 8-bit sRGB, out-of-gamut colours pulled toward the grey of
// the same lightness.
Rgb8 LabToSrgb(double L, double a, double b);

// "S 2030-Y90R", "S 0500-N": blackness, chromaticness and hue of the NCS
// notation, placed in CIELAB by an idealised mixing model (see README.md).
bool NcsToSrgb(const std::string& name, Rgb8& out);

// "R1-90020" (hue family and step, value 9.0, chroma 2.0), "NR-70010" (a
// near-neutral of the family), "N-45" (grey of value 4.5): Munsell-style
// notation placed in CIELAB (see README.md).
bool CosToSrgb(const std::string& name, Rgb8& out);

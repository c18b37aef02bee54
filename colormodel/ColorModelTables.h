#pragma once

// Fixed tables of the colour model.

namespace colormodeltables {

// Plain hue to note hue: twelve linear pieces of 30 plain degrees, fitted to the
// inverse of the note colour wheel (yellow 60, cyan 180 and magenta 300 land on
// exact wheel points). A piece applies up to its bound: base + slope * (h - start).
struct NoteHueSegment {
    float bound;
    float start;
    float base;
    float slope;
};

constexpr NoteHueSegment kNoteHueSegments[] = {
    {30.0f, 0.0f, 0.0f, 0.9241f},
    {60.0f, 30.0f, 27.723f, 0.9148f},
    {90.0f, 60.0f, 55.167f, 1.1012f},
    {120.0f, 90.0f, 88.203f, 1.1205f},
    {150.0f, 120.0f, 121.818f, 0.3526f},
    {180.0f, 150.0f, 132.396f, 0.345f},
    {210.0f, 180.0f, 142.746f, 0.9209f},
    {240.0f, 210.0f, 170.373f, 0.9354f},
    {270.0f, 240.0f, 198.435f, 1.8457f},
    {300.0f, 270.0f, 253.635f, 1.8467f},
    {330.0f, 300.0f, 309.036f, 0.8463f},
    {360.0f, 330.0f, 334.425f, 0.8525f},
};

// The 8-bit levels a 16-bit (5-6-5) display shows for each 5-bit code (red,
// blue) and 6-bit code (green); the last level is repeated once so that 255
// falls inside a pair of neighbours.
constexpr int kLevels5[] = {
    0, 8, 16, 24, 33, 41, 49, 57, 66, 74, 82, 90, 98, 107, 115, 124,
    132, 140, 148, 156, 164, 173, 181, 190, 198, 206, 214, 222, 231, 239, 247, 255,
    255,
};

constexpr int kLevels6[] = {
    0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60,
    64, 68, 72, 77, 81, 85, 89, 93, 97, 101, 105, 109, 113, 117, 121, 125,
    130, 134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 174, 178, 182, 186, 190,
    195, 199, 203, 207, 211, 215, 219, 223, 227, 231, 235, 239, 243, 247, 251, 255,
    255,
};

} // namespace colormodeltables

#pragma once

#include <cstdint>

#include "ConsonaExport.h"

// The note colour wheel: a note position (semitones above C, [0, 12)) becomes a
// colour, a frequency becomes a position plus a lightness (ten steps per octave
// above 13.75 Hz, 50 at A = 440 Hz), and octave/note pairs convert to and from
// frequencies. Octave n begins at C = 16.351597831287414 * 2^(n-1) Hz.
//
// Positions outside [0, 12) (and NaN) are wrapped onto the circle; frequencies
// of 0 or below give black. The frequency form of GetRGB overwrites the state
// below; nothing in the library reads it back.
class CONSONA_API ConsonaSystem {
public:
    ConsonaSystem();
    ConsonaSystem(const ConsonaSystem& other);
    ConsonaSystem& operator=(const ConsonaSystem& other);
    virtual ~ConsonaSystem();

    // Wheel colour of a note position; each out-parameter gets an integral
    // value 0..255. Lightness 0 is black, 50 the pure colour, 100 near white.
    void ToConsonaColor(double note, double* red, double* green, double* blue, double lightness);
    uint32_t ToConsonaColor(double note, double lightness);

    // Reference saturation (percent) of a note position.
    void ToSaturation(double note, double* saturation);

    // Colour of a frequency in Hz; updates the state.
    void GetRGB(double frequency, unsigned char* red, unsigned char* green, unsigned char* blue);
    void GetRGB(unsigned char octave, unsigned char note, unsigned char* red, unsigned char* green,
                unsigned char* blue);

    void GetNoteToFreq(unsigned char octave, unsigned char note, double* frequency);
    // Octave and note index of a frequency, the octave split into steps parts;
    // the note is always within 0..steps-1.
    void GetFreqToNote(float frequency, int* octave, int* note, int steps);

    double pitch;          // log2(frequency) + log2(0.9789675)
    double octaveFraction; // pitch minus its integer part
    double notePosition;   // 12 * octaveFraction
    int32_t lightness;     // lightness parameter of the frequency
    double red;            // channel values 0..255 from the wheel
    double green;
    double blue;

protected:
    // Frequency of C at the start of an octave.
    static float GetBaseFreqFmOctave(int octave);
};

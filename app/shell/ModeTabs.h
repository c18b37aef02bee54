#pragma once
// The rules of the three mode tabs: which per-mode copy of the scheme a tab
// change keeps, and what the newly shown mode window takes back. No window is
// touched here; the main window shows and hides its mode windows around these.
#include "SchemeState.h"

struct TabChoice {
  bool accepted = true;
  bool warnNoSound = false;     // show the sound card warning
  bool recheckCurrent = false;  // put the tab check back on the current mode
  Mode mode = ModeChord;        // the mode after the choice
};

// A click on the tab of `chosen` while `current` is active. Saves the scheme
// into the mode being left and clears the selection; refuses the music tab
// while no wave output device exists.
TabChoice ChooseModeTab(SchemeState& state, Mode current, Mode chosen);

// The copies made when the window of `mode` is brought up: the harmony and
// music windows give back their own colours and octave colours; the colour
// edit window takes the current scheme.
void TakeModeColors(SchemeState& state, Mode mode);

// The per-mode array that holds the scheme of `mode`.
SchemeColors& ModeColors(SchemeState& state, Mode mode);

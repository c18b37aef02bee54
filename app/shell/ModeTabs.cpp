#include "ModeTabs.h"

TabChoice ChooseModeTab(SchemeState& state, Mode current, Mode chosen) {
  TabChoice choice;
  switch (chosen) {
    case ModeChord:
      if (current == ModeMusic) state.musicColors = state.schemeColors;
      break;
    case ModeMusic:
      if (state.soundAvailable == 0) {
        choice.accepted = false;
        choice.warnNoSound = true;
        choice.recheckCurrent = current == ModeChord || current == ModeEdit;
        choice.mode = current;
        return choice;
      }
      if (current == ModeChord) state.chordColors = state.schemeColors;
      break;
    case ModeEdit:
      if (current == ModeChord) state.chordColors = state.schemeColors;
      if (current == ModeMusic) state.musicColors = state.schemeColors;
      break;
  }
  choice.mode = chosen;
  state.selectedIndex = 0;
  return choice;
}

void TakeModeColors(SchemeState& state, Mode mode) {
  switch (mode) {
    case ModeChord:
      state.schemeColors = state.chordColors;
      state.referenceColors = state.chordOctaveColors;
      break;
    case ModeMusic:
      state.schemeColors = state.musicColors;
      state.referenceColors = state.musicOctaveColors;
      break;
    case ModeEdit:
      state.editColors = state.schemeColors;
      break;
  }
}

SchemeColors& ModeColors(SchemeState& state, Mode mode) {
  switch (mode) {
    case ModeMusic: return state.musicColors;
    case ModeEdit: return state.editColors;
    case ModeChord: break;
  }
  return state.chordColors;
}

#pragma once
// controlImages: the process-wide control pictures, one per key of section
// "CONTROL" of the control layout file, cut from the sheet "ConsonaIcon".
#include <array>
#include <string_view>

#include "SkinImage.h"

inline constexpr std::array<const char*, 72> kControlImageKeys = {
    "CONSONACHORD", "MUSIC", "COLOREDIT",
    "TOFAVORITE_ON", "TOFAVORITE_OFF",
    "CHORDLIST_ON", "CHORDLIST_OFF", "KEYBOARD_ON", "KEYBOARD_OFF",
    "CHORD_ON", "CHORD_OFF",
    "CHORD_PLAY_ON", "CHORD_PLAY_OFF",
    "OPEN_ON", "OPEN_OFF", "PLAY_ON", "PLAY_OFF", "STOP_ON", "STOP_OFF",
    "COLORBAND",
    "NEW_ON", "NEW_OFF", "DELETE_ON", "DELETE_OFF", "MENU_ON", "MENU_OFF",
    "FAVORITE_ON", "FAVORITE_OFF",
    "HAND_ON", "HAND_OFF", "ZOOM_ON", "ZOOM_OFF", "PICKER_ON", "PICKER_OFF",
    "BUCKET_ON", "BUCKET_OFF", "ROTATE_ON", "ROTATE_OFF",
    "CLEAR_ON", "CLEAR_OFF",
    "SCHEMERGN_SMALL", "SCHEMERGN_LARGE", "PREVIEW_COLOR",
    "OK_ON", "OK_OFF",
    "AUTOCONT_PLUS_ON", "AUTOCONT_PLUS_OFF", "AUTOCONT_PLUS_DIS",
    "AUTOCONT_MINUS_ON", "AUTOCONT_MINUS_OFF", "AUTOCONT_MINUS_DIS",
    "RADIO_ON", "RADIO_OFF",
    "CHECK_ON", "CHECK_OFF", "CHECK_DIS",
    "MAIN_PT", "SUB_PT", "TRIANGLE_PT",
    "CONTLIMIT_LEFT", "CONTLIMIT_LEFT_DIS", "CONTLIMIT_RIGHT", "CONTLIMIT_RIGHT_DIS", "SLIDE_CONT_DIS",
    "SLIDE_CONT",
    "SLIDE_S", "SLIDE_L", "SCROLL",
    "THUMB_ON", "THUMB_OFF",
    "MUSIC_BAR", "HISTORY_BAR"};

// The piano window's key pictures, in the same section and sheet.
inline constexpr std::array<const char*, 8> kPianoKeyImageKeys = {
    "WHITE_KEYBORAD1_ON", "WHITE_KEYBORAD1_OFF", "WHITE_KEYBORAD2_ON", "WHITE_KEYBORAD2_OFF",
    "WHITE_KEYBORAD3_ON", "WHITE_KEYBORAD3_OFF", "BLACK_KEYBORAD1_ON", "BLACK_KEYBORAD1_OFF"};

extern std::array<SkinImage, 72> controlImages;

// The picture of a key of kControlImageKeys (an invalid image for another name).
SkinImage& ControlImage(std::string_view key);

// Reads the layout, loads the whole archive and cuts every control picture.
// A layout that fails leaves all pictures invalid; false then.
bool LoadControlImages(const char* layoutPath, const char* archivePath);

#pragma once
// SchemeState: the scheme every window of the program works on, kept in one
// process-wide place. The main window owns it; the mode windows, the scheme
// panel, the favourites window and the preview read and write it directly.
// Colours are packed 0x00BBGGRR values; every array holds seven of them, of
// which the first colorCount are in use.
#include <array>
#include <cstdint>
#include <string>

enum Mode : int { ModeChord = 0, ModeMusic = 1, ModeEdit = 2 };

using SchemeColors = std::array<uint32_t, 7>;

struct SchemeState {
  static constexpr int kMidiMapper = -1;
  static constexpr std::size_t kMaxProjectPath = 1023;

  int colorCount = 2;
  SchemeColors schemeColors{};
  SchemeColors variedColors{};
  SchemeColors namedColors{};
  SchemeColors chordColors{};
  SchemeColors musicColors{};
  SchemeColors editColors{};
  SchemeColors chordOctaveColors{};
  SchemeColors musicOctaveColors{};
  SchemeColors referenceColors{};
  int selectedIndex = 0;
  int soundAvailable = 1;
  int midiOutDevice = kMidiMapper;
  std::string programFolder;  // the executable's folder, no trailing slash
  std::string startPath;      // the command line, later the last dropped file
  std::string projectPath;    // full path of the current project file

  std::string SetupFolder() const { return programFolder + "/SetUp/"; }
  std::string ImageFolder() const { return programFolder + "/SetUp/Image/"; }
  std::string ProjectFolder() const { return programFolder + "/TNA/"; }
  std::string HelpPage() const { return programFolder + "/SetUp/Help/TnaHelp.htm"; }

  // Keeps at most kMaxProjectPath bytes, never cutting a UTF-8 sequence.
  void SetProjectPath(const std::string& path);
};

// The one instance every window reaches.
SchemeState& Scheme();

// The folder of an executable path: everything before the last '/', or "."
// for a bare name.
std::string ProgramFolderOf(const std::string& executablePath);

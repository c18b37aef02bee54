# cmake -DNM=nm -DLIBRARY=libConsonaSystem.so -P CheckExports.cmake
execute_process(COMMAND ${NM} -DC --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

set(expected
  "ColorSystem::ColorSystem()"
  "ColorSystem::ColorSystem(ColorSystem const&)"
  "ColorSystem::operator=(ColorSystem const&)"
  "ColorSystem::~ColorSystem()"
  "ColorSystem::RgbToHls(int, int, int, float) const"
  "ColorSystem::HlsToRgb(float, float, float, float) const"
  "ColorSystem::RgbToHsv(int, int, int, float) const"
  "ColorSystem::HsvToRgb(float, float, float, float) const"
  "ColorSystem::RgbToHHue(float) const"
  "ColorSystem::RgbToHHue(unsigned int) const"
  "ColorSystem::RgbToHHls(int, int, int, float)"
  "ColorSystem::RgbToHHls(unsigned int, float)"
  "ColorSystem::HHlsToRgb(float, float, float, float) const"
  "ColorSystem::HHlsToRgb(HLSINFO const&, float) const"
  "ColorSystem::RgbToHHsv(int, int, int, float)"
  "ColorSystem::RgbToHHsv(unsigned int, float)"
  "ColorSystem::HHsvToRgb(float, float, float, float) const"
  "ColorSystem::HHsvToRgb(HSVINFO const&, float) const"
  "ColorSystem::RgbToCmyk(int, int, int) const"
  "ColorSystem::RgbToCmyk(unsigned int) const"
  "ColorSystem::CmykToRgb(float, float, float, float) const"
  "ColorSystem::CmykToRgb(CMYKINFO const&) const"
  "ColorSystem::OutColorData(unsigned int const*, ColorSystem::eColorMode)"
  "ColorSystem::OctaveToColor(double, int)"
  "ColorSystem::OctaveToColor(unsigned int, int)"
  "ColorSystem::CalculMix(unsigned int const*, int) const"
  "ColorSystem::ColorResemble(unsigned int, unsigned int const*, int) const"
  "ColorSystem::To216WebColor(int, int, int) const"
  "ColorSystem::To216WebColor(unsigned int) const"
  "ColorSystem::ToH16BitWebColor(int, int, int) const"
  "ColorSystem::ToH16BitWebColor(unsigned int) const"
  "typeinfo for ColorSystem"
  "ConsonaSystem::ConsonaSystem()"
  "ConsonaSystem::ConsonaSystem(ConsonaSystem const&)"
  "ConsonaSystem::operator=(ConsonaSystem const&)"
  "ConsonaSystem::~ConsonaSystem()"
  "ConsonaSystem::ToConsonaColor(double, double*, double*, double*, double)"
  "ConsonaSystem::ToConsonaColor(double, double)"
  "ConsonaSystem::ToSaturation(double, double*)"
  "ConsonaSystem::GetRGB(double, unsigned char*, unsigned char*, unsigned char*)"
  "ConsonaSystem::GetRGB(unsigned char, unsigned char, unsigned char*, unsigned char*, unsigned char*)"
  "ConsonaSystem::GetNoteToFreq(unsigned char, unsigned char, double*)"
  "ConsonaSystem::GetFreqToNote(float, int*, int*, int)"
  "ConsonaSystem::GetBaseFreqFmOctave(int)"
  "typeinfo for ConsonaSystem"
  "HLSINFO::HLSINFO()"
  "HLSINFO::HLSINFO(float, float, float)"
  "HLSINFO::operator=(HLSINFO const&)"
  "HLSINFO::operator!=(HLSINFO const&) const"
  "HSVINFO::HSVINFO()"
  "HSVINFO::HSVINFO(float, float, float)"
  "HSVINFO::operator=(HSVINFO const&)"
  "HSVINFO::operator!=(HSVINFO const&) const"
  "CMYKINFO::CMYKINFO()"
  "CMYKINFO::CMYKINFO(float, float, float, float)"
  "CMYKINFO::operator=(CMYKINFO const&)")

set(missing)
foreach(name IN LISTS expected)
  string(FIND "${symbols}" " ${name}\n" at)
  if(at EQUAL -1)
    list(APPEND missing "${name}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "not exported from ${LIBRARY}:\n  ${text}")
endif()

foreach(helper MulDiv EdgeDistance WrapNote WheelPercent colorchannels)
  if(symbols MATCHES "[ :]${helper}[(:]")
    message(FATAL_ERROR "internal helper ${helper} is exported from ${LIBRARY}")
  endif()
endforeach()
list(LENGTH expected count)
message(STATUS "${LIBRARY}: all ${count} expected names exported")

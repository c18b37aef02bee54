# Fails unless `nm -DC LIBRARY` lists every operation of the class as a defined
# symbol and lists no defined symbol outside it.
execute_process(COMMAND ${NM} -DC --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

set(expected
  "PartialFinder::PartialFinder()"
  "PartialFinder::PartialFinder(PartialFinder const&)"
  "PartialFinder::operator=(PartialFinder const&)"
  "PartialFinder::AddFftData(double const*, int)"
  "PartialFinder::SetAth(double const*, int)"
  "PartialFinder::SetContrast(float const*)"
  "PartialFinder::PeakGet(PeakData*)"
  "PartialFinder::ConvAmp(int, float)"
  "PartialFinder::ConvDB(double*, double const*, int)"
  "PartialFinder::PusionCh(PeakData*, int, int)"
  "PartialFinder::SortPeakData(PeakData*, int)")
foreach(name IN LISTS expected)
  string(FIND "${symbols}" " ${name}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not exported: ${name}\n${symbols}")
  endif()
endforeach()

string(REPLACE "\n" ";" lines "${symbols}")
foreach(line IN LISTS lines)
  if(line MATCHES " [TtWw] (.*)$" AND NOT CMAKE_MATCH_1 MATCHES "^PartialFinder::"
     AND NOT CMAKE_MATCH_1 MATCHES "^_(init|fini)$")
    message(FATAL_ERROR "unexpected export: ${CMAKE_MATCH_1}")
  endif()
endforeach()

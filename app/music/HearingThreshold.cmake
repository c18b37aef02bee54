# The hearing-threshold container "ath.dat" (part of TnaSetupData).
if(NOT TARGET TnaSetupData)
  add_library(TnaSetupData STATIC)
endif()
target_sources(TnaSetupData PRIVATE ${CMAKE_CURRENT_LIST_DIR}/HearingThreshold.cpp)
target_include_directories(TnaSetupData PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Chord definitions and the setup data object (part of TnaSetupData).
if(NOT TARGET TnaSetupData)
  add_library(TnaSetupData STATIC)
endif()
target_sources(TnaSetupData PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChordDef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetupData.cpp)
target_include_directories(TnaSetupData PUBLIC ${CMAKE_CURRENT_LIST_DIR})

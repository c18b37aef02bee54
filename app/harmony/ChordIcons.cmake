# Chord icons cut from the skin archive (needs the skinned-control library, so
# it stays out of the window-free TnaSetupData).
if(EXISTS ${PROJECT_SOURCE_DIR}/app/shell/Controls.cmake)
  add_library(TnaChordIcons STATIC ${CMAKE_CURRENT_LIST_DIR}/ChordIcons.cpp)
  target_include_directories(TnaChordIcons PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(TnaChordIcons PUBLIC TnaSetupData TnaControls)
endif()

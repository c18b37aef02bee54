# The monitor state, "Monitor.csd" and ICC profile tags (part of TnaSetupData).
if(NOT TARGET TnaSetupData)
  add_library(TnaSetupData STATIC)
endif()
target_sources(TnaSetupData PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MonitorState.cpp)
target_include_directories(TnaSetupData PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaSetupData PUBLIC HarmonyMatrix TnaSafeFile)

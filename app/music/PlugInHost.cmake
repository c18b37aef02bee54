# TnaPlugInHost: the program's side of the audio source plug-ins (no toolkit).
add_library(TnaPlugInHost STATIC ${CMAKE_CURRENT_LIST_DIR}/PlugInHost.cpp)
target_include_directories(TnaPlugInHost PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaPlugInHost PUBLIC PlatformCore TnaSourceInterface)

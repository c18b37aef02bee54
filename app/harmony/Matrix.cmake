# HarmonyMatrix: dense matrix arithmetic for the colour-measurement code; no
# window code, so it is tested on its own.
add_library(HarmonyMatrix STATIC ${CMAKE_CURRENT_LIST_DIR}/Matrix.cpp)
target_include_directories(HarmonyMatrix PUBLIC ${CMAKE_CURRENT_LIST_DIR})

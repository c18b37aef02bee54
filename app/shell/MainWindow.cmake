# TnaShellLogic: the main window's rules that need no window (shared scheme
# state, mode tabs, placement and alignment, names and titles, commands).
add_library(TnaShellLogic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SchemeState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeTabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProjectNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandTable.cpp)
target_include_directories(TnaShellLogic PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# TnaSingleInstance: one running program per user, through a local socket.
find_package(Qt6 REQUIRED COMPONENTS Core Network)
add_library(TnaSingleInstance STATIC ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp)
target_include_directories(TnaSingleInstance PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaSingleInstance PUBLIC Qt6::Core Qt6::Network)

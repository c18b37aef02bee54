# TnaSafeFile: writing a file without ever leaving a half-written one in its place;
# used for the user's documents and for the program's own settings.
add_library(TnaSafeFile STATIC ${CMAKE_CURRENT_LIST_DIR}/SafeFile.cpp)
target_include_directories(TnaSafeFile PUBLIC ${CMAKE_CURRENT_LIST_DIR})

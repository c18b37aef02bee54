# TnaDocuments: the user's documents without their windows — favourites and the
# ".fsp" file, the palette exporters and report, and (from app/shell) the
# project file.
add_library(TnaDocuments STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FavoriteScheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FavoriteList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FavoritesDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FspFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PaletteWriters.cpp)
target_include_directories(TnaDocuments PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The report's answers from the program's colour model, monitor and colour tables.
target_sources(TnaDocuments PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ProgramReportSource.cpp)
target_link_libraries(TnaDocuments PUBLIC ConsonaSystem TnaSetupData TnaSafeFile)

# Colour-reference name tables and "ColorSystem.csd" (part of TnaSetupData).
if(NOT TARGET TnaSetupData)
  add_library(TnaSetupData STATIC)
endif()
# The name tables are compiled in from the text lists in names/; editing a list
# re-runs the configure step, which rewrites the generated source.
set(NAMES_DIR ${CMAKE_CURRENT_LIST_DIR}/names)
set(OUT ${CMAKE_CURRENT_BINARY_DIR}/ColorNameTables.cpp)
function(tintonia_embed_color_names)  # keeps the script's variables out of this folder
  include(${NAMES_DIR}/EmbedColorNames.cmake)
endfunction()
tintonia_embed_color_names()
foreach(system pantone ncs toyo dic cos)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${NAMES_DIR}/${system}.txt)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${NAMES_DIR}/EmbedColorNames.cmake)
target_sources(TnaSetupData PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ColorTables.cpp ${OUT})
target_include_directories(TnaSetupData PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaSetupData PUBLIC ConsonaSystem)

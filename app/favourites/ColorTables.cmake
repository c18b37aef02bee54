# Colour-reference name tables and "ColorSystem.csd" (part of TnaSetupData).
if(NOT TARGET TnaSetupData)
  add_library(TnaSetupData STATIC)
endif()
set(color_names_dir ${CMAKE_CURRENT_LIST_DIR}/names)
set(color_names_cpp ${CMAKE_CURRENT_BINARY_DIR}/ColorNameTables.cpp)
add_custom_command(OUTPUT ${color_names_cpp}
  COMMAND ${CMAKE_COMMAND} -DNAMES_DIR=${color_names_dir} -DOUT=${color_names_cpp}
          -P ${color_names_dir}/EmbedColorNames.cmake
  DEPENDS ${color_names_dir}/EmbedColorNames.cmake
          ${color_names_dir}/pantone.txt ${color_names_dir}/ncs.txt ${color_names_dir}/toyo.txt
          ${color_names_dir}/dic.txt ${color_names_dir}/cos.txt
  COMMENT "Embedding the colour name tables")
target_sources(TnaSetupData PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ColorTables.cpp ${color_names_cpp})
target_include_directories(TnaSetupData PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaSetupData PUBLIC ConsonaSystem)

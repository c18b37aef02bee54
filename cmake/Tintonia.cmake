# Build settings and small helpers shared by every folder of the project.

add_compile_options(-Wall -Wextra -ffp-contract=off)

if(TINTONIA_SANITIZE AND TINTONIA_TSAN)
  message(FATAL_ERROR "TINTONIA_SANITIZE and TINTONIA_TSAN cannot be combined")
endif()
if(TINTONIA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TINTONIA_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
if(TINTONIA_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TINTONIA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
endif()

# Adds every named folder that has a CMakeLists.txt; a name may be a folder whose
# own children are then added the same way (platform/, plugins/, app/, tests/).
function(tintonia_add_children)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt.
function(tintonia_add_all_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# tintonia_add_test(NAME name SOURCES ... [LIBS ...] [ENV VAR=value ...])
# One GoogleTest executable, run headless by CTest.
function(tintonia_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    TINTONIA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    TINTONIA_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
  # A list given through gtest_discover_tests' PROPERTIES loses all but its first
  # element, so the environment is set by a CTest script run after discovery.
  set(env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy TINTONIA_AUDIO=null ${T_ENV})
  set(env_script ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_environment.cmake)
  file(GENERATE OUTPUT ${env_script} CONTENT
    "if(${T_NAME}_TESTS)\n  set_tests_properties(\${${T_NAME}_TESTS} PROPERTIES ENVIRONMENT \"${env}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_script})
endfunction()

# tintonia_add_fuzzer(NAME name SOURCES ... [LIBS ...]) — only with TINTONIA_FUZZ.
function(tintonia_add_fuzzer)
  if(NOT TINTONIA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
endfunction()

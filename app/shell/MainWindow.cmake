# TnaShellLogic: the main window's rules that need no window (shared scheme
# state, mode tabs, placement and alignment, names and titles, commands).
add_library(TnaShellLogic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SchemeState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeTabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProjectNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SavePrompt.cpp)
target_include_directories(TnaShellLogic PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# TnaSingleInstance: one running program per user, through a local socket.
find_package(Qt6 REQUIRED COMPONENTS Core Network)
add_library(TnaSingleInstance STATIC ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp)
target_include_directories(TnaSingleInstance PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaSingleInstance PUBLIC Qt6::Core Qt6::Network)

# Tintonia: the program. Its main window, the about window, the scheme panel's
# controls and the first versions of the mode and companion windows.
if(TARGET TnaControls AND TARGET TnaSetupData AND TARGET TnaDocuments AND TARGET TnaChordIcons AND TARGET PlatformCore)
  add_library(TnaMainWindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ShellObjects.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SchemePanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutWnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainDlgProject.cpp
    ${PROJECT_SOURCE_DIR}/app/harmony/ConsonaCord.cpp
    ${PROJECT_SOURCE_DIR}/app/harmony/ConsonaChord.cpp
    ${PROJECT_SOURCE_DIR}/app/music/MusicPanel.cpp
    ${PROJECT_SOURCE_DIR}/app/favourites/Favorite.cpp
    ${PROJECT_SOURCE_DIR}/app/preview/ConsonaPreview.cpp)
  target_include_directories(TnaMainWindow PUBLIC
    ${CMAKE_CURRENT_LIST_DIR}
    ${PROJECT_SOURCE_DIR}/app/harmony
    ${PROJECT_SOURCE_DIR}/app/music
    ${PROJECT_SOURCE_DIR}/app/favourites
    ${PROJECT_SOURCE_DIR}/app/preview)
  target_compile_definitions(TnaMainWindow PRIVATE TINTONIA_VERSION="${PROJECT_VERSION}")
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  target_link_libraries(TnaMainWindow PUBLIC TnaShellLogic TnaControls TnaSetupData TnaDocuments TnaChordIcons
    PlatformCore ConsonaSystem Qt6::Widgets)

  add_executable(Tintonia ${CMAKE_CURRENT_LIST_DIR}/TintoniaMain.cpp)
  target_link_libraries(Tintonia PRIVATE TnaMainWindow TnaSingleInstance)
  set_target_properties(Tintonia PROPERTIES BUILD_RPATH "$ORIGIN" INSTALL_RPATH "$ORIGIN")
  # The program needs its setup data beside it; the generators are added later.
  function(tintonia_program_needs_setup)
    foreach(setup IN ITEMS skin_setup SetupChords SetupMonitor SetupColorTables SetupAth TnaHelpPage)
      if(TARGET ${setup})
        add_dependencies(Tintonia ${setup})
      endif()
    endforeach()
  endfunction()
  cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tintonia_program_needs_setup)
endif()

# TnaControls: skin pictures, their archives and layout files, and the skinned
# controls every window of the program is built from.
add_library(TnaControls STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SkinImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinArchive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayoutIni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlImages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsButtonCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsCheckCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsEditCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsPianoCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsScrollCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SlideTrack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsSlideCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsStaticCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawListItem.cpp)
target_include_directories(TnaControls PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(TnaControls PUBLIC PlatformUi)

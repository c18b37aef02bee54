# The project file joins the other user documents in TnaDocuments.
target_sources(TnaDocuments PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ProjectDoc.cpp)
target_include_directories(TnaDocuments PUBLIC ${CMAKE_CURRENT_LIST_DIR})

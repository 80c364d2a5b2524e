lumo_gui_test(platform_gui_tests
  ${CMAKE_CURRENT_LIST_DIR}/text_codec_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_builder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumo_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_helpers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_canvas_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_text_test.cpp
)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(platform_gui_tests PRIVATE Qt6::Test)

lumo_gui_test(platform_gui_tests
  ${CMAKE_CURRENT_LIST_DIR}/text_codec_test.cpp
)

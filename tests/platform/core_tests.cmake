lumo_core_test(platform_core_tests
  ${CMAKE_CURRENT_LIST_DIR}/text_fold_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_syntax_test.cpp
)

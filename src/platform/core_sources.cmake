target_sources(lumo_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/text_fold.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_syntax.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/atomic_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/extended_attributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/replacement_file.cpp
)

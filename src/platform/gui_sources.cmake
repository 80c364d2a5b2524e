target_sources(lumo_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/text_codec.cpp
)

# The Qt half of the platform layer: dialogs from templates, data exchange,
# tooltips, message boxes, the classic look, the drawing canvas.
target_sources(lumo_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/classic_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_builder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_behaviour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lumo_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box_qt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_open.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_tips.cpp
)

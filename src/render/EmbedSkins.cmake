# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the skin pictures of resources/skins into kelvane_core and links the PNG decoder.
find_package(PNG REQUIRED)
# A program linked fully static (KELVANE_STATIC_LINK, kelvane-tool) decodes no skin, and the
# shared decoder on its link line would stop the link.
target_link_libraries(kelvane_core PUBLIC
  $<$<NOT:$<BOOL:$<TARGET_PROPERTY:KELVANE_STATIC_LINK>>>:PNG::PNG>)

file(GLOB KELVANE_SKIN_PNGS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/skins/skin-*.png)
set(KELVANE_EMBEDDED_SKINS ${CMAKE_CURRENT_BINARY_DIR}/embedded_skins.cpp)
add_custom_command(
  OUTPUT ${KELVANE_EMBEDDED_SKINS}
  COMMAND ${CMAKE_COMMAND} -DSKIN_DIR=${PROJECT_SOURCE_DIR}/resources/skins
          -DOUTPUT=${KELVANE_EMBEDDED_SKINS} -P ${CMAKE_CURRENT_LIST_DIR}/embed_skins_script.cmake
  DEPENDS ${KELVANE_SKIN_PNGS} ${CMAKE_CURRENT_LIST_DIR}/embed_skins_script.cmake
  COMMENT "Embedding the skin pictures")
target_sources(kelvane_core PRIVATE ${KELVANE_EMBEDDED_SKINS})

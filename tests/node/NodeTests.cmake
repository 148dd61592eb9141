# SPDX-License-Identifier: GPL-3.0-or-later
# The core's tests as a node program (build-web/tests/kelvane_core_tests.js), built only when asked
# for (`make web-tests`). It reads and writes the real files through node; skins come as in the
# page, from the web build's sheets, since the web build has no PNG decoder of its own.
list(FILTER KELVANE_CORE_TEST_SOURCES EXCLUDE REGEX "/render/skins_test\\.cpp$")
set_property(TARGET kelvane_core_tests PROPERTY SOURCES ${KELVANE_CORE_TEST_SOURCES}
                                                ${PROJECT_SOURCE_DIR}/src/web/skin_sheets.cpp
                                                ${CMAKE_CURRENT_SOURCE_DIR}/node/node_umask.cpp)
set_target_properties(kelvane_core_tests PROPERTIES EXCLUDE_FROM_ALL ON SUFFIX .js)
target_link_options(kelvane_core_tests PRIVATE
  -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1)

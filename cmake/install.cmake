# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout, as Debian places a game: the launcher and kelvane-tool in games/, the game
# program in lib/games/kelvane, the shipped files in share/games/kelvane, then the desktop entry,
# metainfo, icons, manual pages and the package documents where desktops and tools look for them.
include(GNUInstallDirs)

set(KELVANE_INSTALL_BIN_DIR games)
set(KELVANE_INSTALL_GAME_DIR lib/games/kelvane)
set(KELVANE_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/kelvane)
set(KELVANE_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kelvane)
set(KELVANE_APPSTREAM_ID org.example.kelvane)
# The date of this version, for the manual pages and the metainfo's release history.
set(KELVANE_RELEASE_DATE 2026-12-07)
set(KELVANE_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(KELVANE_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
# Packages want 755 folders whatever the umask of the one who builds them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The program itself is not on the PATH: it must start in a working folder, which the launcher
# of the same name provides.
if(TARGET kelvane)
  install(TARGETS kelvane RUNTIME DESTINATION ${KELVANE_INSTALL_GAME_DIR})
endif()
if(TARGET kelvane-tool)
  install(TARGETS kelvane-tool RUNTIME DESTINATION ${KELVANE_INSTALL_BIN_DIR})
endif()

# What the launcher copies into each player's working folder.
foreach(folder Puzzles help)
  if(EXISTS ${KELVANE_RESOURCES}/${folder})
    install(DIRECTORY ${KELVANE_RESOURCES}/${folder} DESTINATION ${KELVANE_INSTALL_DATA_DIR})
  endif()
endforeach()
install(FILES ${KELVANE_RESOURCES}/victory.wav ${KELVANE_RESOURCES}/orrinsoft.url
  DESTINATION ${KELVANE_INSTALL_DATA_DIR})

file(GLOB KELVANE_ICONS ${KELVANE_RESOURCES}/icons/kelvane-*.png)
foreach(icon ${KELVANE_ICONS})
  string(REGEX REPLACE ".*kelvane-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} RENAME kelvane.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The package texts name the library's size as shipped; a figure added or removed reconfigures.
file(GLOB KELVANE_LIBRARY_FILES CONFIGURE_DEPENDS ${KELVANE_RESOURCES}/Puzzles/*.kvp)
list(LENGTH KELVANE_LIBRARY_FILES KELVANE_LIBRARY_SIZE)

configure_file(${KELVANE_PACKAGING}/${KELVANE_APPSTREAM_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/packaging/${KELVANE_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${KELVANE_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KELVANE_PACKAGING}/copyright DESTINATION ${KELVANE_INSTALL_DOC_DIR})
install(FILES ${KELVANE_PACKAGING}/lintian-overrides RENAME kelvane
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

# The launcher, the desktop entry and the manual pages name absolute paths, so they are made at
# install time, when the final prefix is known (`cmake --install --prefix` may change it).
install(CODE "
  set(KELVANE_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(KELVANE_STAGING_DIR \"${PROJECT_BINARY_DIR}/packaging\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(KELVANE_RELEASE_DATE \"${KELVANE_RELEASE_DATE}\")
  set(KELVANE_INSTALL_BIN_DIR \"${KELVANE_INSTALL_BIN_DIR}\")
  set(KELVANE_INSTALL_DATA_DIR \"${KELVANE_INSTALL_DATA_DIR}\")
  set(KELVANE_INSTALL_GAME_DIR \"${KELVANE_INSTALL_GAME_DIR}\")
  set(KELVANE_INSTALL_DOC_DIR \"${KELVANE_INSTALL_DOC_DIR}\")
  set(KELVANE_INSTALL_MAN_DIR \"${CMAKE_INSTALL_MANDIR}/man6\")
  set(KELVANE_INSTALL_APPS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/install_generated.cmake\")
")

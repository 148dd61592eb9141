# Install layout: the launcher on the PATH, the game and its shipped files beside each other,
# the desktop entry and the icons where desktops look for them.
include(GNUInstallDirs)

set(KELVANE_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/kelvane)
set(KELVANE_INSTALL_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/kelvane)
set(KELVANE_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

# The program itself is not on the PATH: it must start in a working folder, which the launcher
# of the same name provides.
if(TARGET kelvane)
  install(TARGETS kelvane RUNTIME DESTINATION ${KELVANE_INSTALL_GAME_DIR})
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

# The launcher and the desktop entry name absolute paths, so they are made at install time,
# when the final prefix is known (`cmake --install --prefix` may change it).
install(CODE "
  set(KELVANE_PACKAGING_DIR \"${PROJECT_SOURCE_DIR}/packaging\")
  set(KELVANE_STAGING_DIR \"${PROJECT_BINARY_DIR}/packaging\")
  set(KELVANE_INSTALL_BIN_DIR \"${CMAKE_INSTALL_BINDIR}\")
  set(KELVANE_INSTALL_DATA_DIR \"${KELVANE_INSTALL_DATA_DIR}\")
  set(KELVANE_INSTALL_GAME_DIR \"${KELVANE_INSTALL_GAME_DIR}\")
  set(KELVANE_INSTALL_APPS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/install_launcher.cmake\")
")

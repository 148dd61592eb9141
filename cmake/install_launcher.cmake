# Runs at install time: writes the launcher and the desktop entry for the prefix being installed.
function(kelvane_absolute out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

kelvane_absolute(bin_dir "${KELVANE_INSTALL_BIN_DIR}")
kelvane_absolute(KELVANE_SHARE_DIR "${KELVANE_INSTALL_DATA_DIR}")
kelvane_absolute(game_dir "${KELVANE_INSTALL_GAME_DIR}")
set(KELVANE_GAME "${game_dir}/kelvane")
set(KELVANE_LAUNCHER "${bin_dir}/kelvane")

configure_file("${KELVANE_PACKAGING_DIR}/kelvane.sh.in" "${KELVANE_STAGING_DIR}/kelvane" @ONLY)
configure_file("${KELVANE_PACKAGING_DIR}/kelvane.desktop.in"
  "${KELVANE_STAGING_DIR}/kelvane.desktop" @ONLY)

file(INSTALL "${KELVANE_STAGING_DIR}/kelvane" DESTINATION "${bin_dir}"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
kelvane_absolute(apps_dir "${KELVANE_INSTALL_APPS_DIR}")
file(INSTALL "${KELVANE_STAGING_DIR}/kelvane.desktop" DESTINATION "${apps_dir}")

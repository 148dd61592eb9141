# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at install time: writes the files that name the prefix being installed (the launcher, the
# desktop entry, the manual pages) and the compressed changelog.
function(kelvane_absolute out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# Debian's compression for documents: best, and without name or time stamp, so rebuilds match.
function(kelvane_gzip source target)
  execute_process(COMMAND gzip -9n INPUT_FILE "${source}" OUTPUT_FILE "${target}"
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${source}")
  endif()
endfunction()

kelvane_absolute(bin_dir "${KELVANE_INSTALL_BIN_DIR}")
kelvane_absolute(KELVANE_SHARE_DIR "${KELVANE_INSTALL_DATA_DIR}")
kelvane_absolute(game_dir "${KELVANE_INSTALL_GAME_DIR}")
kelvane_absolute(apps_dir "${KELVANE_INSTALL_APPS_DIR}")
kelvane_absolute(man_dir "${KELVANE_INSTALL_MAN_DIR}")
kelvane_absolute(doc_dir "${KELVANE_INSTALL_DOC_DIR}")
set(KELVANE_GAME "${game_dir}/kelvane")
set(KELVANE_LAUNCHER "${bin_dir}/kelvane")
set(packaging "${KELVANE_SOURCE_DIR}/packaging")
set(staging "${KELVANE_STAGING_DIR}")

configure_file("${packaging}/kelvane.sh.in" "${staging}/kelvane" @ONLY)
file(INSTALL "${staging}/kelvane" DESTINATION "${bin_dir}"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
configure_file("${packaging}/kelvane.desktop.in" "${staging}/kelvane.desktop" @ONLY)
file(INSTALL "${staging}/kelvane.desktop" DESTINATION "${apps_dir}")

foreach(page kelvane.6 kelvane-tool.6)
  configure_file("${KELVANE_SOURCE_DIR}/docs/man/${page}.in" "${staging}/${page}" @ONLY)
  kelvane_gzip("${staging}/${page}" "${staging}/${page}.gz")
  file(INSTALL "${staging}/${page}.gz" DESTINATION "${man_dir}")
endforeach()

kelvane_gzip("${packaging}/changelog" "${staging}/changelog.Debian.gz")
file(INSTALL "${staging}/changelog.Debian.gz" DESTINATION "${doc_dir}")

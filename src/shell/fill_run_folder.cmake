# SPDX-License-Identifier: GPL-3.0-or-later
# Fills the game's working folder from resources/, with stand-ins for files not made yet.
# Never deletes: puzzles saved and settings written by the player stay.
file(MAKE_DIRECTORY ${RUN_DIR}/Puzzles)
if(EXISTS ${SOURCE_DIR}/resources/Puzzles)
  file(COPY ${SOURCE_DIR}/resources/Puzzles/ DESTINATION ${RUN_DIR}/Puzzles)
endif()

# A missing sound is simply not played.
if(EXISTS ${SOURCE_DIR}/resources/victory.wav)
  file(COPY ${SOURCE_DIR}/resources/victory.wav DESTINATION ${RUN_DIR})
endif()

if(EXISTS ${SOURCE_DIR}/resources/help)
  file(COPY ${SOURCE_DIR}/resources/help/ DESTINATION ${RUN_DIR}/help)
elseif(NOT EXISTS ${RUN_DIR}/help/index.html)
  file(WRITE ${RUN_DIR}/help/index.html
    "<html><head><title>Kelvane</title></head><body><h1>Kelvane</h1>"
    "<p>The manual is not written yet.</p></body></html>\n")
endif()

if(EXISTS ${SOURCE_DIR}/resources/orrinsoft.url)
  file(COPY ${SOURCE_DIR}/resources/orrinsoft.url DESTINATION ${RUN_DIR})
elseif(NOT EXISTS ${RUN_DIR}/orrinsoft.url)
  file(WRITE ${RUN_DIR}/orrinsoft.url "[InternetShortcut]\nURL=https://example.org/\n")
endif()

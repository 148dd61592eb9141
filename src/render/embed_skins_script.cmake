# SPDX-License-Identifier: GPL-3.0-or-later
# Writes OUTPUT, a C++ file holding the bytes of SKIN_DIR/skin-1.png … skin-7.png (cmake -P).
set(body "")
set(cases "")
foreach(number RANGE 1 7)
  set(file ${SKIN_DIR}/skin-${number}.png)
  if(EXISTS ${file})
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND body "const std::uint8_t kSkin${number}[] = {${bytes}};\n")
    string(APPEND cases "    case ${number}:\n      return kSkin${number};\n")
  endif()
endforeach()
file(WRITE ${OUTPUT}.tmp
  "// Generated from resources/skins at build time; do not edit.\n"
  "#include \"render/embedded_skins.h\"\n\n"
  "namespace kelvane {\n\nnamespace {\n${body}}  // namespace\n\n"
  "std::span<const std::uint8_t> EmbeddedSkinPng(int number) {\n"
  "  switch (number) {\n${cases}    default:\n      return {};\n  }\n}\n\n"
  "}  // namespace kelvane\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})

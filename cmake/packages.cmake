# The two packages a user downloads, each the tool with the README and the players' files
# beside it, no folder around them, since the tool belongs next to the user's archives:
#   vorsplit-VERSION-windows-x86_64.zip     vorsplit.exe (static, stripped as it is linked)
#   vorsplit-VERSION-linux-x86_64.tar.gz    vorsplit (stripped)
# and a .sha256 beside each. `cpack` makes them from the folders staged here, without any
# install step: nothing of the tool is installed into a system folder.

set(stage "${CMAKE_BINARY_DIR}/stage")
add_custom_target(stage ALL
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${stage}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${stage}/windows" "${stage}/linux"
  COMMAND "${CMAKE_STRIP}" -o "${stage}/linux/vorsplit" "$<TARGET_FILE:vorsplit>"
  COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_BINARY_DIR}/vorsplit.exe" "${stage}/windows/"
  COMMAND "${CMAKE_COMMAND}" -E copy ${player_files} "${PROJECT_SOURCE_DIR}/README.md"
          "${stage}/windows/"
  COMMAND "${CMAKE_COMMAND}" -E copy ${player_files} "${PROJECT_SOURCE_DIR}/README.md"
          "${stage}/linux/"
  DEPENDS vorsplit vorsplit_exe player_files
  VERBATIM)

# Archives record the time of each file: the commit's time, so that two builds of one commit
# give the same bytes.
execute_process(COMMAND git log -1 --format=%ct
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  OUTPUT_VARIABLE CPACK_VORSPLIT_SOURCE_DATE_EPOCH
  OUTPUT_STRIP_TRAILING_WHITESPACE
  ERROR_QUIET)

set(CPACK_VORSPLIT_STAGE "${stage}")
set(CPACK_PACKAGE_NAME vorsplit)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR ZIP TGZ)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/package_per_generator.cmake")
include(CPack)
